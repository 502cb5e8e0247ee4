// The message table: every message in both languages with the same arguments, filled in as written,
// counted as each language counts, and the user's language told from the system's settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tools/common/messages.h"
#include "tools/common/cp1252.h"

namespace {

// The placeholders a text uses, sorted: {2} twice counts twice.
std::vector<std::string> Placeholders(const std::string& text) {
    std::vector<std::string> found;
    for (size_t at = text.find('{'); at != std::string::npos; at = text.find('{', at + 1))
        if (at + 2 < text.size() && text[at + 2] == '}') found.push_back(text.substr(at, 3));
    std::sort(found.begin(), found.end());
    return found;
}

TEST(Messages, EveryMessageIsWrittenInBothLanguagesWithTheSameArguments) {
    for (int i = 0; i < static_cast<int>(Msg::Count); ++i) {
        const Msg id = static_cast<Msg>(i);
        const std::string english = MessageText(Language::English, id);
        const std::string french = MessageText(Language::French, id);
        SCOPED_TRACE("message " + std::to_string(i) + ": " + english);
        EXPECT_FALSE(english.empty());
        EXPECT_FALSE(french.empty());
        EXPECT_EQ(FindInvalidUtf8(english), std::string::npos);
        EXPECT_EQ(FindInvalidUtf8(french), std::string::npos);
        EXPECT_EQ(Placeholders(english), Placeholders(french));
        // Only {1} to {9} are arguments: a brace of another kind would be printed as it is.
        for (const std::string& text : {english, french})
            for (size_t at = text.find('{'); at != std::string::npos; at = text.find('{', at + 1))
                EXPECT_TRUE(at + 2 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9' &&
                            text[at + 2] == '}')
                    << text;
    }
}

TEST(Messages, ArgumentsFillTheirPlacesInEitherLanguage) {
    EXPECT_EQ(SayIn(Language::English, Msg::PackWrote, {"animaux.exe", "6 questions", "209 KB"}),
              "animaux.exe: 6 questions, 209 KB");
    EXPECT_EQ(SayIn(Language::French, Msg::PackWrote, {"animaux.exe", "6 questions", "209 Ko"}),
              "animaux.exe : 6 questions, 209 Ko");
    EXPECT_EQ(SayIn(Language::French, Msg::CannotWrite, {"\xC3\xA9t\xC3\xA9.exe"}),
              "impossible d'\xC3\xA9"
              "crire \xC3\xA9t\xC3\xA9.exe");
    // A missing argument leaves its place empty rather than printing the placeholder.
    EXPECT_EQ(SayIn(Language::English, Msg::CannotRead), "cannot read ");
}

TEST(Messages, CountsTakeTheSingularEachLanguageGivesThem) {
    struct Case {
        Language language;
        long long count;
        const char* expected;
    } cases[] = {
        {Language::English, 0, "0 questions"}, {Language::English, 1, "1 question"},
        {Language::English, 2, "2 questions"}, {Language::French, 0, "0 question"},
        {Language::French, 1, "1 question"},   {Language::French, 96, "96 questions"},
    };
    for (const Case& c : cases) {
        SetMessageLanguage(c.language);
        EXPECT_EQ(SayCount(Msg::QuestionsOne, Msg::QuestionsMany, c.count), c.expected);
    }
    SetMessageLanguage(Language::English);
}

TEST(Messages, TheUserLanguageComesFromTheFirstLocaleSetting) {
    struct Case {
        const char *all, *messages, *lang;
        Language expected;
    } cases[] = {
        {nullptr, nullptr, "fr_FR.UTF-8", Language::French},
        {nullptr, nullptr, "fr", Language::French},
        {"", "fr_CA.UTF-8", "en_GB.UTF-8", Language::French},
        {"C", nullptr, "fr_FR.UTF-8", Language::English}, // LC_ALL wins over LANG
        {nullptr, "en_US.UTF-8", "fr_BE", Language::English},
        {nullptr, nullptr, "fy_NL", Language::English}, // Frisian is not French
        {nullptr, nullptr, "french", Language::English},
        {nullptr, nullptr, nullptr, Language::English},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LanguageOfLocale(c.all, c.messages, c.lang), c.expected)
            << (c.all ? c.all : "-") << " " << (c.messages ? c.messages : "-") << " "
            << (c.lang ? c.lang : "-");
    EXPECT_EQ(LanguageOfWindowsId(0x040C), Language::French); // France
    EXPECT_EQ(LanguageOfWindowsId(0x0C0C), Language::French); // Canada
    EXPECT_EQ(LanguageOfWindowsId(0x100C), Language::French); // Switzerland
    EXPECT_EQ(LanguageOfWindowsId(0x0409), Language::English);
    EXPECT_EQ(LanguageOfWindowsId(0x0413), Language::English); // Dutch
}

} // namespace
