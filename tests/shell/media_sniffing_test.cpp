// Extension sniffing and media file names. Every case runs on a buffer of exactly its own length, so a
// look at byte 8 of a short item is a read past the buffer (caught by the sanitizer build).
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "media/media_sniffing.h"

namespace {

using namespace std::string_literals;

struct SniffCase {
    const char* name;
    std::string bytes;
    const char* extension;
};

std::string Bytes(const char* data, size_t size) {
    return std::string(data, size);
}

class SniffTable : public testing::TestWithParam<SniffCase> {};

TEST_P(SniffTable, PicksExtensionWithoutReadingPastTheItem) {
    const SniffCase& c = GetParam();
    std::unique_ptr<uint8_t[]> exact(new uint8_t[c.bytes.size() ? c.bytes.size() : 1]);
    std::memcpy(exact.get(), c.bytes.data(), c.bytes.size());
    EXPECT_STREQ(SniffMediaExtension(exact.get(), c.bytes.size()), c.extension);
}

INSTANTIATE_TEST_SUITE_P(
    MediaHeaders, SniffTable,
    testing::Values(SniffCase{"RiffWave", "RIFF\x24\0\0\0WAVEfmt "s, "WAV"},
                    SniffCase{"RiffAvi", "RIFF\x04\0\0\0AVI LIST"s, "AVI"},
                    SniffCase{"RiffOtherForm", "RIFF\x04\0\0\0RMIDdata"s, "MP3"},
                    SniffCase{"NullLeadAviForm", Bytes("\0\0\0\0\0\0\0\0A", 9), "AVI"},
                    SniffCase{"NullLeadWaveForm", Bytes("\0\0\0\0\0\0\0\0W", 9), "AVI"},
                    SniffCase{"MpegPack", Bytes("\0\0\x01\xba\x44\0\x04\0\x04\x01", 10), "MPG"},
                    SniffCase{"AsfHeader", "0&\xb2\x75\x8e\x66\xcf\x11\xa6", "WMV"},
                    SniffCase{"Id3Tag", "ID3\x03", "MP3"}, SniffCase{"MidiHeader", "MThd", "MID"},
                    SniffCase{"SyncThenNull", Bytes("\xff\0", 2), "MPG"},
                    SniffCase{"FrameSync", "\xff\xfb\x90", "MP3"},
                    SniffCase{"Unrecognised", "hello world", "MP3"}),
    [](const testing::TestParamInfo<SniffCase>& info) { return std::string(info.param.name); });

// Items shorter than 9 bytes (down to empty): the byte-8 and byte-1 tests count as failed.
INSTANTIATE_TEST_SUITE_P(
    ShortItems, SniffTable,
    testing::Values(SniffCase{"Empty", "", "MP3"}, SniffCase{"RiffTagOnly", "RIFF", "MP3"},
                    SniffCase{"RiffEightBytes", Bytes("RIFF\0\0\0\0", 8), "MP3"},
                    SniffCase{"MpegStartCode", Bytes("\0\0\x01", 3), "MPG"},
                    SniffCase{"SingleNull", Bytes("\0", 1), "MPG"}, SniffCase{"SingleSync", "\xff", "MP3"},
                    SniffCase{"SingleAsfByte", "0", "WMV"}),
    [](const testing::TestParamInfo<SniffCase>& info) { return std::string(info.param.name); });

TEST(MediaPath, JoinsDirectoryIdAndExtension) {
    char path[64];
    ASSERT_EQ(FormatMediaPath(path, sizeof path, "", 407, "MP3"), 1);
    EXPECT_STREQ(path, "jorvo407.MP3");
    ASSERT_EQ(FormatMediaPath(path, sizeof path, "C:\\temp\\", 412, "WAV"), 1);
    EXPECT_STREQ(path, "C:\\temp\\jorvo412.WAV");
    ASSERT_EQ(FormatMediaPath(path, sizeof path, nullptr, 401, "AVI"), 1);
    EXPECT_STREQ(path, "jorvo401.AVI");
}

TEST(MediaPath, RefusesANameThatDoesNotFitInsteadOfOverrunning) {
    // "jorvo401.MP3" is 12 characters: 13 bytes fit it with its terminator, 12 do not.
    char path[16];
    std::memset(path, 'x', sizeof path);
    EXPECT_EQ(FormatMediaPath(path, 13, "", 401, "MP3"), 1);
    EXPECT_STREQ(path, "jorvo401.MP3");
    std::memset(path, 'x', sizeof path);
    EXPECT_EQ(FormatMediaPath(path, 12, "", 401, "MP3"), 0);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(path[12], 'x'); // nothing written beyond the given size

    std::string longDirectory(600, 'd');
    char small[260];
    EXPECT_EQ(FormatMediaPath(small, sizeof small, longDirectory.c_str(), 401, "MP3"), 0);
    EXPECT_STREQ(small, "");
}

} // namespace
