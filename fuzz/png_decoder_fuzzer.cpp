// The whole PNG path on arbitrary bytes: header parse, chunk walk, inflate, filter reconstruction,
// Adam7 and conversion. Checksums are never verified, so mutated files reach every step.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "media/png/png_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > UINT32_MAX) return 0;
    PngImage image;
    PngInit(&image);
    if (PngAttachMemory(&image, data, uint32_t(size), PNG_INPUT_RESOURCE) && PngDecode(&image)) {
        PngOutputLayout layout;
        if (!PngDescribeOutput(&image, &layout)) std::abort();
        std::vector<uint8_t> pixels(size_t(layout.stride) * image.height);
        PngFillRows(&image, pixels.data(), layout.stride);
    }
    PngCleanup(&image);
    return 0;
}
