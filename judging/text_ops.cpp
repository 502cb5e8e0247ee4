#include "judging/text_ops.h"

#include <atomic>
#include <cstring>

namespace {

// The full distance table is 270 KB: too much for the stack of every thread that may judge. One copy
// lives with the program; a caller that finds it taken (another thread at the same moment) works in two
// rows on its own stack instead, which gives the same distance.
int32_t sharedTable[kTextSize][kTextSize];
std::atomic_flag sharedTableTaken = ATOMIC_FLAG_INIT;

int BoundedLength(const char* text) {
    int length = 0;
    while (length < kMaxTextLength && text[length])
        ++length;
    return length;
}

} // namespace

void TrimSpaces(char* text) {
    size_t length = std::strlen(text);
    while (length > 0 && text[length - 1] == ' ')
        text[--length] = '\0';
    size_t leading = 0;
    while (text[leading] == ' ')
        ++leading;
    if (leading > 0) std::memmove(text, text + leading, length - leading + 1);
}

void UpperCase(char* text) {
    for (; *text; ++text) {
        const auto byte = static_cast<unsigned char>(*text);
        if ((byte >= 0x61 && byte <= 0x7A) || byte >= 0xE0) *text = static_cast<char>(byte - 0x20);
    }
}

void SortLetters(char* text) {
    const size_t length = std::strlen(text);
    bool swapped = length > 1;
    while (swapped) {
        swapped = false;
        for (size_t i = 0; i + 1 < length; ++i) {
            if (static_cast<signed char>(text[i]) > static_cast<signed char>(text[i + 1])) {
                const char held = text[i];
                text[i] = text[i + 1];
                text[i + 1] = held;
                swapped = true;
            }
        }
    }
}

int32_t EditDistanceInRows(const char* first, const char* second, int32_t (*rows)[kTextSize], int rowCount) {
    if (rowCount < 2) return -1; // one row would overwrite the diagonal it still needs
    const int firstLength = BoundedLength(first);
    const int secondLength = BoundedLength(second);
    if (firstLength == 0) return secondLength;
    if (secondLength == 0) return firstLength;

    for (int j = 0; j <= secondLength; ++j)
        rows[0][j] = j;
    for (int i = 1; i <= firstLength; ++i) {
        const int32_t* above = rows[(i - 1) % rowCount];
        int32_t* row = rows[i % rowCount];
        row[0] = i;
        const char letter = first[i - 1];
        for (int j = 1; j <= secondLength; ++j) {
            int32_t best = above[j] + 1;
            if (row[j - 1] + 1 < best) best = row[j - 1] + 1;
            const int32_t diagonal = above[j - 1] + (letter == second[j - 1] ? 0 : 1);
            if (diagonal < best) best = diagonal;
            row[j] = best;
        }
    }
    return rows[firstLength % rowCount][secondLength];
}

int32_t EditDistance(const char* first, const char* second) {
    if (!sharedTableTaken.test_and_set(std::memory_order_acquire)) {
        const int32_t distance = EditDistanceInRows(first, second, sharedTable, kTextSize);
        sharedTableTaken.clear(std::memory_order_release);
        return distance;
    }
    int32_t rows[2][kTextSize];
    return EditDistanceInRows(first, second, rows, 2);
}

int32_t FindInLonger(char* first, char* second) {
    int shortLength = BoundedLength(first);
    int longLength = BoundedLength(second);
    int32_t sign = 1;
    if (longLength < shortLength) {
        // Either text fits in either buffer; the terminators travel with them.
        char held[kTextSize];
        std::memcpy(held, first, shortLength);
        held[shortLength] = '\0';
        std::memcpy(first, second, longLength);
        first[longLength] = '\0';
        std::memcpy(second, held, shortLength + 1);
        const int length = shortLength;
        shortLength = longLength;
        longLength = length;
        sign = -1;
    }
    const char* shorter = first;
    const char* longer = second;
    if (shortLength == 0) return sign;

    int i = 0;
    int j = 0;
    for (;;) {
        while (j < longLength && longer[j] != shorter[0])
            ++j;
        if (j >= longLength) return 0;
        int count = 0;
        while (i < shortLength && j < longLength && longer[j] == shorter[i]) {
            ++count;
            ++i;
            ++j;
        }
        if (count == shortLength) return 2 * sign;
        i = 0; // j stays where the comparison stopped: the scan never steps back
    }
}

int32_t CountWords(const char* text) {
    int32_t count = 1;
    for (; *text; ++text) {
        if (*text == '!') {
            if (!text[1]) break; // the character passed over would be the terminator
            ++text;
            continue;
        }
        if (*text == ' ' || *text == '\'' || *text == '-') ++count;
    }
    return count;
}

void ReadLine(const char* buffer, int32_t size, int32_t* position, char* destination) {
    int32_t p = *position < 0 ? 0 : *position;
    int copied = 0;
    while (p < size && buffer[p] != '\r' && copied < kMaxAnswerLength)
        destination[copied++] = buffer[p++];
    if (copied == kMaxAnswerLength)
        while (p < size && buffer[p] != '\r')
            ++p; // the rest of an over-long line is dropped
    while (p < size && buffer[p] != '\n')
        ++p;
    destination[copied] = '\0';
    *position = p < INT32_MAX ? p + 1 : p;
}
