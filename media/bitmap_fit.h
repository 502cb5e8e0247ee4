// Fitting a picture into its box, keeping its proportions: used for every picture the player shows,
// whichever decoder made it.
#pragma once

#include <windows.h>

// The size of a width x height picture scaled until one side touches the box, the other truncated (at
// least one pixel).
SIZE FittedSize(LONG width, LONG height, int boxWidth, int boxHeight);

// New screen-compatible bitmap scaled (halftone) until one side touches the box; consumes `bitmap`.
HBITMAP FitBitmapToBox(HBITMAP bitmap, int boxWidth, int boxHeight);
