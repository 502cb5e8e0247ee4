// Turns a coded quiz piece back into its text (the stream format is in lzw_format.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "quizdata/message_target.h"

namespace LzwDecoder {

enum : int32_t {
    kDecodeOk = 0,
    kDecodeOutOfMemory = -4, // also: the text would pass 120000 bytes
    kDecodeNoFirstCode = -5, // empty input, or too short for the first code
    kDecodeBadStream = -7,   // bad code, input ended before the end code, or a limit of the format passed
};

// Decodes `length` bytes of `input` (only read). On every result except -4 from setting up, *result gets
// a buffer of 120000 bytes holding what was decoded (released by the caller with std::free; no NUL added)
// and *reportedLength the number of decoded bytes plus 2. When the result buffer cannot be allocated, the
// message "Impossible d'allouer la memoire" goes to `messages` and the out-parameters stay untouched.
int32_t decode(const uint8_t* input, size_t length, uint8_t** result, uint32_t* reportedLength,
               const MessageTarget& messages);

} // namespace LzwDecoder

// Every allocation of the decoder goes through this hook when it is set (tests make allocations fail);
// what it returns is released with std::free.
using LzwAllocateHook = void* (*)(size_t size);
extern LzwAllocateHook lzwAllocateHook;
