// The Windows layer of the PNG decoder: raw-data resources in, DIB sections and device bitmaps out.
// The committed PNGs in data/ are tiny images whose every pixel is listed below.
#include <windows.h>

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "media/png_picture.h"
#include "media/png/png_unfilter.h"
#include "tests/pictures/picture_test_support.h"

namespace {

struct TableEntry {
    uint8_t blue, green, red;
};

struct OutputCase {
    const char* what;
    int id;
    uint8_t colourType, bitDepth;
    LONG width, height;
    WORD bitsPerPixel;
    std::vector<TableEntry> table;     // the whole colour table the bitmap must carry
    std::vector<uint32_t> pixelValues; // per pixel, top-down: the index, or 0xAARRGGBB for 32 bits
};

std::vector<TableEntry> GreyTable(int entries) {
    std::vector<TableEntry> table;
    for (int i = 0; i < entries; ++i) {
        const uint8_t grey = static_cast<uint8_t>(i * 255 / (entries - 1));
        table.push_back({grey, grey, grey});
    }
    return table;
}

const std::vector<OutputCase>& OutputCases() {
    // clang-format off
    static const std::vector<OutputCase> cases = {
        {"palette 2-bit widens to 4-bit indices with a 16-entry table", 470, 3, 2, 5, 2, 4,
         {{0, 0, 255}, {0, 255, 0}, {255, 0, 0}, {255, 255, 255},
          {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}}, // past the PLTE entries: zero
         {0, 1, 2, 3, 0,
          3, 2, 1, 0, 3}},
        {"RGBA 8-bit keeps its alpha", 471, 6, 8, 3, 2, 32, {},
         {0xFFFF0000, 0x7F00FF00, 0x000000FF,
          0x40102030, 0xFFFFFFFF, 0xBF000000}},
        {"grey 16-bit keeps the high byte over 256 greys", 472, 0, 16, 3, 2, 8, GreyTable(256),
         {0x12, 0xAB, 0xFF,   // from 0x12FF, 0xAB00, 0xFFFF: no rounding
          0x00, 0x80, 0x03}}, // from 0x0000, 0x80FF, 0x0345
        {"grey 2-bit widens to 4-bit over 4 greys", 473, 0, 2, 5, 1, 4, GreyTable(4),
         {0, 1, 2, 3, 2}},
    };
    // clang-format on
    return cases;
}

// The colour a pixel must show: its table entry, or its own value for 32 bits per pixel.
RGBQUAD ExpectedColour(const OutputCase& c, uint32_t value) {
    if (c.bitsPerPixel == 32)
        return {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16), 0};
    const TableEntry& entry = c.table.at(value);
    return {entry.blue, entry.green, entry.red, 0};
}

// The stored value of pixel x in a row of the output layout.
uint32_t StoredValue(const uint8_t* row, int x, WORD bitsPerPixel) {
    switch (bitsPerPixel) {
    case 4: return (x % 2 == 0) ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
    case 8: return row[x];
    default: {
        const uint8_t* p = row + 4 * x;
        return static_cast<uint32_t>(p[3]) << 24 | p[2] << 16 | p[1] << 8 | p[0];
    }
    }
}

// Decodes resource `id` into `image`, checking the header is the one the case describes (so that a
// regenerated test picture cannot silently test another format).
void LoadAndDecode(PngImage* image, const OutputCase& c) {
    PngInit(image);
    ASSERT_EQ(PngLoadResource(image, TestModule(), MAKEINTRESOURCEA(c.id)), 1) << PngErrorName(image->error);
    ASSERT_EQ(image->colourType, c.colourType);
    ASSERT_EQ(image->bitDepth, c.bitDepth);
    ASSERT_NE(PngDecode(image), 0) << PngErrorName(image->error);
}

