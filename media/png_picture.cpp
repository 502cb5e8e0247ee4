// Windows side of the PNG decoder: a raw-data resource in, a DIB section or device-dependent bitmap
// out. Parsing, inflating and pixel conversion are the portable decoder's.
#include <windows.h>

#include <cstdint>
#include <cstring>

#include "media/bitmap_fit.h"
#include "media/png_picture.h"
#include "media/png/png_unfilter.h"
#include "quizdata/user_message.h"

namespace {

// The only output format: the decoder's default layout.
constexpr int kDefaultOutputFormat = -1;

// The header's 32-bit image size cannot overflow for the largest image the decoder accepts.
static_assert(uint64_t{kPngMaxDimension} * kPngMaxDimension * 4 <= UINT32_MAX, "biSizeImage overflows");

// A bitmap header followed by room for the largest colour table.
struct PngBitmapInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

void DescribeBitmap(const PngImage* image, const PngOutputLayout& layout, PngBitmapInfo* info) {
    std::memset(info, 0, sizeof *info);
    info->header.biSize = sizeof info->header;
    info->header.biWidth = static_cast<LONG>(image->width);
    info->header.biHeight = -static_cast<LONG>(image->height); // top-down rows
    info->header.biPlanes = 1;
    info->header.biBitCount = static_cast<WORD>(layout.bitsPerPixel);
    info->header.biCompression = BI_RGB;
    info->header.biSizeImage = layout.stride * image->height;
    info->header.biClrUsed = layout.usedColours;
    // The layout's table is blue, green, red, 0: the order of RGBQUAD.
    const uint32_t entries = layout.colourCount < 256 ? layout.colourCount : 256;
    std::memcpy(info->colours, layout.colourTable, entries * sizeof info->colours[0]);
}

HBITMAP CreateSection(PngImage* image, const PngOutputLayout& layout, const PngBitmapInfo& info, HDC dc) {
    void* bits = nullptr;
    HBITMAP bitmap =
        CreateDIBSection(dc, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) {
        if (bitmap) DeleteObject(bitmap);
        image->error = PNG_ERR_BITMAP;
        return nullptr;
    }
    GdiFlush(); // the section's bits are written directly
    if (!PngFillRows(image, static_cast<uint8_t*>(bits), layout.stride)) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

HBITMAP CreateDeviceBitmap(PngImage* image, const PngOutputLayout& layout, const PngBitmapInfo& info,
                           HDC dc) {
    const uint64_t byteCount = static_cast<uint64_t>(layout.stride) * image->height;
    void* pixels =
        byteCount <= SIZE_MAX ? HeapAlloc(GetProcessHeap(), 0, static_cast<SIZE_T>(byteCount)) : nullptr;
    if (!pixels) {
        image->error = PNG_ERR_NOMEM;
        return nullptr;
    }
    HBITMAP bitmap = nullptr;
    if (PngFillRows(image, static_cast<uint8_t*>(pixels), layout.stride)) {
        bitmap = CreateDIBitmap(dc, &info.header, CBM_INIT, pixels,
                                reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS);
        if (!bitmap) image->error = PNG_ERR_BITMAP;
    }
    HeapFree(GetProcessHeap(), 0, pixels);
    return bitmap;
}

} // namespace

int PngLoadResource(PngImage* image, HINSTANCE module, const char* name) {
    if (image->state != PNG_STATE_EMPTY || image->inputKind != PNG_INPUT_NONE) {
        image->error = PNG_ERR_NOTEMPTY;
        return 0;
    }
    image->error = 0;
    HRSRC found = FindResourceA(module, name, RT_RCDATA);
    if (!found) {
        image->error = PNG_ERR_NORESOURCE;
        return 0;
    }
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(module, found);
    if (!data || size == 0) {
        image->error = PNG_ERR_RESOURCE;
        return 0;
    }
    // Resource data lives as long as the module and is never freed by the decoder.
    return PngAttachMemory(image, static_cast<const uint8_t*>(data), size, PNG_INPUT_RESOURCE);
}

HBITMAP PngCreateBitmap(PngImage* image, HWND reference, int format, int mode) {
    if (image->state != PNG_STATE_DECODED) {
        image->error = PNG_ERR_STATE;
        return nullptr;
    }
    if (format != kDefaultOutputFormat) {
        image->error = PNG_ERR_OUTFORMAT;
        return nullptr;
    }
    PngOutputLayout layout;
    if (!PngDescribeOutput(image, &layout)) {
        image->error = PNG_ERR_STATE;
        return nullptr;
    }
    PngBitmapInfo info;
    DescribeBitmap(image, layout, &info);

    HDC dc = GetDC(reference);
    if (!dc) {
        image->error = PNG_ERR_BITMAP;
        return nullptr;
    }
    HBITMAP bitmap =
        mode == 0 ? CreateSection(image, layout, info, dc) : CreateDeviceBitmap(image, layout, info, dc);
    ReleaseDC(reference, dc);
    return bitmap;
}

HBITMAP PngLoadPicture(HINSTANCE module, int id, int boxWidth, int boxHeight) {
    PngImage image;
    PngInit(&image);
    if (!PngLoadResource(&image, module, MAKEINTRESOURCEA(id)))
        return nullptr; // no such raw-data resource, or not a PNG: silent

    HBITMAP bitmap = nullptr;
    if (!PngDecode(&image))
        ShowUserMessage("Error: couldn't decode PNG resource", "Information", kMessageStopIcon);
    else if (!(bitmap = PngCreateBitmap(&image, nullptr, kDefaultOutputFormat, 0)))
        ShowUserMessage("Error: couldn't create bitmap", "Information", kMessageStopIcon);
    PngCleanup(&image); // on every path: a decoded image owns its raw buffer
    return bitmap ? FitBitmapToBox(bitmap, boxWidth, boxHeight) : nullptr;
}

void PngChooseLoopsForThisProcessor() {
    PngSetVectorLoops(IsProcessorFeaturePresent(PF_XMMI64_INSTRUCTIONS_AVAILABLE) != FALSE);
}
