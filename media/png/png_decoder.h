// Portable PNG decoder: a PNG file in memory in, device-independent bitmap rows out.
// Order of use: PngInit, PngAttachMemory, PngDecode, then PngDescribeOutput and PngFillRows any
// number of times, and PngCleanup. Each step answers 0 on failure and leaves the reason in `error`
// (PngDescribeOutput and PngFillRows leave the record untouched).
#pragma once

#include <cstdint>

// Values of PngImage::error.
enum : uint32_t {
    PNG_ERR_NOMEM = 0x1001,       // a pixel or raw buffer cannot be allocated
    PNG_ERR_NOTEMPTY = 0x1002,    // load asked of a record that already holds an image
    PNG_ERR_FORMAT = 0x2000,      // not a usable PNG, or the compressed image data is broken
    PNG_ERR_UNSUPPORTED = 0x2001, // unknown critical chunk, undefined type/depth pair, bad methods, too large
    PNG_ERR_OUTFORMAT = 0x2002,   // an output format other than the default was asked for
    PNG_ERR_STATE = 0x2003,       // a step called out of order
    PNG_ERR_BITMAP = 0x2006,      // the bitmap cannot be created
    PNG_ERR_NORESOURCE = 0x3001,  // no raw-data resource with the given name
    PNG_ERR_RESOURCE = 0x3002,    // the resource cannot be loaded, or its size is 0
};

// PngImage::inputKind: where the input came from. The decoder never frees the input.
enum : uint32_t { PNG_INPUT_NONE = 0, PNG_INPUT_RESOURCE = 2 };

// PngImage::state.
enum : uint32_t { PNG_STATE_EMPTY = 0, PNG_STATE_LOADED = 1, PNG_STATE_DECODED = 2 };

// Largest width or height accepted (larger gives PNG_ERR_UNSUPPORTED when the header is parsed).
constexpr uint32_t kPngMaxDimension = 16384;

struct PngImage {
    uint32_t width;
    uint32_t height;
    uint32_t error;
    uint32_t paletteCount; // PLTE length / 3
    uint8_t colourType;
    uint8_t bitDepth;
    uint8_t interlace;
    const uint8_t* input;
    uint32_t inputSize;
    const uint8_t* chunkCursor;
    uint8_t* raw; // inflated scanlines, owned by the record in state 2
    uint32_t rawSize;
    const uint8_t* palette; // data of the first PLTE chunk, or null
    uint32_t inputKind;
    const uint8_t* header;    // data of the IHDR chunk
    const uint8_t* firstIdat; // start (length field) of the first IDAT chunk, or null
    uint32_t state;
};

// Layout of the output bitmap: top-down rows, 1 plane, uncompressed.
struct PngOutputLayout {
    uint32_t bitsPerPixel;       // 1, 4, 8, 24 or 32
    uint32_t stride;             // bytes per output row, a multiple of 4
    uint32_t colourCount;        // entries of colourTable in use (0 for 24 and 32 bits per pixel)
    uint32_t usedColours;        // the bitmap header's used-colours field (0 for palette images)
    uint8_t colourTable[256][4]; // blue, green, red, 0
};

// "PNG_ERR_FORMAT" and so on; "PNG_OK" for 0, "PNG_ERR_UNKNOWN" for any other value.
const char* PngErrorName(uint32_t code);

// Clears every field; answers 1.
int PngInit(PngImage* image);

// Records `data` (not copied, not freed; it must outlive the record) and parses the chunk list.
// 1 and state 1 on success; 0 with PNG_ERR_NOTEMPTY, PNG_ERR_FORMAT or PNG_ERR_UNSUPPORTED otherwise.
int PngAttachMemory(PngImage* image, const uint8_t* data, uint32_t size, uint32_t inputKind);

// Inflates the image data into the raw buffer; nonzero and state 2 on success, else 0 with
// PNG_ERR_STATE, PNG_ERR_FORMAT or PNG_ERR_NOMEM (state stays 1, no raw buffer).
int PngDecode(PngImage* image);

// The output layout and colour table of a loaded or decoded image; 0 before a successful load.
int PngDescribeOutput(const PngImage* image, PngOutputLayout* layout);

// Reconstructs the filters (and Adam7) of a decoded image and writes every output row top-down,
// rows `stride` bytes apart (at least the layout's stride; bytes past a row's pixels are zeroed).
// 0 when the image is not decoded, the stride is too small or a line has a filter type above 4.
int PngFillRows(const PngImage* image, uint8_t* pixels, uint32_t stride);

// Frees what the record owns and clears it; answers 1.
int PngCleanup(PngImage* image);
