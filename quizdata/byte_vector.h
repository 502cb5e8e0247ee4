// A run of bytes: a file's content, a resource, a coded piece. Its own header so that code handling bytes
// (the PE reader and writer, the file helpers) needs nothing of the quiz encoder.
#pragma once

#include <cstdint>
#include <vector>

using ByteVector = std::vector<uint8_t>;
