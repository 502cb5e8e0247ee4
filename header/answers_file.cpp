#include "header/answers_file.h"

#include <cstring>

bool AnswersFileName(const char* modulePath, char* name, size_t size) {
    if (size == 0) return false;
    name[0] = '\0';
    if (!modulePath) return false;
    const char* start = modulePath;
    for (const char* c = modulePath; *c; ++c)
        if (*c == '\\' || *c == '/') start = c + 1;
    const size_t length = std::strlen(start);
    if (length == 0) return false;
    const bool replace = length >= 3;
    const size_t kept = replace ? length - 3 : length;
    const size_t total = kept + (replace ? 3 : 4);
    if (total + 1 > size) return false;
    std::memcpy(name, start, kept);
    std::memcpy(name + kept, replace ? "txt" : ".txt", total - kept + 1);
    return true;
}

size_t AnswersFileBytes(const char* const* fieldTexts, int fieldCount, char* out, size_t capacity) {
    size_t length = 0;
    auto put = [&](const char* bytes, size_t count) {
        if (length < capacity)
            std::memcpy(out + length, bytes, count < capacity - length ? count : capacity - length);
        length += count;
    };
    for (int field = 0; field < fieldCount; ++field) {
        const char* text = fieldTexts[field] ? fieldTexts[field] : "";
        put(text, std::strlen(text));
        put("\r\n", 2);
    }
    return length;
}
