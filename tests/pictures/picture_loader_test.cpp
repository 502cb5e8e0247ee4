// Resource pictures through the system loader and the PNG fallback, and the fitting into a box.
// Resource ids are those of pictures_test.rc (made by make_test_pictures.cmake).
#include <windows.h>
#include <objbase.h>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "media/bitmap_fit.h"
#include "media/picture_loader.h"
#include "media/png_picture.h"
#include "tests/pictures/picture_test_support.h"

namespace {

constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255};
constexpr Rgb kYellow{255, 255, 0}, kCyan{0, 255, 255}, kMagenta{255, 0, 255};

// JPEG blurs colour edges a little; sample points stay well inside the solid areas.
constexpr int kColourTolerance = 40;

HBITMAP MakeScreenBitmap(int width, int height) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

int ScreenBitsPerPixel() {
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    return bits;
}

struct Sample {
    int x, y;
    Rgb colour;
};

struct LoadCase {
    const char* what;
    int id;
    LONG width, height; // fitted into 300 x 300
    std::vector<Sample> samples;
    bool sizedFromHeader; // the panel learns the fitted size without decoding
};

TEST(PictureLoader, EachFormatDecodesToItsColoursFittedIntoTheBox) {
    const LoadCase cases[] = {
        {"JPEG 640x480 is reduced",
         401,
         300,
         225,
         {{75, 56, kRed}, {225, 56, kGreen}, {75, 168, kBlue}, {225, 168, kWhite}},
         true},
        {"GIF 200x100 is enlarged to the width", 402, 300, 150, {{75, 75, kRed}, {225, 75, kBlue}}, false},
        {"BMP 150x600 is reduced to the height", 403, 75, 300, {{37, 75, kGreen}, {37, 225, kYellow}}, true},
        {"BMP 100x100 is enlarged to fill the box",
         404,
         300,
         300,
         {{150, 150, kMagenta}, {5, 5, kMagenta}},
         true},
        {"PNG raw-data resource is the fallback", 460, 300, 150, {{75, 75, kRed}, {225, 75, kBlue}}, true},
        {"id 10000 is stored plain", 10000, 300, 150, {{75, 75, kYellow}, {225, 75, kCyan}}, true},
        {"reward id 10001 is stored nibble-swapped",
         10001,
         300,
         150,
         {{75, 75, kYellow}, {225, 75, kCyan}},
         false},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.what);
        MessageRecorder recorder;
        HBITMAP bitmap = LoadPictureResource(TestModule(), c.id, "IMG", 300, 300);
        ASSERT_NE(bitmap, nullptr);
        const SIZE size = BitmapSize(bitmap);
        EXPECT_EQ(size.cx, c.width);
        EXPECT_EQ(size.cy, c.height);
        const PixelGrid grid = ReadPixels(bitmap);
        ASSERT_EQ(grid.width, c.width);
        for (const Sample& s : c.samples)
            EXPECT_TRUE(ColourNear(grid.At(s.x, s.y), s.colour, kColourTolerance))
                << "at " << s.x << "," << s.y << ": " << DescribeColour(grid.At(s.x, s.y));
        EXPECT_TRUE(recorder.Messages().empty());
        EXPECT_TRUE(DeleteObject(bitmap));
        // The size read from the header must be the decoded one, or a row would be laid out wrong.
        SIZE fromHeader{-1, -1};
        EXPECT_EQ(PictureResourceFittedSize(TestModule(), c.id, "IMG", 300, 300, &fromHeader),
                  c.sizedFromHeader);
        if (c.sizedFromHeader) {
            EXPECT_EQ(fromHeader.cx, c.width);
            EXPECT_EQ(fromHeader.cy, c.height);
        }
    }
}

TEST(PictureLoader, UnusableResourcesGiveNullWithoutAMessage) {
    const struct {
        const char* what;
        int id;
    } cases[] = {
        {"an id under no resource type", 999},
        {"an IMG resource that is no picture", 450},
        {"plain bytes under a reward id (decodable only if the swap were skipped)", 10002},
        {"a raw-data resource that is no PNG", 462},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MessageRecorder recorder;
        EXPECT_EQ(LoadPictureResource(TestModule(), c.id, "IMG", 300, 300), nullptr);
        SIZE size{};
        EXPECT_FALSE(PictureResourceFittedSize(TestModule(), c.id, "IMG", 300, 300, &size));
        EXPECT_TRUE(recorder.Messages().empty());
    }
}

