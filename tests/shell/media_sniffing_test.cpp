// Extension sniffing and media file names. Each item sits in a buffer of exactly its own length, so a
// look at byte 1 or 8 of a short item reads past the buffer (caught by the sanitizer build).
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "media/media_sniffing.h"

using namespace std::string_literals;

TEST(MediaSniffing, PicksTheExtensionWithoutReadingPastAShortItem) {
    const struct {
        std::string bytes;
        const char* extension;
    } cases[] = {
        {"RIFF\x24\0\0\0WAVEfmt "s, "WAV"},
        {"RIFF\x04\0\0\0AVI LIST"s, "AVI"},
        {"RIFF\x04\0\0\0RMIDdata"s, "MP3"},
        {"\0\0\0\0\0\0\0\0A"s, "AVI"},
        {"\0\0\0\0\0\0\0\0W"s, "AVI"},
        {"\0\0\x01\xba\x44\0\x04\0\x04"s, "MPG"},
        {"0&\xb2\x75\x8e\x66", "WMV"},
        {"ID3\x03", "MP3"},
        {"MThd", "MID"},
        {"\xff\0"s, "MPG"},
        {"\xff\xfb\x90", "MP3"},
        {"hello world", "MP3"},
        // Shorter than 9 bytes: a test of a missing byte fails.
        {"", "MP3"},
        {"RIFF", "MP3"},
        {"RIFF\0\0\0\0"s, "MP3"},
        {"\0\0\x01"s, "MPG"},
        {"\xff", "MP3"},
        {"0", "WMV"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<uint8_t[]> exact(new uint8_t[c.bytes.size() + !c.bytes.size()]);
        std::memcpy(exact.get(), c.bytes.data(), c.bytes.size());
        EXPECT_STREQ(SniffMediaExtension(exact.get(), c.bytes.size()), c.extension)
            << c.bytes.size() << " bytes";
    }
}

TEST(MediaSniffing, FileNameIsRefusedRatherThanCutOrOverrun) {
    char path[16];
    EXPECT_EQ(FormatMediaPath(path, 16, "", 407, "MP3"), 1);
    EXPECT_STREQ(path, "jorvo407.MP3");
    EXPECT_EQ(FormatMediaPath(path, 13, nullptr, 401, "WAV"), 1); // 12 characters and the terminator
    EXPECT_STREQ(path, "jorvo401.WAV");
    std::memset(path, 'x', sizeof path);
    EXPECT_EQ(FormatMediaPath(path, 12, "", 401, "WAV"), 0);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(path[12], 'x') << "written beyond the given size";
    char full[260];
    EXPECT_EQ(FormatMediaPath(full, sizeof full, "C:\\quiz\\", 412, "AVI"), 1);
    EXPECT_STREQ(full, "C:\\quiz\\jorvo412.AVI");
    EXPECT_EQ(FormatMediaPath(full, sizeof full, std::string(600, 'd').c_str(), 401, "MP3"), 0);
}
