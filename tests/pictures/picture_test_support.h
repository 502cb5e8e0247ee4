// Helpers shared by the picture tests: reading a bitmap's pixels back and recording message boxes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Test pictures are resources of the test program itself.
inline HINSTANCE TestModule() {
    return GetModuleHandleA(nullptr);
}

struct Rgb {
    uint8_t red, green, blue;
};

// A bitmap's pixels as 32-bit top-down rows, read through GetDIBits (works for DDBs and DIB sections).
struct PixelGrid {
    int width = 0;
    int height = 0;
    std::vector<RGBQUAD> pixels;
    const RGBQUAD& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
PixelGrid ReadPixels(HBITMAP bitmap);

// True when every channel of `pixel` is within `tolerance` of `expected`.
bool ColourNear(const RGBQUAD& pixel, Rgb expected, int tolerance);
std::string DescribeColour(const RGBQUAD& pixel);

// True while `bitmap` names a live bitmap object.
bool BitmapExists(HBITMAP bitmap);
SIZE BitmapSize(HBITMAP bitmap);

// Number of live GDI objects of this process, or -1 where it cannot be counted. Read from the GDI
// handle table that Wine publishes in a 64-bit process's PEB (GetGuiResources is a stub there).
int CountGdiObjects();

struct RecordedMessage {
    std::string text;
    std::string caption;
    unsigned flags;
};

// Installs the message hook for its lifetime and keeps what would have been shown.
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    const std::vector<RecordedMessage>& Messages() const;
};