TEST(PictureLoader, PngThatFailsToDecodeIsReported) {
    MessageRecorder recorder;
    EXPECT_EQ(LoadPictureResource(TestModule(), 461, "IMG", 300, 300), nullptr);
    ASSERT_EQ(recorder.Messages().size(), 1u);
    EXPECT_EQ(recorder.Messages()[0].text, "Error: couldn't decode PNG resource");
    EXPECT_EQ(recorder.Messages()[0].caption, "Information");
    EXPECT_EQ(recorder.Messages()[0].flags, 0x10u);
}

// Resource memory is shared and read-only: unscrambling it in place would crash, or (where it is
// writable) leave scrambled-twice bytes for the next reader.
TEST(PictureLoader, RewardUnscramblingLeavesTheResourceBytesUntouched) {
    HRSRC found = FindResourceA(TestModule(), MAKEINTRESOURCEA(10001), "IMG");
    ASSERT_NE(found, nullptr);
    const DWORD size = SizeofResource(TestModule(), found);
    const BYTE* stored = static_cast<const BYTE*>(LockResource(LoadResource(TestModule(), found)));
    ASSERT_NE(stored, nullptr);
    const std::vector<BYTE> before(stored, stored + size);

    for (int attempt = 0; attempt < 3; ++attempt) {
        HBITMAP bitmap = LoadPictureResource(TestModule(), 10001, "IMG", 300, 300);
        ASSERT_NE(bitmap, nullptr) << "attempt " << attempt;
        DeleteObject(bitmap);
    }
    EXPECT_EQ(std::memcmp(before.data(), stored, size), 0);
}

TEST(FitBitmapToBox, KeepsProportionsUntilOneSideTouchesTheBox) {
    const struct {
        int width, height, boxWidth, boxHeight;
        LONG fittedWidth, fittedHeight;
    } cases[] = {
        // clang-format off
        {640, 480, 300, 300, 300, 225},
        {200, 100, 300, 300, 300, 150},
        {150, 600, 300, 300, 75, 300},
        {100, 100, 300, 300, 300, 300},
        {300, 300, 300, 300, 300, 300},
        {640, 480, 100, 200, 100, 75},
        {281, 100, 300, 300, 300, 106}, // a floating factor gives 299 across
        {55, 11, 300, 300, 300, 60},    // and 59 down
        {11, 55, 300, 300, 60, 300},
        {1, 1000, 300, 300, 1, 300},    // too thin to scale: kept one pixel wide, not empty
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.width << "x" << c.height << " into " << c.boxWidth << "x" << c.boxHeight);
        HBITMAP input = MakeScreenBitmap(c.width, c.height);
        ASSERT_NE(input, nullptr);
        HBITMAP fitted = FitBitmapToBox(input, c.boxWidth, c.boxHeight);
        ASSERT_NE(fitted, nullptr);
        EXPECT_NE(fitted, input);
        EXPECT_FALSE(BitmapExists(input)) << "the input must be consumed";
        BITMAP info;
        ASSERT_EQ(GetObjectA(fitted, sizeof info, &info), static_cast<int>(sizeof info));
        EXPECT_EQ(info.bmWidth, c.fittedWidth);
        EXPECT_EQ(info.bmHeight, c.fittedHeight);
        EXPECT_EQ(info.bmBitsPixel, ScreenBitsPerPixel()) << "not a screen-compatible bitmap";
        EXPECT_TRUE(DeleteObject(fitted));
    }
}

TEST(FitBitmapToBox, NullOrUnusableInputGivesNull) {
    EXPECT_EQ(FitBitmapToBox(nullptr, 300, 300), nullptr);
    HBITMAP input = MakeScreenBitmap(40, 20);
    EXPECT_EQ(FitBitmapToBox(input, 0, 300), nullptr);
    EXPECT_FALSE(BitmapExists(input)) << "consumed even when it cannot be fitted";
}

