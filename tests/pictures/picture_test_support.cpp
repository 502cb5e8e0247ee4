#include "tests/pictures/picture_test_support.h"

#include <winternl.h>

#include <cstdio>
#include <cstdlib>

#include "quizdata/user_message.h"

namespace {

std::vector<RecordedMessage> recordedMessages;

void RecordMessage(const char* text, const char* caption, unsigned flags) {
    recordedMessages.push_back({text ? text : "", caption ? caption : "", flags});
}

} // namespace

PixelGrid ReadPixels(HBITMAP bitmap) {
    PixelGrid grid;
    BITMAP info;
    if (GetObjectA(bitmap, sizeof info, &info) == 0) return grid;
    BITMAPINFO header = {};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -info.bmHeight;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.data(), &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != info.bmHeight) return grid;
    grid.width = info.bmWidth;
    grid.height = info.bmHeight;
    grid.pixels = std::move(pixels);
    return grid;
}

bool ColourNear(const RGBQUAD& pixel, Rgb expected, int tolerance) {
    return std::abs(pixel.rgbRed - expected.red) <= tolerance &&
           std::abs(pixel.rgbGreen - expected.green) <= tolerance &&
           std::abs(pixel.rgbBlue - expected.blue) <= tolerance;
}

std::string DescribeColour(const RGBQUAD& pixel) {
    char text[40];
    std::snprintf(text, sizeof text, "(%d, %d, %d)", pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue);
    return text;
}

bool BitmapExists(HBITMAP bitmap) {
    BITMAP info;
    return GetObjectA(bitmap, sizeof info, &info) == sizeof info;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

int CountGdiObjects() {
#ifdef _WIN64
    // Entries of 24 bytes; a used entry has a nonzero object type at offset 14.
    constexpr size_t kTableOffset = 0xF8, kEntrySize = 24, kTypeOffset = 14, kEntries = 0x10000;
    using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic = {};
    if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return -1;
    const uint8_t* peb = reinterpret_cast<const uint8_t*>(basic.PebBaseAddress);
    const uint8_t* table = *reinterpret_cast<const uint8_t* const*>(peb + kTableOffset);
    if (!table) return -1;
    int used = 0;
    for (size_t i = 0; i < kEntries; ++i)
        used += table[i * kEntrySize + kTypeOffset] != 0;
    return used;
#else
    return -1; // the 32-bit PEB's table field is empty under Wine
#endif
}

MessageRecorder::MessageRecorder() {
    recordedMessages.clear();
    userMessageHook = RecordMessage;
}

MessageRecorder::~MessageRecorder() {
    userMessageHook = nullptr;
}

const std::vector<RecordedMessage>& MessageRecorder::Messages() const {
    return recordedMessages;
}
