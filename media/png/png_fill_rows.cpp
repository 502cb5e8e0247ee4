// Output rows of a decoded PNG: filter reconstruction, pixel conversion and Adam7 placement.
//
// Three ways to make a row, chosen once per image:
//  - in place: formats whose output bytes are the scanline's own bytes (greys and palettes of 1, 4
//    and 8 bits) are reconstructed straight into the output rows, the row above serving as the line
//    above;
//  - swapped: 8-bit RGB and RGBA are reconstructed straight into blue-green-red order (SSE2);
//  - converted: every other format is reconstructed into two line buffers (current and previous)
//    and then converted.
// An Adam7 image is made pass by pass into a pass row, whose pixels are then placed in the output.
#include "media/png/png_decoder.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "media/png/png_geometry.h"
#include "media/png/png_unfilter.h"

namespace {

using ConvertRow = void (*)(const uint8_t* line, uint8_t* out, uint32_t width);

// 2-bit samples widened to 4-bit ones of the same value (four pixels of a byte to two bytes).
struct WidenTable {
    uint16_t pairs[256]; // first output byte in the low half
};

constexpr WidenTable MakeWidenTable() {
    WidenTable t{};
    for (unsigned b = 0; b < 256; b++) {
        const unsigned p0 = b >> 6, p1 = b >> 4 & 3, p2 = b >> 2 & 3, p3 = b & 3;
        t.pairs[b] = uint16_t((p0 << 4 | p1) | (p2 << 4 | p3) << 8);
    }
    return t;
}

constexpr WidenTable kWiden = MakeWidenTable();

struct RowPlan {
    uint32_t bitsPerPixel;    // of the scanline
    uint32_t outBitsPerPixel; // of the bitmap
    uint32_t unit;            // filter unit in bytes
    ConvertRow convert;       // null when the scanline's bytes are the output's (or swapped)
    bool swapped;
};

void WidenRow(const uint8_t* line, uint8_t* out, uint32_t width) {
    const uint32_t outBytes = (width + 1) / 2;
    uint32_t i = 0;
    for (; 2 * i + 2 <= outBytes; i++) {
        const uint16_t pair = kWiden.pairs[line[i]];
        out[2 * i] = uint8_t(pair);
        out[2 * i + 1] = uint8_t(pair >> 8);
    }
    if (2 * i < outBytes) out[2 * i] = uint8_t(kWiden.pairs[line[i]]);
}

template <unsigned Step> void TakeFirstBytes(const uint8_t* line, uint8_t* out, uint32_t width) {
    for (uint32_t x = 0; x < width; x++)
        out[x] = line[x * Step];
}

void RgbToBgr(const uint8_t* line, uint8_t* out, uint32_t width) {
    for (uint32_t x = 0; x < width; x++, line += 3, out += 3) {
        out[0] = line[2];
        out[1] = line[1];
        out[2] = line[0];
    }
}

void Rgb16ToBgr(const uint8_t* line, uint8_t* out, uint32_t width) {
    for (uint32_t x = 0; x < width; x++, line += 6, out += 3) {
        out[0] = line[4];
        out[1] = line[2];
        out[2] = line[0];
    }
}

void RgbaToBgra(const uint8_t* line, uint8_t* out, uint32_t width) {
    for (uint32_t x = 0; x < width; x++, line += 4, out += 4) {
        out[0] = line[2];
        out[1] = line[1];
        out[2] = line[0];
        out[3] = line[3];
    }
}

void Rgba16ToBgra(const uint8_t* line, uint8_t* out, uint32_t width) {
    for (uint32_t x = 0; x < width; x++, line += 8, out += 4) {
        out[0] = line[4];
        out[1] = line[2];
        out[2] = line[0];
        out[3] = line[6];
    }
}

RowPlan PlanRows(const PngImage* image) {
    RowPlan plan{};
    plan.bitsPerPixel = image->bitDepth * PngSamplesPerPixel(image->colourType);
    plan.outBitsPerPixel = PngOutputBitsPerPixel(image->colourType, image->bitDepth);
    plan.unit = plan.bitsPerPixel < 8 ? 1 : plan.bitsPerPixel / 8;
    const bool eightBits = image->bitDepth == 8;
    switch (image->colourType) {
    case 0:
    case 3:
        if (image->bitDepth == 2)
            plan.convert = WidenRow;
        else if (image->bitDepth == 16)
            plan.convert = TakeFirstBytes<2>;
        break;
    case 2:
        if (eightBits && PngCanUnfilterSwapped())
            plan.swapped = true;
        else
            plan.convert = eightBits ? RgbToBgr : Rgb16ToBgr;
        break;
    case 4: plan.convert = eightBits ? TakeFirstBytes<2> : TakeFirstBytes<4>; break;
    default:
        if (eightBits && PngCanUnfilterSwapped())
            plan.swapped = true;
        else
            plan.convert = eightBits ? RgbaToBgra : Rgba16ToBgra;
        break;
    }
    return plan;
}

// Clears the bits of a sub-byte row's last byte that lie past its last pixel.
void ClearTrailingBits(uint8_t* row, uint32_t width, uint32_t bitsPerPixel) {
    const uint64_t bits = uint64_t(width) * bitsPerPixel;
    if (bits % 8) row[bits / 8] &= uint8_t(0xFF << (8 - bits % 8));
}

// Places the pixels of one converted pass row at their Adam7 positions in `row` (cleared beforehand).
void PlacePassRow(const uint8_t* passRow, const PngPass& pass, uint32_t bitsPerPixel, uint8_t* row) {
    if (bitsPerPixel >= 8) {
        const uint32_t bytes = bitsPerPixel / 8;
        uint8_t* out = row + pass.x0 * bytes;
        const uint32_t step = pass.dx * bytes;
        for (uint32_t i = 0; i < pass.width; i++, passRow += bytes, out += step)
            std::memcpy(out, passRow, bytes);
        return;
    }
    const uint32_t perByte = 8 / bitsPerPixel, mask = (1u << bitsPerPixel) - 1;
    for (uint32_t i = 0; i < pass.width; i++) {
        const uint32_t x = pass.x0 + i * pass.dx;
        const uint32_t value = passRow[i / perByte] >> ((perByte - 1 - i % perByte) * bitsPerPixel) & mask;
        row[x / perByte] |= uint8_t(value << ((perByte - 1 - x % perByte) * bitsPerPixel));
    }
}

} // namespace