TEST(PictureFromMemory, DecodesAtTheFilesOwnSizeAndRefusesEmptyInput) {
    HRSRC found = FindResourceA(TestModule(), MAKEINTRESOURCEA(401), "IMG");
    ASSERT_NE(found, nullptr);
    const void* data = LockResource(LoadResource(TestModule(), found));
    HBITMAP bitmap = PictureFromMemory(data, SizeofResource(TestModule(), found), false);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(BitmapSize(bitmap).cx, 640);
    EXPECT_EQ(BitmapSize(bitmap).cy, 480);
    DeleteObject(bitmap);

    EXPECT_EQ(PictureFromMemory(nullptr, 100, false), nullptr);
    EXPECT_EQ(PictureFromMemory(data, 0, false), nullptr);
    EXPECT_EQ(PictureFromMemory(data, 6, false), nullptr); // a truncated header
}

// Each decode initialises COM and must balance it on every path, or the thread stays in an apartment.
TEST(PictureFromMemory, LeavesComAsItFoundIt) {
    MessageRecorder recorder;
    const char garbage[] = "no picture here";
    HBITMAP good = LoadPictureResource(TestModule(), 402, "IMG", 300, 300);
    DeleteObject(good);
    EXPECT_EQ(PictureFromMemory(garbage, sizeof garbage, false), nullptr);
    EXPECT_EQ(LoadPictureResource(TestModule(), 450, "IMG", 300, 300), nullptr);

    const HRESULT result = CoInitialize(nullptr);
    EXPECT_EQ(result, S_OK) << "COM was left initialised";
    if (SUCCEEDED(result)) CoUninitialize();
}

// A thread already in the multithreaded apartment: the decode works there and must not undo the
// caller's initialisation (its own CoInitialize fails and is not balanced).
TEST(PictureFromMemory, WorksInTheCallersMultithreadedApartment) {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    HBITMAP bitmap = LoadPictureResource(TestModule(), 402, "IMG", 300, 300);
    EXPECT_NE(bitmap, nullptr);
    DeleteObject(bitmap);
    const HRESULT again = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(again, S_FALSE) << "the caller's COM initialisation was undone";
    if (SUCCEEDED(again)) CoUninitialize();
    CoUninitialize();
}

// Every path releases what it took: decoded and intermediate bitmaps, DCs. Countable only in a 64-bit
// process under Wine (the win64 build of this test).
TEST(PictureLoader, LeavesNoGdiObjectBehindOnAnyPath) {
    HDC warmUp = CreateCompatibleDC(nullptr); // the first DC allocates objects of its own
    DeleteDC(warmUp);
    MessageRecorder recorder;
    HBITMAP first = LoadPictureResource(TestModule(), 401, "IMG", 300, 300); // loads the codecs once
    DeleteObject(first);
    const int before = CountGdiObjects();
    if (before < 0) GTEST_SKIP() << "GDI objects cannot be counted in this process";

    for (int id : {401, 402, 403, 404, 405, 460, 10000, 10001, 999, 450, 10002, 461, 462}) {
        HBITMAP bitmap = LoadPictureResource(TestModule(), id, "IMG", 300, 300);
        if (bitmap) DeleteObject(bitmap);
        EXPECT_EQ(CountGdiObjects(), before) << "after resource " << id;
    }
    EXPECT_EQ(FitBitmapToBox(MakeScreenBitmap(30, 20), -1, 300), nullptr);
    EXPECT_EQ(CountGdiObjects(), before) << "after a refused fit";

    PngImage image;
    PngInit(&image);
    ASSERT_EQ(PngLoadResource(&image, TestModule(), MAKEINTRESOURCEA(471)), 1);
    ASSERT_NE(PngDecode(&image), 0);
    for (int mode : {0, 1}) {
        HBITMAP bitmap = PngCreateBitmap(&image, nullptr, -1, mode);
        EXPECT_NE(bitmap, nullptr);
        DeleteObject(bitmap);
        EXPECT_EQ(CountGdiObjects(), before) << "after a PNG bitmap in mode " << mode;
    }
    PngCleanup(&image);
}

} // namespace
