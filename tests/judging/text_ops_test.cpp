// The text operations on Windows-1252 bytes (spelled as escapes in the literals).
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "judging/text_ops.h"
#include "tests/judging/edit_distance_oracle.h"

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

TEST(TextOps, EditDistanceCountsUnitEdits) {
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
    for (const auto& c : cases) {
        EXPECT_EQ(EditDistance(c.first.c_str(), c.second.c_str()), c.distance)
            << c.first << " / " << c.second;
        EXPECT_EQ(EditDistanceByTable(c.first.c_str(), c.second.c_str()), c.distance) << c.first;
    }
}

// The bit-parallel distance against the table, on texts that cross the 64-character blocks: random texts
// over small and large alphabets (high bytes included), and shapes that stress the carries between
// blocks (runs, periodic texts, shifted copies, one text inside the other).
TEST(TextOps, EditDistanceAgreesWithTheTable) {
    std::mt19937 random(20261209);
    const auto randomText = [&](int length, int alphabet) {
        std::string text(length, ' ');
        for (char& c : text)
            c = static_cast<char>(alphabet == 256 ? 1 + random() % 255 : 'A' + random() % alphabet);
        return text;
    };
    const int lengths[] = {1, 2, 63, 64, 65, 100, 127, 128, 129, 192, 200, 255, 258, 259, 300};
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int alphabet : {2, 4, 26, 256})
        for (int i = 0; i < 60; ++i) {
            const int firstLength = i % 2 ? lengths[random() % 15] : 1 + random() % 259;
            pairs.emplace_back(randomText(firstLength, alphabet),
                               randomText(lengths[random() % 15], alphabet));
        }
    for (int length : lengths) {
        const std::string text = randomText(length, 3);
        pairs.emplace_back(text, std::string(text.rbegin(), text.rend()));
        pairs.emplace_back(text, "X" + text);
        pairs.emplace_back(text, text.substr(length / 3));
        pairs.emplace_back(std::string(length, 'A'), std::string(length / 2, 'A') + "B");
        std::string periodic;
        while (static_cast<int>(periodic.size()) < length)
            periodic += "ABCABD";
        pairs.emplace_back(periodic, periodic.substr(1) + "A");
    }
    for (const auto& [first, second] : pairs) {
        ASSERT_EQ(EditDistance(first.c_str(), second.c_str()),
                  EditDistanceByTable(first.c_str(), second.c_str()))
            << first.size() << "/" << second.size() << ": " << first << " / " << second;
        ASSERT_EQ(EditDistance(second.c_str(), first.c_str()),
                  EditDistanceByTable(first.c_str(), second.c_str()));
    }
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
