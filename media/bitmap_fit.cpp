// Fitting a picture into its box: the size it takes there, and the bitmap scaled to it.
#include "media/bitmap_fit.h"

#include <cstdint>

#include "media/picture_size.h"

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

SIZE FittedSize(LONG width, LONG height, int boxWidth, int boxHeight) {
    int32_t fittedWidth, fittedHeight;
    FitPictureInBox(width, height, boxWidth, boxHeight, &fittedWidth, &fittedHeight);
    return SIZE{fittedWidth, fittedHeight};
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
