// Portable: the pixel size a JPEG or BMP file declares, read from its header without decoding it.
#pragma once

#include <cstddef>
#include <cstdint>

// Width and height the picture at data[0, size) declares: a JPEG's frame header, or a BMP's info or core
// header (a top-down BMP's negative height counted as its magnitude). Answers false, leaving the outputs
// untouched, for any other format, a header that ends early, or a side of 0 or above 65535. Never reads at
// or beyond `size`.
bool ReadPictureSize(const uint8_t* data, size_t size, uint32_t* width, uint32_t* height);

// The question panel fits every picture into a square of this side.
constexpr int kPictureBoxSide = 300;

// The size of a w x h picture scaled until one side touches the box, the other truncated. Worked in
// integers so that the touching side is exactly the box's: a floating factor makes 281 px wide come
// out 299 across, and 55 x 11 come out 300 x 59. A thin picture keeps at least one pixel across.
void FitPictureInBox(int64_t width, int64_t height, int boxWidth, int boxHeight, int32_t* fittedWidth,
                     int32_t* fittedHeight);
