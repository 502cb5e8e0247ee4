// Whether the player can show a picture file. PNG files go through the player's own decoder; JPEG, GIF
// and BMP files are decoded by Windows in the player, so their headers are checked for what its
// picture loader refuses (progressive or CMYK JPEG, compressed BMP formats, truncated files).
#pragma once

#include <cstdint>
#include <string>

#include "media/png/png_decoder.h"
#include "quizdata/byte_vector.h"

struct PictureSize {
    uint32_t width = 0, height = 0;
};

// Empty when the player can show the picture, its size then in *size (when given); otherwise why
// not, in a sentence for the author.
std::string PictureProblem(const ByteVector& bytes, PictureSize* size = nullptr);

// The size the question panel shows a picture of that size at (fitted into its 300 x 300 box).
PictureSize ShownPictureSize(PictureSize picture);

// Decodes every row of `png` as the player does: 0 with the picture's size, layout and rows, else the
// decoder's error code.
uint32_t DecodePngRows(const ByteVector& png, uint32_t* width, uint32_t* height, PngOutputLayout* layout,
                       ByteVector* pixels);

// The PNG decoder's error code as a sentence.
std::string DescribePngError(uint32_t code);
