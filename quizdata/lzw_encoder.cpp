// The LZW encoder that matches the player's decoder: the first code is a literal, every later code is
// sent at the current width, 257 widens just before a code that would not fit, and 258 resets the
// dictionary before the decoder would have to create entry 4096.
#include <algorithm>
#include <vector>

#include "quizdata/lzw_format.h"
#include "quizdata/quiz_coding.h"

namespace {

struct BitWriter {
    ByteVector bytes;
    uint64_t pending = 0; // bits not yet written, right-aligned
    int pendingCount = 0;

    void put(uint32_t code, int width) {
        pending = (pending << width) | code;
        pendingCount += width;
        while (pendingCount >= 8) {
            pendingCount -= 8;
            bytes.push_back(static_cast<uint8_t>(pending >> pendingCount));
        }
        pending &= (uint64_t{1} << pendingCount) - 1;
    }

    // The last byte is filled up with zero bits; the decoder never reads them.
    void flush() {
        if (pendingCount > 0) bytes.push_back(static_cast<uint8_t>(pending << (8 - pendingCount)));
        pendingCount = 0;
        pending = 0;
    }
};

struct EncoderState {
    BitWriter out;
    int width = kLzwStartWidth;

    void putCode(uint32_t code) {
        while (code >> width) {
            out.put(kLzwWidenCode, width);
            ++width;
        }
        out.put(code, width);
    }
};

} // namespace

ByteVector LzwEncodeVariant(const uint8_t* data, size_t size, int variant) {
    if (!data || size == 0 || size > kLzwMaxDecodedSize || variant < 0 || variant > kLzwLastVariant)
        return {};
    // children[code * 256 + byte]: the code of the string `code` followed by `byte`, 0 when not yet known
    // (0 is never the code of a string of two bytes or more).
    std::vector<uint16_t> children(size_t{kLzwTableSize} * 256, 0);
    EncoderState state;
    uint32_t nextFree = kLzwFirstFreeCode;
    uint32_t current = data[0];
    state.putCode(current);
    // A reset right after the first code changes nothing for the decoder but shifts every later code.
    for (int i = 0; i < variant; ++i)
        state.out.put(kLzwResetCode, state.width);
    bool first = true;
    for (size_t i = 1; i < size; ++i) {
        const uint8_t byte = data[i];
        const uint16_t known = children[current * 256 + byte];
        if (known) {
            current = known;
            continue;
        }
        if (!first) state.putCode(current);
        first = false;
        if (nextFree == kLzwTableSize) {
            // The decoder's next data code would create entry 4096: start a new dictionary. That code
            // still creates entry 259 from the string before the reset, which this side never uses.
            state.out.put(kLzwResetCode, state.width);
            state.width = kLzwStartWidth;
            std::fill(children.begin(), children.end(), 0);
            nextFree = kLzwFirstFreeCode;
        } else {
            children[current * 256 + byte] = static_cast<uint16_t>(nextFree);
        }
        ++nextFree;
        current = byte;
    }
    if (!first) state.putCode(current);
    state.out.put(kLzwEndCode, state.width);
    state.out.flush();
    if (state.out.bytes.size() > kLzwMaxCodedSize) return {};
    return state.out.bytes;
}

ByteVector LzwEncode(const uint8_t* data, size_t size) {
    return LzwEncodeVariant(data, size, 0);
}
