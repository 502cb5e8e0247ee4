#include "quizdata/scramble_key.h"

#include "quizdata/quiz_coding.h"

const char kScrambleKey[] = "Donn\xE9"
                            "es inaccessibles";
static_assert(sizeof kScrambleKey == kScrambleKeySize + 1, "the key is 21 bytes");

void XorWithScrambleKey(uint8_t* bytes, size_t size, int& keyPosition) {
    if (keyPosition < 0 || keyPosition >= kScrambleKeySize) keyPosition = 0;
    for (size_t i = 1; i < size; ++i) {
        bytes[i] ^= static_cast<uint8_t>(kScrambleKey[keyPosition]);
        keyPosition = keyPosition + 1 == kScrambleKeySize ? 0 : keyPosition + 1;
    }
}

void ScrambleBytes(ByteVector& coded, int& keyPosition) {
    XorWithScrambleKey(coded.data(), coded.size(), keyPosition);
}
