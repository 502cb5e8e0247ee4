// Portable: the pixel size a JPEG or BMP file declares, read from its header without decoding it.
#pragma once

#include <cstddef>
#include <cstdint>

// Width and height the picture at data[0, size) declares: a JPEG's frame header, or a BMP's info or core
// header (a top-down BMP's negative height counted as its magnitude). Answers false, leaving the outputs
// untouched, for any other format, a header that ends early, or a side of 0 or above 65535. Never reads at
// or beyond `size`.
bool ReadPictureSize(const uint8_t* data, size_t size, uint32_t* width, uint32_t* height);
