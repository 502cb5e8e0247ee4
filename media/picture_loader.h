// Pictures stored as resources, turned into bitmaps that fit a box (keeping their proportions).
#pragma once

#include <windows.h>

// Bitmap of resource `id` of `type`, fitted into boxWidth x boxHeight; the caller owns it. Ids above 10000
// hold reward pictures stored nibble-swapped. Falls back to a PNG raw-data resource of the same id.
HBITMAP LoadPictureResource(HINSTANCE module, int id, const char* type, int boxWidth, int boxHeight);

// The size LoadPictureResource's bitmap would have, read from the picture's header without decoding it:
// JPEG and BMP pictures and PNG raw-data resources. False when the header does not tell (any other
// format, a damaged header, a reward id); then only decoding the picture can.
bool PictureResourceFittedSize(HINSTANCE module, int id, const char* type, int boxWidth, int boxHeight,
                               SIZE* fitted);

// A JPEG, GIF or BMP file in memory, decoded by the system's picture loader, at its own size; with
// `nibbleSwapped` (reward pictures) the two halves of every byte are exchanged back first.
HBITMAP PictureFromMemory(const void* data, DWORD size, bool nibbleSwapped);

// Hands `bitmap` to a picture frame (a bitmap static control). The frame gives back the picture it held,
// which is deleted; a frame that did not keep `bitmap` (missing, not a bitmap control, or holding a copy
// of its own) leaves it to be deleted here too. A null bitmap leaves the frame as it is.
void PutPictureInFrame(HWND frame, HBITMAP bitmap);
