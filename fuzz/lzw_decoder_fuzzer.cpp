// The decoder on arbitrary bytes: it must never read or write past a buffer, and what it reports must
// stay within the result buffer.
#include <cstdlib>
#include <cstring>

#include "quizdata/lzw_decoder.h"
#include "quizdata/lzw_format.h"

namespace {
void IgnoreMessage(void*, const char*, const char*, unsigned) {}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    uint8_t* text = nullptr;
    uint32_t reported = 0;
    const int32_t status =
        LzwDecoder::decode(data, size, &text, &reported, MessageTarget{IgnoreMessage, nullptr});
    if (status != 0 && status != -4 && status != -5 && status != -7) std::abort();
    if (text) {
        if (reported < 2 || reported - 2 > kLzwMaxDecodedSize) std::abort();
        // Touch every reported byte, so that ASan sees a length that passes the written part.
        volatile uint8_t sum = 0;
        for (uint32_t i = 0; i < reported - 2; ++i)
            sum = static_cast<uint8_t>(sum + text[i]);
        (void)sum;
    }
    std::free(text);
    return 0;
}