int PngFillRows(const PngImage* image, uint8_t* pixels, uint32_t stride) {
    if (!image || !pixels || image->state != PNG_STATE_DECODED || !image->raw) return 0;
    const RowPlan plan = PlanRows(image);
    const uint32_t outRowBytes = uint32_t(PngRowBytes(image->width, plan.outBitsPerPixel));
    if (stride < PngOutputStride(image->width, plan.outBitsPerPixel)) return 0;

    PngPass passes[7];
    const int passCount = PngPasses(image->width, image->height, image->interlace, passes);
    const bool interlaced = passCount > 1;
    const bool inPlace = !interlaced && !plan.convert;

    // Line buffers: current and previous scanline, and a pass row in output format (with a little
    // slack, though no loop moves words past a line's end).
    const uint32_t lineBytes = uint32_t(PngRowBytes(image->width, plan.bitsPerPixel));
    uint8_t* buffers = nullptr;
    uint8_t* current = nullptr;
    uint8_t* previous = nullptr;
    uint8_t* passRow = nullptr;
    if (!inPlace) {
        const size_t slack = 16;
        buffers = static_cast<uint8_t*>(std::malloc(2 * (size_t(lineBytes) + slack) + outRowBytes + slack));
        if (!buffers) return 0;
        current = buffers;
        previous = current + lineBytes + slack;
        passRow = previous + lineBytes + slack;
    }
    if (interlaced)
        for (uint32_t y = 0; y < image->height; y++)
            std::memset(pixels + size_t(y) * stride, 0, stride);

    const uint8_t* scanline = image->raw;
    const uint8_t* const rawEnd = image->raw + image->rawSize;
    bool ok = true;
    for (int p = 0; p < passCount && ok; p++) {
        const PngPass& pass = passes[p];
        if (pass.width == 0 || pass.height == 0) continue;
        const uint32_t rowBytes = uint32_t(PngRowBytes(pass.width, plan.bitsPerPixel));
        for (uint32_t r = 0; r < pass.height; r++, scanline += 1 + rowBytes) {
            if (size_t(rawEnd - scanline) < size_t(1) + rowBytes) { // cannot happen with a raw buffer of ours
                ok = false;
                break;
            }
            const unsigned filterType = scanline[0];
            const uint8_t* filtered = scanline + 1;
            uint8_t* outRow = pixels + size_t(pass.y0 + r * pass.dy) * stride;
            uint8_t* made; // the row in output format
            if (inPlace) {
                made = outRow;
                const uint8_t* above = r ? outRow - stride : nullptr;
                ok = plan.swapped
                         ? PngUnfilterSwapped(filterType, filtered, above, made, pass.width, plan.unit)
                         : PngUnfilterLine(filterType, filtered, above, made, rowBytes, plan.unit);
            } else {
                const uint8_t* above = r ? previous : nullptr;
                if (plan.swapped) {
                    ok = PngUnfilterSwapped(filterType, filtered, above, current, pass.width, plan.unit);
                    made = current;
                } else {
                    ok = PngUnfilterLine(filterType, filtered, above, current, rowBytes, plan.unit);
                    made = interlaced ? passRow : outRow;
                    if (ok) {
                        if (plan.convert)
                            plan.convert(current, made, pass.width);
                        else
                            std::memcpy(made, current, rowBytes); // an Adam7 pass of an in-place format
                    }
                }
                uint8_t* swap = current;
                current = previous;
                previous = swap;
            }
            if (!ok) break;
            if (interlaced) {
                PlacePassRow(made, pass, plan.outBitsPerPixel, outRow);
            } else {
                if (!inPlace) ClearTrailingBits(outRow, image->width, plan.outBitsPerPixel);
                std::memset(outRow + outRowBytes, 0, stride - outRowBytes);
            }
        }
    }
    // Rows made in place served as the line above the next one, so their trailing bits are cleared last.
    if (ok && inPlace && plan.outBitsPerPixel < 8)
        for (uint32_t y = 0; y < image->height; y++)
            ClearTrailingBits(pixels + size_t(y) * stride, image->width, plan.outBitsPerPixel);
    std::free(buffers);
    return ok ? 1 : 0;
}
