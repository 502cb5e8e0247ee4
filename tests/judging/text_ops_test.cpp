// The text operations on Windows-1252 bytes (the literals here are compiled to Windows-1252).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "judging/text_ops.h"

namespace {

struct InPlaceCase {
    const char* before;
    const char* after;
};

void ExpectInPlace(void (*operation)(char*), const InPlaceCase* cases, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        char text[kTextSize];
        std::strcpy(text, cases[i].before);
        operation(text);
        EXPECT_STREQ(text, cases[i].after) << "from \"" << cases[i].before << "\"";
    }
}

TEST(TrimSpaces, RemovesOnlyOuterSpaceBytes) {
    const InPlaceCase cases[] = {
        {"   ", ""},
        {"", ""},
        {"  le  chat ", "le  chat"}, // inner runs stay as they are
        {"Paris", "Paris"},
        {" x", "x"},
        {"x ", "x"},
        {"\tx\t", "\tx\t"},         // a tab is no space
        {"\xA0x\xA0", "\xA0x\xA0"}, // nor is the no-break space
    };
    ExpectInPlace(TrimSpaces, cases, std::size(cases));
}

TEST(UpperCase, MapsAsciiAndAccentedLowerCaseOnly) {
    const InPlaceCase cases[] = {
        {"éléphant", "ÉLÉPHANT"},
        {"cœur", "CœUR"},                 // œ (0x9C) has no upper case here
        {"\xFF\xF7\xE0", "\xDF\xD7\xC0"}, // ÿ to ß, ÷ to ×, à to À
        {"š ž", "š ž"},
        {"`az{", "`AZ{"},         // the bytes just outside a..z stay
        {"\xDF\xC0", "\xDF\xC0"}, // already in the upper range
        {"A1 -'!", "A1 -'!"},
    };
    ExpectInPlace(UpperCase, cases, std::size(cases));
}

TEST(SortLetters, OrdersBytesAsSignedNumbers) {
    const InPlaceCase cases[] = {
        {"", ""},
        {"Z", "Z"},
        {"CBA", "ABC"},
        {"BA A", " AAB"},
        {"AÉ", "ÉA"}, // 0xC9 is negative as a signed byte: before every ASCII byte
        {"\x01\xFF\x80\x7F", "\x80\xFF\x01\x7F"},
    };
    ExpectInPlace(SortLetters, cases, std::size(cases));
}

TEST(EditDistance, CountsInsertionsDeletionsAndReplacements) {
    const std::string longA(kMaxTextLength, 'A');
    const std::string longB(kMaxTextLength, 'B');
    const struct {
        std::string first, second;
        int32_t distance;
    } cases[] = {
        {"CHAT", "CHATS", 1},
        {"ABC", "ACB", 2}, // two neighbours that change places cost two
        {"", "ABC", 3},
        {"ABC", "", 3},
        {"", "", 0},
        {"KITTEN", "SITTING", 3},
        {"ÉLÈVE", "ELEVE", 2},
        {longA, longB, kMaxTextLength},
        {longA, longA + "AAAA", 0}, // only the first 259 characters count
        {longA, "A", kMaxTextLength - 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EditDistance(c.first.c_str(), c.second.c_str()), c.distance)
            << c.first << " / " << c.second;
        // The two-row way, used when another thread holds the table, must agree.
        int32_t rows[2][kTextSize];
        EXPECT_EQ(EditDistanceInRows(c.first.c_str(), c.second.c_str(), rows, 2), c.distance);
    }
}

TEST(EditDistance, TwoRowsAgreeWithTheFullTableOnMixedTexts) {
    // Pseudo-random texts over a small alphabet, so that matches and mismatches both occur often.
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    static int32_t table[kTextSize][kTextSize];
    int32_t rows[3][kTextSize];
    for (int round = 0; round < 200; ++round) {
        std::string first, second;
        const size_t firstLength = next() % 40, secondLength = next() % 40;
        for (size_t i = 0; i < firstLength; ++i)
            first += static_cast<char>('A' + (next() >> 16) % 4);
        for (size_t i = 0; i < secondLength; ++i)
            second += static_cast<char>('A' + (next() >> 16) % 4);
        const int32_t full = EditDistanceInRows(first.c_str(), second.c_str(), table, kTextSize);
        EXPECT_EQ(EditDistanceInRows(first.c_str(), second.c_str(), rows, 2), full)
            << first << " / " << second;
        EXPECT_EQ(EditDistanceInRows(first.c_str(), second.c_str(), rows, 3), full)
            << first << " / " << second;
    }
    EXPECT_EQ(EditDistanceInRows("AB", "BA", rows, 1), -1); // one row cannot hold the diagonal
}

