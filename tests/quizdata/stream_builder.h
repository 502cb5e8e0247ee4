// Builds coded streams code by code for the decoder tests, most significant bit first.
#pragma once

#include <cstdint>
#include <vector>

struct StreamBuilder {
    std::vector<uint8_t> bytes;
    uint64_t bits = 0;
    int bitCount = 0;
    int width = 9;

    // A code at the current width, as it stands (may not fit: the stream is then malformed on purpose).
    StreamBuilder& raw(uint32_t code) {
        for (int i = width - 1; i >= 0; --i)
            pushBit(static_cast<uint32_t>((uint64_t{code} >> i) & 1u));
        return *this;
    }
    // A data code, preceded by as many widening codes as it needs to fit.
    StreamBuilder& code(uint32_t value) {
        while (width < 32 && (value >> width))
            widen();
        return raw(value);
    }
    StreamBuilder& widen() {
        raw(257);
        ++width;
        return *this;
    }
    StreamBuilder& reset() {
        raw(258);
        width = 9;
        return *this;
    }
    StreamBuilder& end() { return raw(256); }
    std::vector<uint8_t> finish() {
        while (bitCount % 8)
            pushBit(0);
        return bytes;
    }

  private:
    void pushBit(uint32_t bit) {
        bits = (bits << 1) | bit;
        if (++bitCount % 8 == 0) {
            bytes.push_back(static_cast<uint8_t>(bits));
            bits = 0;
        }
    }
};
