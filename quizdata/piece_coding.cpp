// Coded pieces as the loader finds them: scrambled pieces that cannot pass for plain ones, and the
// 70-byte built-in block.
#include <cstdlib>

#include "quizdata/builtin_block.h"
#include "quizdata/lzw_decoder.h"
#include "quizdata/quiz_coding.h"

namespace {

void IgnoreMessage(void*, const char*, const char*, unsigned) {}

// True when the loader's first, plain decode of these bytes would succeed.
bool DecodesAsItStands(const ByteVector& coded) {
    uint8_t* text = nullptr;
    uint32_t reported = 0;
    const int32_t status = LzwDecoder::decode(coded.data(), coded.size(), &text, &reported,
                                              MessageTarget{IgnoreMessage, nullptr});
    std::free(text);
    return status == LzwDecoder::kDecodeOk;
}

// Codes `data`, pads it to `paddedSize` (0: no padding) and scrambles it; tries other streams of the same
// data until the scrambled bytes no longer decode as they stand.
ByteVector CodeScrambled(const uint8_t* data, size_t size, size_t paddedSize, int& keyPosition) {
    for (int variant = 0; variant <= kLzwLastVariant; ++variant) {
        ByteVector coded = LzwEncodeVariant(data, size, variant);
        if (coded.empty() || (paddedSize && coded.size() > paddedSize))
            return {}; // later variants are longer
        if (paddedSize) coded.resize(paddedSize, 0);
        int position = keyPosition;
        ScrambleBytes(coded, position);
        if (!DecodesAsItStands(coded)) {
            keyPosition = position;
            return coded;
        }
    }
    return {};
}

} // namespace

ByteVector LzwEncodeScrambled(const uint8_t* data, size_t size, int& keyPosition) {
    return CodeScrambled(data, size, 0, keyPosition);
}

ByteVector CodeBuiltInBlock(const std::string& linkText, const std::string& footerText, bool scramble,
                            int& keyPosition) {
    const ByteVector text = SerialiseBuiltInBlock(linkText, footerText);
    if (text.empty()) return {};
    const size_t blockSize = static_cast<size_t>(kBuiltInBlockSize);
    if (scramble) return CodeScrambled(text.data(), text.size(), blockSize, keyPosition);
    ByteVector coded = LzwEncode(text.data(), text.size());
    if (coded.empty() || coded.size() > blockSize) return {};
    coded.resize(blockSize, 0); // the decoder never reads past the end code
    return coded;
}