TEST(FindInLonger, ScansForwardOnlyAndExchangesBuffers) {
    const struct {
        const char* first;
        const char* second;
        int32_t result;
        const char* firstAfter;
        const char* secondAfter;
    } cases[] = {
        {"PARIS", "PARIS FRANCE", 2, "PARIS", "PARIS FRANCE"},
        {"PARIS FRANCE", "PARIS", -2, "PARIS", "PARIS FRANCE"},
        {"AAB", "AAAB", 0, "AAB", "AAAB"}, // the occurrence inside a partial match is missed
        {"AB", "AAB", 2, "AB", "AAB"},
        {"", "X", 1, "", "X"},
        {"X", "", -1, "", "X"},
        {"", "", 1, "", ""},
        {"ABC", "ABD", 0, "ABC", "ABD"},
        {"FRANCE", "PARIS FRANCE", 2, "FRANCE", "PARIS FRANCE"},
        {"TOUR EIFFEL", "LA TOUR EIFFEL", 2, "TOUR EIFFEL", "LA TOUR EIFFEL"},
        {"LA TOUR EIFFEL", "TOUR EIFFEL", -2, "TOUR EIFFEL", "LA TOUR EIFFEL"},
        {"XYZ", "AB", 0, "AB", "XYZ"},
    };
    for (const auto& c : cases) {
        char first[kTextSize], second[kTextSize];
        std::strcpy(first, c.first);
        std::strcpy(second, c.second);
        EXPECT_EQ(FindInLonger(first, second), c.result) << c.first << " / " << c.second;
        EXPECT_STREQ(first, c.firstAfter);
        EXPECT_STREQ(second, c.secondAfter);
    }
}

TEST(CountWords, CountsSeparatorsAndSkipsAfterExclamation) {
    const struct {
        const char* text;
        int32_t words;
    } cases[] = {
        {"", 1}, {"l'eau de vie", 4}, {"porte-clés", 2}, {"a!-b", 1}, {"  ", 3}, {"-x-", 3}, {"!", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountWords(c.text), c.words) << c.text;
}

TEST(CountWords, StopsAtTheTerminatorAfterAFinalExclamation) {
    // Separators lie just past the terminator: reading on would count them.
    const char text[] = {'o', 'u', 'i', '!', '\0', ' ', '-', '\'', '\0'};
    EXPECT_EQ(CountWords(text), 1);
}

struct LineRead {
    std::string line;
    int32_t position;
};

std::vector<LineRead> ReadAllLines(const std::string& content, int calls) {
    // An exact-size heap copy without terminator: any read past its end is caught by the sanitizers.
    std::vector<char> buffer(content.begin(), content.end());
    std::vector<LineRead> lines;
    int32_t position = 0;
    for (int i = 0; i < calls; ++i) {
        char line[kMaxAnswerLength + 1];
        ReadLine(buffer.data(), static_cast<int32_t>(buffer.size()), &position, line);
        lines.push_back({line, position});
    }
    return lines;
}

TEST(ReadLine, TakesCrLfLinesWithinTheBuffer) {
    const std::string sixty(60, 'x');
    const std::string fiftyFive(55, 'y');
    const struct {
        std::string content;
        std::vector<LineRead> expected;
    } cases[] = {
        {"ab\r\ncd", {{"ab", 4}, {"cd", 7}, {"", 8}}},
        {"\r\n\r\nz\r\n", {{"", 2}, {"", 4}, {"z", 7}, {"", 8}}},
        {sixty + "\r\nnext\r\n", {{sixty.substr(0, 55), 62}, {"next", 68}}},
        {fiftyFive + "\r\nnext", {{fiftyFive, 57}, {"next", 62}}},
        {"ab\ncd\n", {{"ab\ncd\n", 7}, {"", 8}}}, // no CR: line feeds are part of the line
        {"", {{"", 1}, {"", 2}}},
        {"ab\r", {{"ab", 4}}},
    };
    for (const auto& c : cases) {
        const std::vector<LineRead> lines = ReadAllLines(c.content, static_cast<int>(c.expected.size()));
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].line, c.expected[i].line) << "call " << i << " on \"" << c.content << "\"";
            EXPECT_EQ(lines[i].position, c.expected[i].position)
                << "call " << i << " on \"" << c.content << "\"";
        }
    }
}

TEST(ReadLine, PositionsOutsideTheBufferReadNothing) {
    const char buffer[] = {'a', 'b'};
    char line[kMaxAnswerLength + 1] = "junk";
    int32_t position = 5;
    ReadLine(buffer, 2, &position, line);
    EXPECT_STREQ(line, "");
    EXPECT_EQ(position, 6);
    position = -3; // read from the start, never before it
    ReadLine(buffer, 2, &position, line);
    EXPECT_STREQ(line, "ab");
    EXPECT_EQ(position, 3);
}

} // namespace
