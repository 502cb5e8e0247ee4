#include <gtest/gtest.h>

#include "tools/common/cp1252.h"

namespace {

struct Conversion {
    const char* utf8;
    const char* cp1252;
};

// The French letters, the euro and the typographic quotes all have one byte each.
TEST(Cp1252, ConvertsEveryAccentedLetterBothWays) {
    const Conversion cases[] = {
        {"", ""},
        {"Paris", "Paris"},
        {"\xC3\xA9l\xC3\xA8ve", "\xE9l\xE8ve"}, // élève
        {"c\xC5\x93ur", "c\x9Cur"},             // cœur
        {"\xE2\x82\xAC 5", "\x80 5"},           // € 5
        {"l\xE2\x80\x99"
         "eau",
         "l\x92"
         "eau"},                          // l’eau
        {"\xC3\xBF\xC3\x80", "\xFF\xC0"}, // ÿÀ
    };
    for (const Conversion& c : cases) {
        std::string out, error;
        ASSERT_TRUE(Utf8ToCp1252(c.utf8, &out, &error)) << c.utf8 << ": " << error;
        EXPECT_EQ(out, c.cp1252);
        EXPECT_EQ(Cp1252ToUtf8(out), c.utf8);
    }
}

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    std::string back, error;
    ASSERT_TRUE(Utf8ToCp1252(Cp1252ToUtf8(all), &back, &error)) << error;
    EXPECT_EQ(back, all);
}

TEST(Cp1252, RefusesWhatItCannotHoldOrRead) {
    const char* refused[] = {
        "\xE4\xB8\xAD",     // a CJK character
        "\xF0\x9F\x98\x80", // an emoji
        "\xC3",             // truncated sequence
        "\xC0\xAF",         // overlong '/'
        "\xED\xA0\x80",     // a surrogate
        "\xFF",             // not UTF-8 at all
    };
    for (const char* text : refused) {
        std::string out, error;
        EXPECT_FALSE(Utf8ToCp1252(text, &out, &error)) << text;
        EXPECT_FALSE(error.empty());
    }
    std::string out, error;
    ASSERT_FALSE(Utf8ToCp1252("a\xE4\xB8\xAD", &out, &error));
    EXPECT_NE(error.find("U+4E2D"), std::string::npos) << error;
}

} // namespace
