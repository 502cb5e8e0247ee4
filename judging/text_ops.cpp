#include "judging/text_ops.h"

#include <cstring>

namespace {

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
    // A count per byte value, written back from -128 up: the same order a comparison sort of signed
    // bytes gives (equal bytes are indistinguishable), in linear time.
    int32_t counts[256] = {};
    size_t length = 0;
    for (; text[length]; ++length)
        ++counts[static_cast<unsigned char>(text[length])];
    size_t written = 0;
    for (int value = -128; value < 128; ++value) {
        const unsigned char byte = static_cast<unsigned char>(value);
        for (int32_t n = counts[byte]; n > 0; --n)
            text[written++] = static_cast<char>(byte);
    }
}

namespace {

// Distances are worked out 64 rows at a time (Myers' bit-vector algorithm, in blocks): one bit per
// character of the first text says whether the distance grows (+1) or shrinks (-1) from the row above,
// and each character of the second text advances every block by one column.
using Word = uint64_t;
constexpr int kWordBits = 64;
constexpr int kMaxBlocks = (kMaxTextLength + kWordBits - 1) / kWordBits;

struct DistanceBlock {
    Word plusVertical;  // rows whose value is one more than the row above
    Word minusVertical; // rows whose value is one less than the row above
};

// Advances one block by a column whose matches are `equal`; `carryIn` is the change along the block's
// top edge (-1, 0 or +1) and the change along its bottom edge (at bit `lastBit`) is returned.
int AdvanceBlock(DistanceBlock& block, Word equal, int carryIn, Word lastBit) {
    const Word plus = block.plusVertical, minus = block.minusVertical;
    const Word crossVertical = equal | minus;
    if (carryIn < 0) equal |= 1;
    const Word crossHorizontal = (((equal & plus) + plus) ^ plus) | equal;
    Word plusHorizontal = minus | ~(crossHorizontal | plus);
    Word minusHorizontal = plus & crossHorizontal;
    int carryOut = 0;
    if (plusHorizontal & lastBit)
        carryOut = 1;
    else if (minusHorizontal & lastBit)
        carryOut = -1;
    plusHorizontal <<= 1;
    minusHorizontal <<= 1;
    if (carryIn < 0)
        minusHorizontal |= 1;
    else if (carryIn > 0)
        plusHorizontal |= 1;
    block.plusVertical = minusHorizontal | ~(crossVertical | plusHorizontal);
    block.minusVertical = plusHorizontal & crossVertical;
    return carryOut;
}

} // namespace

int32_t EditDistance(const char* first, const char* second) {
    const int firstLength = BoundedLength(first);
    const int secondLength = BoundedLength(second);
    if (firstLength == 0) return secondLength;
    if (secondLength == 0) return firstLength;

    // Match masks of the first text's characters, for the bytes the second text holds (only those are
    // read, so only those are cleared).
    const int blocks = (firstLength + kWordBits - 1) / kWordBits;
    Word matches[256][kMaxBlocks];
    bool wanted[256] = {};
    for (int j = 0; j < secondLength; ++j) {
        const auto byte = static_cast<unsigned char>(second[j]);
        if (wanted[byte]) continue;
        wanted[byte] = true;
        for (int b = 0; b < blocks; ++b)
            matches[byte][b] = 0;
    }
    for (int i = 0; i < firstLength; ++i) {
        const auto byte = static_cast<unsigned char>(first[i]);
        if (wanted[byte]) matches[byte][i / kWordBits] |= Word{1} << (i % kWordBits);
    }

    // Column 0 counts up from the empty prefix: every row is one more than the row above.
    DistanceBlock column[kMaxBlocks];
    for (int b = 0; b < blocks; ++b)
        column[b] = {~Word{0}, 0};
    const Word lastRowBit = Word{1} << ((firstLength - 1) % kWordBits);
    const Word topBit = Word{1} << (kWordBits - 1);
    int32_t distance = firstLength;
    for (int j = 0; j < secondLength; ++j) {
        const Word* equal = matches[static_cast<unsigned char>(second[j])];
        int carry = 1; // the top row counts up too
        for (int b = 0; b < blocks; ++b)
            carry = AdvanceBlock(column[b], equal[b], carry, b == blocks - 1 ? lastRowBit : topBit);
        distance += carry;
    }
    return distance;
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
