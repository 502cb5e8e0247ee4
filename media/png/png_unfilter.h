// Reconstruction of PNG scanline filters (None, Sub, Up, Average, Paeth).
#pragma once

#include <cstdint>

// Whether the vector (SSE2) loops serve. On in 64-bit builds; off in 32-bit ones until the program has
// asked the processor (PngSetVectorLoops). Tests switch it to check both kinds of loop on one image.
extern bool pngUseSimd;

// True in builds that carry the vector loops (every x86 build).
bool PngVectorLoopsCompiled();

// Uses the vector loops when this build has them and the processor runs SSE2.
void PngSetVectorLoops(bool processorHasSse2);

// Undoes filter `filterType` of one scanline: `filtered` (length bytes, without the type byte) becomes
// `line`, against `previous` (the reconstructed line above, or null above the first line of an
// image or pass). `unit` is the filter unit in bytes (1 to 8). False for a type above 4.
bool PngUnfilterLine(unsigned filterType, const uint8_t* filtered, const uint8_t* previous, uint8_t* line,
                     uint32_t length, uint32_t unit);

// True when PngUnfilterSwapped can serve 8-bit RGB (unit 3) and RGBA (unit 4) lines on this machine.
bool PngCanUnfilterSwapped();

// As PngUnfilterLine for `width` 8-bit RGB or RGBA pixels, writing each pixel with its first and third
// bytes exchanged (blue, green, red[, alpha]); `previous` is the line above in that same order.
bool PngUnfilterSwapped(unsigned filterType, const uint8_t* filtered, const uint8_t* previous, uint8_t* line,
                        uint32_t width, uint32_t unit);
