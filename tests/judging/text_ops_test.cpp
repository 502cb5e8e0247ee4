// The text operations on Windows-1252 bytes (the literals here are compiled to Windows-1252).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "judging/text_ops.h"

namespace {

struct InPlaceCase {
    void (*operation)(char*);
    const char* before;
    const char* after;
};

TEST(TextOps, InPlaceOperationsTouchOnlyTheirOwnBytes) {
    const InPlaceCase cases[] = {
        {TrimSpaces, "   ", ""},
        {TrimSpaces, "  le  chat ", "le  chat"}, // inner runs stay
        {TrimSpaces, "\tx\xA0", "\tx\xA0"},      // tab and no-break space are no spaces
        {UpperCase, "\xE9l\xE9phant", "\xC9L\xC9PHANT"},
        {UpperCase, "c\x9Cur", "C\x9CUR"},                   // œ has no upper case here
        {UpperCase, "\xFF\xF7\xE0\xDF", "\xDF\xD7\xC0\xDF"}, // ÿ to ß, ÷ to ×, à to À; ß stays
        {UpperCase, "`az{\x9A", "`AZ{\x9A"},
        {SortLetters, "BA A", " AAB"},
        {SortLetters, "A\xC9",
         "\xC9"
         "A"}, // 0xC9 is negative as a signed byte
        {SortLetters, "\x01\xFF\x80\x7F", "\x80\xFF\x01\x7F"},
    };
    for (const InPlaceCase& c : cases) {
        char text[kTextSize];
        std::strcpy(text, c.before);
        c.operation(text);
        EXPECT_STREQ(text, c.after) << "from \"" << c.before << "\"";
    }
}

TEST(TextOps, EditDistanceCountsUnitEditsInTheTableAndInTwoRows) {
    const std::string longA(kMaxTextLength, 'A'), longB(kMaxTextLength, 'B');
    const struct {
        std::string first, second;
        int32_t distance;
    } cases[] = {
        {"CHAT", "CHATS", 1},
        {"ABC", "ACB", 2},
        {"", "ABC", 3},
        {"ABC", "", 3},
        {"KITTEN", "SITTING", 3},
        {"\xC9L\xC8VE", "ELEVE", 2},
        {longA, longB, kMaxTextLength},
        {longA, longA + "AAAA", 0}, // 259 count
    };
    int32_t rows[2][kTextSize];
    for (const auto& c : cases) {
        EXPECT_EQ(EditDistance(c.first.c_str(), c.second.c_str()), c.distance)
            << c.first << " / " << c.second;
        EXPECT_EQ(EditDistanceInRows(c.first.c_str(), c.second.c_str(), rows, 2), c.distance) << c.first;
    }
    EXPECT_EQ(EditDistanceInRows("AB", "BA", rows, 1), -1); // one row cannot hold the diagonal
}

TEST(TextOps, FindInLongerScansForwardOnlyAndExchangesBuffers) {
    const struct {
        const char *first, *second;
        int32_t result;
    } cases[] = {
        {"PARIS", "PARIS FRANCE", 2},
        {"PARIS FRANCE", "PARIS", -2},
        {"AAB", "AAAB", 0}, // missed
        {"AB", "AAB", 2},
        {"", "X", 1},
        {"X", "", -1},
        {"XYZ", "AB", 0},
    };
    for (const auto& c : cases) {
        char first[kTextSize], second[kTextSize];
        std::strcpy(first, c.first);
        std::strcpy(second, c.second);
        EXPECT_EQ(FindInLonger(first, second), c.result) << c.first << " / " << c.second;
        const bool exchanged = std::strlen(c.second) < std::strlen(c.first);
        EXPECT_STREQ(first, exchanged ? c.second : c.first);
        EXPECT_STREQ(second, exchanged ? c.first : c.second);
    }
}

TEST(TextOps, CountWordsNeverReadsPastTheTerminator) {
    const struct {
        const char* text;
        int32_t words;
    } cases[] = {{"", 1}, {"l'eau de vie", 4}, {"porte-cl\xE9s", 2}, {"a!-b", 1}, {"  ", 3}};
    for (const auto& c : cases)
        EXPECT_EQ(CountWords(c.text), c.words) << c.text;
    // A final '!' passes over the terminator; the separators beyond must not be counted.
    const char text[] = {'o', 'u', 'i', '!', '\0', ' ', '-', '\0'};
    EXPECT_EQ(CountWords(text), 1);
}

TEST(TextOps, ReadLineStaysWithinAnUnterminatedBuffer) {
    const std::string sixty(60, 'x'), fiftyFive(55, 'y');
    const struct {
        std::string content;
        int32_t start;
        std::vector<std::pair<std::string, int32_t>> lines; // text and position after each call
    } cases[] = {
        {"ab\r\ncd", 0, {{"ab", 4}, {"cd", 7}, {"", 8}}},
        {"\r\n\r\nz\r\n", 0, {{"", 2}, {"", 4}, {"z", 7}}},
        {sixty + "\r\nnext\r\n", 0, {{sixty.substr(0, 55), 62}, {"next", 68}}},
        {fiftyFive + "\r\nnext", 0, {{fiftyFive, 57}, {"next", 62}}},
        {"ab\ncd\n", 0, {{"ab\ncd\n", 7}}}, // without CR the line feeds belong to the line
        {"ab", 5, {{"", 6}}},
        {"ab", -3, {{"ab", 3}}}, // never before the start
    };
    for (const auto& c : cases) {
        // An exact-size heap copy: the sanitizers catch any read past its end.
        const std::vector<char> buffer(c.content.begin(), c.content.end());
        int32_t position = c.start;
        for (const auto& [text, after] : c.lines) {
            char line[kMaxAnswerLength + 1];
            ReadLine(buffer.data(), static_cast<int32_t>(buffer.size()), &position, line);
            EXPECT_EQ(line, text) << "in \"" << c.content << "\"";
            EXPECT_EQ(position, after) << "in \"" << c.content << "\"";
        }
    }
}

} // namespace
