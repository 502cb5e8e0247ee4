#include "header/answers_file.h"

std::string AnswersFileName(const std::string& modulePath) {
    size_t separator = modulePath.find_last_of("\\/");
    std::string name = separator == std::string::npos ? modulePath : modulePath.substr(separator + 1);
    if (name.empty()) return name;
    if (name.size() < 3) return name + ".txt";
    name.replace(name.size() - 3, 3, "txt");
    return name;
}

std::string AnswersFileBytes(const std::vector<std::string>& fieldTexts) {
    std::string bytes;
    for (const std::string& text : fieldTexts) {
        bytes += text;
        bytes += "\r\n";
    }
    return bytes;
}
