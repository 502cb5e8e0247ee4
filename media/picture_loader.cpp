// Pictures stored as resources: found, unscrambled, decoded by the system's picture loader (PNG raw data
// by the PNG decoder) and fitted into a box. Only the fitted bitmap outlives a call.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstdint>
#include <cstring>

#include "media/bitmap_fit.h"
#include "media/picture_loader.h"
#include "media/picture_size.h"
#include "media/png_picture.h"
#include "quizdata/user_message.h"

namespace {

// Reward pictures (ids above 10000) are stored with the two halves of every byte exchanged.
constexpr int kLastPlainPictureId = 10000;

// The resource data is read-only, so the bytes are unscrambled while they are copied into the
// stream's own block.
void CopyPictureBytes(BYTE* target, const BYTE* source, DWORD size, bool nibbleSwapped) {
    if (!nibbleSwapped) {
        std::memcpy(target, source, size);
        return;
    }
    for (DWORD i = 0; i < size; ++i)
        target[i] = static_cast<BYTE>((source[i] << 4) | (source[i] >> 4));
}

// OLE hands out GDI handles as 32-bit values; widened with sign extension as Win64 expects.
HBITMAP BitmapFromOleHandle(OLE_HANDLE handle) {
    return reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(static_cast<LONG>(handle)));
}

// Decodes the picture held by an open stream; null (silently) when the loader rejects the data or
// the picture is not a bitmap (an icon or a metafile).
HBITMAP CopyPictureFromStream(IStream* stream, DWORD size) {
    IPicture* picture = nullptr;
    HRESULT result = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                    reinterpret_cast<void**>(&picture));
    if (FAILED(result) || !picture) return nullptr;

    HBITMAP copy = nullptr;
    SHORT type = PICTYPE_UNINITIALIZED;
    OLE_HANDLE handle = 0;
    if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP &&
        SUCCEEDED(picture->get_Handle(&handle)) && handle) {
        copy = static_cast<HBITMAP>(CopyImage(BitmapFromOleHandle(handle), IMAGE_BITMAP, 0, 0, 0));
        if (!copy) {
            char text[96];
            wsprintfA(text, "%s plante avec l'erreur : %d\n", "CopyImage", static_cast<int>(GetLastError()));
            ShowUserMessage(text, "Information", kMessageInformationIcon);
        }
    }
    picture->Release(); // frees the loader's own bitmap
    return copy;
}

} // namespace

HBITMAP PictureFromMemory(const void* data, DWORD size, bool nibbleSwapped) {
    if (!data || size == 0 || size > static_cast<DWORD>(INT32_MAX)) return nullptr;

    // RPC_E_CHANGED_MODE leaves COM usable in the thread's own apartment but must not be balanced.
    const bool comInitialised = SUCCEEDED(CoInitialize(nullptr));
    HBITMAP bitmap = nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_FIXED, size);
    if (block) {
        CopyPictureBytes(static_cast<BYTE*>(block), static_cast<const BYTE*>(data), size, nibbleSwapped);
        IStream* stream = nullptr;
        if (SUCCEEDED(CreateStreamOnHGlobal(block, TRUE, &stream)) && stream) {
            bitmap = CopyPictureFromStream(stream, size);
            stream->Release(); // frees the block
        } else {
            GlobalFree(block);
        }
    }
    if (comInitialised) CoUninitialize();
    return bitmap;
}

HBITMAP LoadPictureResource(HINSTANCE module, int id, const char* type, int boxWidth, int boxHeight) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    if (!loaded) return PngLoadPicture(module, id, boxWidth, boxHeight);

    const void* data = LockResource(loaded);
    const DWORD size = SizeofResource(module, found);
    HBITMAP decoded = PictureFromMemory(data, size, id > kLastPlainPictureId);
    FreeResource(loaded);
    return FitBitmapToBox(decoded, boxWidth, boxHeight);
}

bool PictureResourceFittedSize(HINSTANCE module, int id, const char* type, int boxWidth, int boxHeight,
                               SIZE* fitted) {
    if (boxWidth <= 0 || boxHeight <= 0) return false;
    uint32_t width = 0, height = 0;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (found) {
        HGLOBAL loaded = LoadResource(module, found);
        const void* data = loaded ? LockResource(loaded) : nullptr;
        // Reward ids hold swapped bytes; their size is never asked for before they are decoded.
        if (!data || id > kLastPlainPictureId ||
            !ReadPictureSize(static_cast<const uint8_t*>(data), SizeofResource(module, found), &width,
                             &height))
            return false;
    } else {
        PngImage image;
        PngInit(&image);
        const bool read = PngLoadResource(&image, module, MAKEINTRESOURCEA(id)) != 0;
        width = image.width;
        height = image.height;
        PngCleanup(&image);
        if (!read || width == 0 || height == 0) return false;
    }
    *fitted = FittedSize(static_cast<LONG>(width), static_cast<LONG>(height), boxWidth, boxHeight);
    return true;
}

void PutPictureInFrame(HWND frame, HBITMAP bitmap) {
    if (!bitmap) return;
    if (!frame) {
        DeleteObject(bitmap);
        return;
    }
    auto old = reinterpret_cast<HBITMAP>(
        SendMessageA(frame, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    if (old && old != bitmap) DeleteObject(old);
    if (reinterpret_cast<HBITMAP>(SendMessageA(frame, STM_GETIMAGE, IMAGE_BITMAP, 0)) != bitmap)
        DeleteObject(bitmap);
}
