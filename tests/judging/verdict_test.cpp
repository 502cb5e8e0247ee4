// The verdict on a typed answer: every verdict and the boundaries between them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "judging/text_ops.h"
#include "judging/verdict.h"

namespace {

struct VerdictCase {
    std::string accepted;
    std::string typed;
    const char* verdict;
};

std::string Repeat(char letter, int count) {
    return std::string(static_cast<size_t>(count), letter);
}

// "ABCD...", as many distinct letters as asked (at most 26).
std::string Alphabet(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += static_cast<char>('A' + i);
    return text;
}

const VerdictCase kCases[] = {
    // Right, empty, and what normalising forgives.
    {"Paris", "paris ", kVerdictRight},
    {"Paris", "  PARIS", kVerdictRight},
    {"\xE9l\xE8ve", "\xC9L\xC8VE", kVerdictRight}, // accented letters have upper cases too
    {"Rome", "   ", kVerdictEmpty},
    {"Rome", "", kVerdictEmpty},
    {"", "", kVerdictEmpty},
    {"", "x", kVerdictWrong}, // an empty accepted answer is never right
    {"-", "-", kVerdictRight},
    // Accepted answers of 3 characters or fewer get no hint; from 4 on they do.
    {"oui", "ouii", kVerdictWrong},
    {"oui", "OUI", kVerdictRight},
    {"abc", "bca", kVerdictWrong},
    {"rome", "rame", kVerdictOneSlip},
    {"abcd", "abdc", kVerdictAnagram},
    {"abc ", "abc", kVerdictOneSlip}, // the accepted answer is not trimmed
    // Anagrams before slips; one and two slips.
    {"CHARLEMAGNE", "charlemange", kVerdictAnagram},
    {"Marseille", "marseill", kVerdictOneSlip},
    {"Versailles", "versaile", kVerdictTwoSlips},
    {"\xE9l\xE8ve", "ELEVE", kVerdictTwoSlips}, // missing accents are wrong letters
    // A part of the accepted answer: only from 10 characters, by the share of its length.
    {"la tour Eiffel", "tour eiffel", kVerdictTooShort},   // 78.6
    {"ABCDEFGHIJ", "ABCDEFG", kVerdictClose},              // exactly 70 is not above 70
    {Alphabet(20), Alphabet(15), kVerdictTooShort},        // 75
    {Alphabet(20), Alphabet(14), kVerdictClose},           // exactly 70
    {Alphabet(20), Alphabet(11), kVerdictClose},           // 55
    {Alphabet(20), Alphabet(10), kVerdictWrong},           // exactly 50 is not above 50
    {"ABCDEFGHI", "ABCDEF", kVerdictWrong},                // 9 characters earn no part hint
    {"ABCDEFGHIJ", "ABCDEF", kVerdictClose},               // 10 do (60)
    {"Paris France", "paris", kVerdictWrong},              // 41.7
    {"Jean de la Fontaine", "la fontaine", kVerdictClose}, // 57.9
    // The whole accepted answer and more: up to 10 more is too long, up to 20 close.
    {"Napoleon", "napoleon bonaparte", kVerdictTooLong},
    {"ABCD", "ABCD" + Repeat('X', 3), kVerdictTooLong},
    {"ABCD", "ABCD" + Repeat('X', 10), kVerdictTooLong},
    {"ABCD", "ABCD" + Repeat('X', 11), kVerdictClose},
    {"ABCD", "ABCD" + Repeat('X', 20), kVerdictClose},
    {"ABCD", "ABCD" + Repeat('X', 21), kVerdictWrong},
    // Neither part nor whole: fewer than a fifth of the longer text's characters differ.
    {"La Revolution francaise", "la revolusion fransaize", kVerdictSomeIdea},
    {"ABCDEFGHIJKLMNO", "XBCDEFGXIJKLMNY", kVerdictWrong},      // exactly 80
    {"ABCDEFGHIJKLMNOP", "XBCDEFGXIJKLMNOY", kVerdictSomeIdea}, // 81.25
    {"AAAB", "AAAAB XY", kVerdictWrong}, // the forward scan misses "AAAB", similarity 50
    // Texts at the length limit: nothing past 259 characters is read.
    {Repeat('A', kMaxTextLength), Repeat('A', kMaxTextLength + 100), kVerdictRight},
    {Repeat('A', kMaxTextLength), Repeat('B', kMaxTextLength), kVerdictWrong},
};

TEST(DecideVerdict, GivesEachVerdictOnBothSidesOfItsBoundaries) {
    for (const VerdictCase& c : kCases) {
        std::string accepted = c.accepted, typed = c.typed; // the record's own text goes in: never changed
        const char* verdict = DecideVerdict(accepted.data(), typed.data());
        EXPECT_STREQ(verdict, c.verdict) << "accepted \"" << c.accepted << "\", typed \"" << c.typed << "\"";
        EXPECT_EQ(accepted, c.accepted);
        EXPECT_EQ(typed, c.typed);
        EXPECT_EQ(IsRightAnswer(c.accepted.c_str(), c.typed.c_str()),
                  std::strcmp(c.verdict, kVerdictRight) == 0)
            << "accepted \"" << c.accepted << "\", typed \"" << c.typed << "\"";
    }
}

} // namespace
