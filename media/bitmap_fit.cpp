// Fitting a picture into its box: the size it takes there, and the bitmap scaled to it.
#include "media/bitmap_fit.h"

#include <cstdint>

namespace {

HBITMAP StretchIntoNewBitmap(HBITMAP source, LONG width, LONG height, SIZE fitted) {
    HDC screen = GetDC(nullptr);
    if (!screen) return nullptr;
    HBITMAP result = nullptr;
    HDC sourceDc = CreateCompatibleDC(screen);
    HDC targetDc = CreateCompatibleDC(screen);
    if (sourceDc && targetDc) {
        result = CreateCompatibleBitmap(screen, fitted.cx, fitted.cy);
        if (result) {
            HGDIOBJ oldSource = SelectObject(sourceDc, source);
            HGDIOBJ oldTarget = SelectObject(targetDc, result);
            bool drawn = false;
            if (oldSource && oldTarget) {
                SetStretchBltMode(targetDc, HALFTONE);
                SetBrushOrgEx(targetDc, 0, 0, nullptr); // required after choosing HALFTONE
                drawn = StretchBlt(targetDc, 0, 0, fitted.cx, fitted.cy, sourceDc, 0, 0, width, height,
                                   SRCCOPY) != FALSE;
            }
            if (oldSource) SelectObject(sourceDc, oldSource);
            if (oldTarget) SelectObject(targetDc, oldTarget);
            if (!drawn) {
                DeleteObject(result);
                result = nullptr;
            }
        }
    }
    if (targetDc) DeleteDC(targetDc);
    if (sourceDc) DeleteDC(sourceDc);
    ReleaseDC(nullptr, screen);
    return result;
}

} // namespace

// Worked in integers so that the touching side is exactly the box's: a floating factor makes 281 px
// wide come out 299 across, and 55 x 11 come out 300 x 59.
SIZE FittedSize(LONG width, LONG height, int boxWidth, int boxHeight) {
    const int64_t w = width, h = height, bw = boxWidth, bh = boxHeight;
    SIZE fitted;
    if (bh * w > bw * h) { // the width limits
        fitted.cx = boxWidth;
        fitted.cy = static_cast<LONG>(h * bw / w);
    } else {
        fitted.cx = static_cast<LONG>(w * bh / h);
        fitted.cy = boxHeight;
    }
    // A thin picture keeps at least one pixel across rather than becoming an empty bitmap.
    if (fitted.cx < 1) fitted.cx = 1;
    if (fitted.cy < 1) fitted.cy = 1;
    return fitted;
}

HBITMAP FitBitmapToBox(HBITMAP bitmap, int boxWidth, int boxHeight) {
    if (!bitmap) return nullptr;
    BITMAP info;
    if (GetObjectA(bitmap, sizeof info, &info) != sizeof info)
        return nullptr; // not a bitmap: nothing of ours to consume
    HBITMAP fitted = nullptr;
    if (info.bmWidth > 0 && info.bmHeight > 0 && boxWidth > 0 && boxHeight > 0)
        fitted = StretchIntoNewBitmap(bitmap, info.bmWidth, info.bmHeight,
                                      FittedSize(info.bmWidth, info.bmHeight, boxWidth, boxHeight));
    DeleteObject(bitmap); // consumed on every path, as the callers expect
    return fitted;
}
