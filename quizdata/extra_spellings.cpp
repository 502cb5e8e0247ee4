#include "quizdata/extra_spellings.h"

#include <cstdlib>
#include <cstring>

namespace {

// The next CR LF line from *at; false when the text ends without one or holds a NUL or a lone CR or LF.
bool NextLine(char* text, size_t length, size_t* at, const char** line, size_t* lineLength) {
    const size_t start = *at;
    size_t end = start;
    while (end < length && text[end] != '\r') {
        if (text[end] == '\n' || text[end] == '\0') return false;
        ++end;
    }
    if (end + 1 >= length || text[end + 1] != '\n') return false;
    text[end] = '\0';
    *line = text + start;
    *lineLength = end - start;
    *at = end + 2;
    return true;
}

} // namespace

ExtraSpellings* ReadExtraSpellings(const uint8_t* text, size_t length, int questions, int perQuestion) {
    if (questions < 0 || questions > kMaxQuestions || perQuestion < 1 || perQuestion > 2) return nullptr;
    auto* spellings = static_cast<ExtraSpellings*>(std::calloc(1, sizeof(ExtraSpellings)));
    if (!spellings) return nullptr;
    spellings->text = static_cast<char*>(std::malloc(length ? length : 1));
    if (!spellings->text) {
        FreeExtraSpellings(spellings);
        return nullptr;
    }
    if (length) std::memcpy(spellings->text, text, length);
    size_t at = 0;
    for (int question = 0; question < questions; ++question) {
        for (int slot = 0; slot < perQuestion; ++slot) {
            for (;;) {
                const char* line = nullptr;
                size_t lineLength = 0;
                if (!NextLine(spellings->text, length, &at, &line, &lineLength)) {
                    FreeExtraSpellings(spellings);
                    return nullptr;
                }
                if (lineLength == 0) break; // the field's group ends
                uint8_t& count = spellings->count[question][slot];
                if (lineLength > static_cast<size_t>(kMaxSpellingLength) || count == kMaxSpellings - 1) {
                    FreeExtraSpellings(spellings);
                    return nullptr;
                }
                spellings->spelling[question][slot][count++] = line;
            }
        }
    }
    if (at != length) {
        FreeExtraSpellings(spellings);
        return nullptr;
    }
    return spellings;
}

void FreeExtraSpellings(ExtraSpellings* spellings) {
    if (!spellings) return;
    std::free(spellings->text);
    std::free(spellings);
}
