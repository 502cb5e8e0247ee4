// Fitting a picture into its box, keeping its proportions: used for every picture the player shows,
// whichever decoder made it.
#pragma once

#include <windows.h>

// FitPictureInBox (media/picture_size.h, the portable rule the tool shares) in the Windows types.
SIZE FittedSize(LONG width, LONG height, int boxWidth, int boxHeight);

// New screen-compatible bitmap scaled (halftone) until one side touches the box; consumes `bitmap`.
HBITMAP FitBitmapToBox(HBITMAP bitmap, int boxWidth, int boxHeight);