void ExpectColoursAsListed(HBITMAP bitmap, const OutputCase& c) {
    const PixelGrid grid = ReadPixels(bitmap);
    ASSERT_EQ(grid.width, c.width);
    ASSERT_EQ(grid.height, c.height);
    for (LONG y = 0; y < c.height; ++y)
        for (LONG x = 0; x < c.width; ++x) {
            const RGBQUAD want = ExpectedColour(c, c.pixelValues[y * c.width + x]);
            const RGBQUAD& got = grid.At(x, y);
            EXPECT_TRUE(got.rgbRed == want.rgbRed && got.rgbGreen == want.rgbGreen &&
                        got.rgbBlue == want.rgbBlue)
                << "pixel " << x << "," << y << " is " << DescribeColour(got) << ", not "
                << DescribeColour(want);
        }
}

// Every processor that runs Wine has SSE2: the start-up choice must turn the vector loops on, in the
// 32-bit build too (whose decoder starts without them).
TEST(PngChooseLoopsForThisProcessor, UsesTheVectorLoops) {
    pngUseSimd = false;
    PngChooseLoopsForThisProcessor();
    EXPECT_TRUE(pngUseSimd);
}

TEST(PngCreateBitmap, DibSectionCarriesTheOutputLayout) {
    for (const OutputCase& c : OutputCases()) {
        SCOPED_TRACE(c.what);
        PngImage image;
        LoadAndDecode(&image, c);
        HBITMAP bitmap = PngCreateBitmap(&image, nullptr, -1, 0);
        ASSERT_NE(bitmap, nullptr) << PngErrorName(image.error);

        DIBSECTION section;
        ASSERT_EQ(GetObjectA(bitmap, sizeof section, &section), static_cast<int>(sizeof section));
        EXPECT_EQ(section.dsBm.bmWidth, c.width);
        EXPECT_EQ(section.dsBm.bmHeight, c.height);
        EXPECT_EQ(section.dsBm.bmBitsPixel, c.bitsPerPixel);

        // Rows top-down, as the decoder wrote them.
        const uint8_t* bits = static_cast<const uint8_t*>(section.dsBm.bmBits);
        ASSERT_NE(bits, nullptr);
        for (LONG y = 0; y < c.height; ++y)
            for (LONG x = 0; x < c.width; ++x)
                EXPECT_EQ(StoredValue(bits + y * section.dsBm.bmWidthBytes, x, c.bitsPerPixel),
                          c.pixelValues[y * c.width + x])
                    << "pixel " << x << "," << y;

        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        RGBQUAD table[256] = {};
        const UINT entries = GetDIBColorTable(dc, 0, 256, table);
        SelectObject(dc, old);
        DeleteDC(dc);
        // Wine keeps (and reports) a full 2^bits table whatever the header's used-colours count says,
        // so the count is not compared; the entries the pixels can reach are.
        ASSERT_GE(entries, c.table.size());
        for (UINT i = 0; i < c.table.size(); ++i) {
            EXPECT_EQ(table[i].rgbBlue, c.table[i].blue) << "entry " << i;
            EXPECT_EQ(table[i].rgbGreen, c.table[i].green) << "entry " << i;
            EXPECT_EQ(table[i].rgbRed, c.table[i].red) << "entry " << i;
            EXPECT_EQ(table[i].rgbReserved, 0) << "entry " << i;
        }

        ExpectColoursAsListed(bitmap, c);
        DeleteObject(bitmap);
        PngCleanup(&image);
    }
}

TEST(PngCreateBitmap, DeviceBitmapShowsTheSameColours) {
    for (const OutputCase& c : OutputCases()) {
        SCOPED_TRACE(c.what);
        PngImage image;
        LoadAndDecode(&image, c);
        for (HWND reference : {HWND{nullptr}, GetDesktopWindow()}) {
            HBITMAP bitmap = PngCreateBitmap(&image, reference, -1, 1);
            ASSERT_NE(bitmap, nullptr) << PngErrorName(image.error);
            DIBSECTION section;
            EXPECT_NE(GetObjectA(bitmap, sizeof section, &section), static_cast<int>(sizeof section))
                << "a DIB section came back";
            ExpectColoursAsListed(bitmap, c);
            DeleteObject(bitmap);
        }
        PngCleanup(&image);
    }
}

