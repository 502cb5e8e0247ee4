// Several accepted spellings: the judge gives the best verdict of the single judge over each spelling,
// on hand-picked cases, on adversarial families built around every verdict's boundary, and on random
// texts; a field is right when it equals any of its slot's spellings.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "judging/field_judging.h"
#include "judging/verdict.h"
#include "quizdata/extra_spellings.h"
#include "tests/judging/best_verdict_oracle.h"

namespace {

const char* Among(const std::vector<std::string>& spellings, const std::string& typed) {
    std::vector<const char*> texts;
    for (const std::string& s : spellings)
        texts.push_back(s.c_str());
    return DecideVerdictAmong(texts.data(), static_cast<int>(texts.size()), typed.c_str());
}

bool RightAmong(const std::vector<std::string>& spellings, const std::string& typed) {
    std::vector<const char*> texts;
    for (const std::string& s : spellings)
        texts.push_back(s.c_str());
    return IsRightAmong(texts.data(), static_cast<int>(texts.size()), typed.c_str());
}

void ExpectBestOfSingles(const std::vector<std::string>& spellings, const std::string& typed) {
    std::string list;
    for (const std::string& s : spellings)
        list += "\"" + s + "\" ";
    const std::string verdict = Among(spellings, typed);
    ASSERT_EQ(verdict, BestSingleVerdict(spellings, typed))
        << "spellings " << list << "typed \"" << typed << "\"";
    bool anyRight = false;
    for (const std::string& s : spellings)
        anyRight = anyRight || IsRightAnswer(s.c_str(), typed.c_str());
    ASSERT_EQ(RightAmong(spellings, typed), anyRight) << "spellings " << list << "typed \"" << typed << "\"";
    ASSERT_EQ(anyRight, verdict == kVerdictRight) << "spellings " << list << "typed \"" << typed << "\"";
}

TEST(DecideVerdictAmong, TakesTheBestVerdictInTheGuidesOrder) {
    const struct {
        std::vector<std::string> spellings;
        const char* typed;
        const char* verdict;
    } cases[] = {
        {{"Londres", "London"}, "london", kVerdictRight},
        {{"Londres", "London"}, "  LONDRES ", kVerdictRight},
        {{"Londres", "London"}, "Lodnon", kVerdictAnagram}, // "Presque" against Londres
        {{"Londres", "London"}, "Londn", kVerdictOneSlip},  // one slip from London, two from Londres
        {{"Pays-Bas", "Hollande"}, "olande", kVerdictTwoSlips},
        {{"dix", "10"}, "dix", kVerdictRight},
        {{"dix", "10"}, "11", kVerdictWrong}, // short spellings earn no hint
        {{"la tour Eiffel", "tour Eiffel"}, "tour eifel", kVerdictOneSlip},
        {{"Napoleon", "Napoleon Ier"}, "napoleon bonaparte", kVerdictTooLong}, // Trop long beats Pas loin
        {{"ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKL"},
         "ABCDEFGHIJKLMNO",
         kVerdictTooShort}, // Trop court beats Trop long
        {{"ABCDEFGHIJKL", "ABCDEFGHIJKLMNOPQRST"}, "ABCDEFGHIJKLMNO", kVerdictTooShort}, // whatever the order
        {{"Rome", "Roma"}, "   ", kVerdictEmpty},
        {{"", "Rome"}, "rome", kVerdictRight}, // an empty spelling never helps, and never hides another
        {{"Rome"}, "Paris", kVerdictWrong},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(Among(c.spellings, c.typed), c.verdict) << "typed \"" << c.typed << "\"";
        ExpectBestOfSingles(c.spellings, c.typed);
    }
}

// Texts built to sit on or next to the boundaries of every verdict of some spelling: parts, wholes with
// extras, slips, exchanged letters, accents and case, spaces, the length limits.
std::vector<std::string> AdversarialTypings(const std::string& spelling, std::mt19937& random) {
    std::vector<std::string> out = {spelling, "", " ", spelling + " ", " " + spelling};
    const size_t n = spelling.size();
    for (size_t cut = 1; cut < n; cut += 1 + n / 8) {
        out.push_back(spelling.substr(0, cut));
        out.push_back(spelling.substr(cut));
        out.push_back(spelling.substr(0, cut - 1) + spelling.substr(cut));   // one deleted
        out.push_back(spelling.substr(0, cut) + "x" + spelling.substr(cut)); // one inserted
        std::string swapped = spelling;
        std::swap(swapped[cut - 1], swapped[cut]); // two exchanged
        out.push_back(swapped);
    }
    for (int extra : {3, 10, 11, 20, 21})
        out.push_back(spelling + std::string(static_cast<size_t>(extra), 'Z'));
    std::string lower = spelling;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    out.push_back(lower);
    std::string shuffled = spelling;
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    out.push_back(shuffled);
    out.push_back(std::string(259, 'A'));
    out.push_back(spelling + std::string(300, 'Q')); // past what the judge reads
    return out;
}

std::string RandomText(std::mt19937& random, size_t longest, const std::string& alphabet) {
    std::uniform_int_distribution<size_t> length(0, longest);
    std::uniform_int_distribution<size_t> letter(0, alphabet.size() - 1);
    std::string text(length(random), ' ');
    for (char& c : text)
        c = alphabet[letter(random)];
    return text;
}

TEST(DecideVerdictAmong, AgreesWithTheBestSingleVerdictOnAdversarialAndRandomTexts) {
    std::mt19937 random(26);
    // Few letters, so that random texts often come close to each other; accented and high bytes too.
    const std::string alphabet = std::string("ABEIRSabe '-") + "\xE9\xC9\xE0\x9C\xFF";
    const std::vector<std::vector<std::string>> families = {
        {"Londres", "London", "Lundun"},
        {"ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJ", "ABCD"},
        {"Jean de la Fontaine", "la Fontaine", "Fontaine"},
        {"\xE9l\xE8ve", "eleve", "ELEVE"},
        {"abc ", "abc", "ab"},
    };
    for (const auto& spellings : families)
        for (const std::string& spelling : spellings)
            for (const std::string& typed : AdversarialTypings(spelling, random))
                ExpectBestOfSingles(spellings, typed);

    for (int round = 0; round < 3000; ++round) {
        std::uniform_int_distribution<int> howMany(1, kMaxSpellings);
        std::vector<std::string> spellings;
        const int count = howMany(random);
        for (int i = 0; i < count; ++i)
            spellings.push_back(RandomText(random, 24, alphabet));
        // Half the typed texts start from one of the spellings, changed a little.
        std::string typed = RandomText(random, 30, alphabet);
        if (round % 2) {
            const std::vector<std::string> near = AdversarialTypings(spellings[round % count], random);
            typed = near[static_cast<size_t>(round) % near.size()];
        }
        ExpectBestOfSingles(spellings, typed);
    }
}

TEST(FieldVerdict, JudgesEachFieldAgainstItsOwnSlotsSpellings) {
    QuizDocument document;
    document.questionCount = 2;
    document.answersPerQuestion = 2;
    document.addQuestion("Royaume-Uni", "Londres", "q1");
    document.addQuestion("Pays-Bas", "-", "q2");
    const std::string text = "UK\r\n\r\nLondon\r\n\r\nHollande\r\n\r\n\r\n";
    document.extraSpellings =
        ReadExtraSpellings(reinterpret_cast<const uint8_t*>(text.data()), text.size(), 2, 2);
    ASSERT_NE(document.extraSpellings, nullptr);
    const struct {
        int field;
        const char* typed;
        const char* verdict;
    } cases[] = {
        {1, "uk", kVerdictRight},       {1, "london", kVerdictWrong}, {2, "London ", kVerdictRight},
        {2, "Londre", kVerdictOneSlip}, {2, "UK", kVerdictWrong},     {3, "hollande", kVerdictRight},
        {3, "Pays-Bas", kVerdictRight}, {4, "-", kVerdictRight},      {4, "Hollande", kVerdictWrong},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(FieldVerdict(&document, c.field, c.typed), c.verdict) << "field " << c.field;
        const int question = (c.field + 1) / 2, slot = c.field % 2 ? 1 : 2;
        EXPECT_EQ(SlotIsRight(&document, question, slot, c.typed), c.verdict == kVerdictRight);
    }
    // A one-answer quiz: field n is question n's only slot.
    document.answersPerQuestion = 1;
    EXPECT_STREQ(FieldVerdict(&document, 2, "hollande"), kVerdictRight);
}

} // namespace
