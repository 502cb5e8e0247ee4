#include "tools/source/answer_spellings.h"

namespace {

std::string TrimBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::vector<std::string> SplitSpellings(const std::string& value) {
    std::vector<std::string> spellings;
    std::string current;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == '|') {
            current += '|';
            ++i;
        } else if (value[i] == '|') {
            spellings.push_back(TrimBlanks(current));
            current.clear();
        } else {
            current += value[i];
        }
    }
    spellings.push_back(TrimBlanks(current));
    return spellings;
}

std::string JoinSpellings(const std::vector<std::string>& spellings) {
    std::string value;
    for (size_t i = 0; i < spellings.size(); ++i) {
        if (i) value += " | ";
        for (char c : spellings[i])
            value += c == '|' ? std::string("\\|") : std::string(1, c);
    }
    return value;
}
