// The decoder of the coded quiz pieces. All working storage lives for one call; only the result buffer
// is handed out. Every limit of the format is checked, so no input can make it read or write past a
// buffer: a stream that passes one stops with -7 (or -4 for a text above 120000 bytes).
#include "quizdata/lzw_decoder.h"

#include <cstdlib>
#include <cstring>

#include "quizdata/lzw_format.h"
#include "quizdata/user_message.h"

LzwAllocateHook lzwAllocateHook = nullptr;

namespace {

void* Allocate(size_t size) {
    return lzwAllocateHook ? lzwAllocateHook(size) : std::malloc(size);
}

struct Entry {
    uint8_t* bytes; // owned for codes from 259 up; the one-byte table below for codes 0..255
    uint16_t length;
};

struct ByteTable {
    uint8_t bytes[256];
    constexpr ByteTable() : bytes() {
        for (int i = 0; i < 256; ++i)
            bytes[i] = static_cast<uint8_t>(i);
    }
};
constexpr ByteTable kSingleBytes;

// Reads codes most significant bit first.
struct BitReader {
    const uint8_t* input;
    size_t length;
    size_t bitPosition;

    bool read(int width, uint64_t* code) {
        if (bitPosition + static_cast<size_t>(width) > length * 8) return false;
        uint64_t value = 0;
        for (int i = 0; i < width; ++i, ++bitPosition)
            value = (value << 1) | ((input[bitPosition >> 3] >> (7 - (bitPosition & 7))) & 1u);
        *code = value;
        return true;
    }
};

struct Work {
    Entry* dictionary;
    uint8_t* pending; // the string of the last data code, not yet written
    size_t pendingLength;
    uint8_t* scratch; // a new entry is built here
    uint8_t* out;
    size_t written;
};

bool WritePending(Work& work) {
    if (work.pendingLength > kLzwMaxDecodedSize - work.written) return false;
    std::memcpy(work.out + work.written, work.pending, work.pendingLength);
    work.written += work.pendingLength;
    return true;
}

int32_t Run(Work& work, const uint8_t* input, size_t length) {
    using namespace LzwDecoder;
    if (length > kLzwMaxCodedSize) return kDecodeBadStream;
    BitReader reader = {input, length, 0};
    uint64_t code = 0;
    if (!reader.read(kLzwStartWidth, &code)) return kDecodeNoFirstCode;
    // The first code is always a literal and creates no entry.
    work.pending[0] = static_cast<uint8_t>(code & 0xFF);
    work.pendingLength = 1;
    uint32_t nextFree = kLzwFirstFreeCode;
    int width = kLzwStartWidth;
    for (;;) {
        if (width > kLzwMaxWidth) return kDecodeBadStream;
        if (!reader.read(width, &code)) return kDecodeBadStream;
        if (code == kLzwEndCode) return WritePending(work) ? kDecodeOk : kDecodeOutOfMemory;
        if (code == kLzwResetCode) {
            nextFree = kLzwFirstFreeCode;
            width = kLzwStartWidth;
            continue;
        }
        if (code == kLzwWidenCode) {
            ++width;
            continue;
        }
        if (code > nextFree || nextFree >= kLzwTableSize) return kDecodeBadStream;
        if (work.pendingLength + 1 > kLzwMaxStringSize) return kDecodeBadStream;
        const size_t newLength = work.pendingLength + 1;
        std::memcpy(work.scratch, work.pending, work.pendingLength);
        // KwKwK: a code not yet in the table is the pending string followed by its own first byte.
        work.scratch[work.pendingLength] =
            code == nextFree ? work.pending[0] : work.dictionary[code].bytes[0];
        auto* bytes = static_cast<uint8_t*>(Allocate(newLength));
        if (!bytes) return kDecodeOutOfMemory;
        std::memcpy(bytes, work.scratch, newLength);
        Entry& created = work.dictionary[nextFree];
        std::free(created.bytes); // an entry from before the last reset
        created.bytes = bytes;
        created.length = static_cast<uint16_t>(newLength);
        ++nextFree;
        if (!WritePending(work)) return kDecodeOutOfMemory;
        const Entry& next = work.dictionary[code];
        std::memcpy(work.pending, next.bytes, next.length);
        work.pendingLength = next.length;
    }
}

void Release(Work& work) {
    if (work.dictionary) {
        for (uint32_t code = kLzwFirstFreeCode; code < kLzwTableSize; ++code)
            std::free(work.dictionary[code].bytes);
    }
    std::free(work.dictionary);
    std::free(work.pending);
    std::free(work.scratch);
}

} // namespace

int32_t LzwDecoder::decode(const uint8_t* input, size_t length, uint8_t** result, uint32_t* reportedLength,
                           const MessageTarget& messages) {
    Work work = {};
    work.dictionary = static_cast<Entry*>(Allocate(kLzwTableSize * sizeof(Entry)));
    if (work.dictionary) std::memset(static_cast<void*>(work.dictionary), 0, kLzwTableSize * sizeof(Entry));
    work.pending = static_cast<uint8_t*>(Allocate(kLzwMaxStringSize));
    work.scratch = static_cast<uint8_t*>(Allocate(kLzwMaxStringSize));
    if (!work.dictionary || !work.pending || !work.scratch) {
        Release(work);
        return kDecodeOutOfMemory;
    }
    for (uint32_t code = 0; code < 256; ++code)
        work.dictionary[code] = {const_cast<uint8_t*>(&kSingleBytes.bytes[code]), 1};
    work.out = static_cast<uint8_t*>(Allocate(kLzwMaxDecodedSize));
    if (!work.out) {
        SendUserMessage(messages, "Impossible d'allouer la memoire", "information", kMessageOk);
        Release(work);
        return kDecodeOutOfMemory;
    }
    const int32_t status = input || length == 0 ? Run(work, input, length) : kDecodeNoFirstCode;
    *result = work.out;
    *reportedLength = static_cast<uint32_t>(work.written + 2);
    Release(work);
    return status;
}
