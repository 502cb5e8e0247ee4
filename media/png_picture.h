// Windows side of the PNG decoder: raw-data resources in, bitmaps out.
#pragma once

#include <windows.h>

#include "media/png/png_decoder.h"

// Attaches the RT_RCDATA resource `name` and parses its chunk list; 1 on success, else 0 and an error.
int PngLoadResource(PngImage* image, HINSTANCE module, const char* name);

// Bitmap of a decoded image: mode 0 a DIB section, any other mode a device-dependent bitmap made for
// `reference`'s device context (the screen's when null). Format -1 is the only one accepted.
HBITMAP PngCreateBitmap(PngImage* image, HWND reference, int format, int mode);

// The picture loader's fallback: raw-data resource `id` decoded and fitted into the box, or null.
HBITMAP PngLoadPicture(HINSTANCE module, int id, int boxWidth, int boxHeight);

// Lets the PNG decoder use its vector loops when the processor runs SSE2 (every x86 processor that runs
// a current Windows; the 32-bit build still asks). Called once at start-up.
void PngChooseLoopsForThisProcessor();