TEST(PngCreateBitmap, RefusesOutOfOrderCallsSecondLoadsAndOtherFormats) {
    PngImage image;
    PngInit(&image);
    EXPECT_EQ(PngCreateBitmap(&image, nullptr, -1, 0), nullptr);
    EXPECT_EQ(image.error, PNG_ERR_STATE) << "before any load";

    ASSERT_EQ(PngLoadResource(&image, TestModule(), MAKEINTRESOURCEA(470)), 1);
    EXPECT_EQ(image.inputKind, PNG_INPUT_RESOURCE);
    EXPECT_EQ(PngCreateBitmap(&image, nullptr, -1, 0), nullptr);
    EXPECT_EQ(image.error, PNG_ERR_STATE) << "loaded but not decoded";
    EXPECT_EQ(PngLoadResource(&image, TestModule(), MAKEINTRESOURCEA(471)), 0);
    EXPECT_EQ(image.error, PNG_ERR_NOTEMPTY);
    EXPECT_EQ(image.width, 5u) << "the image held was replaced";

    ASSERT_NE(PngDecode(&image), 0);
    for (int format : {0, 1, -2}) {
        EXPECT_EQ(PngCreateBitmap(&image, nullptr, format, 0), nullptr);
        EXPECT_EQ(image.error, PNG_ERR_OUTFORMAT) << "format " << format;
    }
    PngCleanup(&image);
}

TEST(PngLoadResource, ReportsWhyAResourceCannotBeUsed) {
    const struct {
        const char* what;
        int id;
        uint32_t error;
    } cases[] = {
        {"no raw-data resource with that id", 999, PNG_ERR_NORESOURCE},
        {"an IMG resource is not looked at", 401, PNG_ERR_NORESOURCE},
        {"raw data that is no PNG", 462, PNG_ERR_FORMAT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PngImage image;
        PngInit(&image);
        EXPECT_EQ(PngLoadResource(&image, TestModule(), MAKEINTRESOURCEA(c.id)), 0);
        EXPECT_EQ(image.error, c.error) << PngErrorName(image.error);
        EXPECT_EQ(image.state, PNG_STATE_EMPTY);
        EXPECT_EQ(image.inputKind, PNG_INPUT_NONE);
        PngCleanup(&image);
    }
}

TEST(PngLoadPicture, FitsADecodedPictureAndReportsOnlyDecodeFailures) {
    const struct {
        const char* what;
        int id;
        LONG width, height; // 0: null expected
        const char* message;
    } cases[] = {
        {"a PNG fitted into the box", 460, 300, 150, nullptr},
        {"a tiny palette PNG enlarged", 470, 300, 120, nullptr},
        {"no such resource: silent", 999, 0, 0, nullptr},
        {"not a PNG: silent", 462, 0, 0, nullptr},
        {"image data that does not inflate", 461, 0, 0, "Error: couldn't decode PNG resource"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MessageRecorder recorder;
        HBITMAP bitmap = PngLoadPicture(TestModule(), c.id, 300, 300);
        if (c.width == 0) {
            EXPECT_EQ(bitmap, nullptr);
        } else {
            ASSERT_NE(bitmap, nullptr);
            const SIZE size = BitmapSize(bitmap);
            EXPECT_EQ(size.cx, c.width);
            EXPECT_EQ(size.cy, c.height);
            DeleteObject(bitmap);
        }
        if (!c.message) {
            EXPECT_TRUE(recorder.Messages().empty());
        } else {
            ASSERT_EQ(recorder.Messages().size(), 1u);
            EXPECT_EQ(recorder.Messages()[0].text, c.message);
            EXPECT_EQ(recorder.Messages()[0].caption, "Information");
            EXPECT_EQ(recorder.Messages()[0].flags, 0x10u);
        }
    }
}

} // namespace
