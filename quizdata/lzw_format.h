// The coded form of the quiz data: variable-width LZW, codes packed most significant bit first.
// Shared by the decoder and the encoder so that both keep the same limits.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint32_t kLzwEndCode = 256;   // end of stream
constexpr uint32_t kLzwWidenCode = 257; // following codes are one bit wider
constexpr uint32_t kLzwResetCode = 258; // next free code back to 259, width back to 9
constexpr uint32_t kLzwFirstFreeCode = 259;
constexpr uint32_t kLzwTableSize = 4096; // codes stay below this; a stream resets before passing it
constexpr int kLzwStartWidth = 9;
constexpr int kLzwMaxWidth = 32;

constexpr size_t kLzwMaxCodedSize = 32768;    // longest coded input the decoder takes
constexpr size_t kLzwMaxDecodedSize = 120000; // longest text the decoder hands back
constexpr size_t kLzwMaxStringSize = 4096;    // longest dictionary string
