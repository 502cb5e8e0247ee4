// A class's results: answers files judged as a restarted player judges them (other spellings, the hidden
// field of a one-answer question, lines cut at 55 characters), files that are not answers files named and
// skipped, and the table and spreadsheet written from them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/fake_pe.h"
#include "tools/common/messages.h"
#include "tools/pe/pe_resources.h"
#include "tools/source/class_results.h"
#include "tools/source/quiz_resources.h"
#include "tools/source/quiz_source.h"

namespace {

// UTF-8 source: two answers, spellings on both slots, a one-answer second question.
const char kSource[] = "kind: pictures\nanswers: 2\nlabel1: Pays\nlabel2: Capitale\n"
                       "question: q1\n  picture: p.png\n  answer: Royaume-Uni | Angleterre\n"
                       "  answer2: Londres | London\n"
                       "question: q2\n  picture: p.png\n  answer: Pays-Bas | Hollande\n  answer2: -\n"
                       "question: q3\n  picture: p.png\n  answer: Allemagne\n  answer2: Berlin\n"
                       "score: Un\nscore: Deux\nscore: Trois; et plus\n";

ByteVector Bytes(const std::string& text) {
    return ByteVector(text.begin(), text.end());
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::unique_ptr<QuizDocument> Load(const ByteVector& bytes, std::vector<std::string>* notes = nullptr) {
    SetMessageLanguage(Language::English); // the texts below are the English ones
    std::string error;
    std::vector<std::string> ignored;
    auto document = LoadQuizForResults(bytes, &error, notes ? notes : &ignored);
    EXPECT_NE(document, nullptr) << error;
    return document;
}

// The quiz as a program: its resources written into a small template.
ByteVector Program(bool damageSpellings) {
    QuizProject project;
    std::vector<SourceMessage> errors, warnings;
    EXPECT_TRUE(ParseQuizSource(kSource, &project.source, &errors, &warnings));
    std::vector<Resource> resources;
    std::string error;
    EXPECT_TRUE(AddQuizResources(project, true, 0x040C, &resources, &error)) << error;
    if (damageSpellings)
        for (Resource& r : resources)
            if (r.type == TextKey("PATCH") && r.name == NumberKey(kSpellingsResourceId)) r.data = {1, 2, 3};
    ByteVector image;
    EXPECT_TRUE(WritePeResources(MakeTemplateImage(false), resources, &image, &error)) << error;
    return image;
}

TEST(ClassResults, JudgesEachFieldAsTheRestartedPlayerDoes) {
    const std::string longLine = "London" + std::string(60, ' ') + "x"; // the player keeps 55 characters
    const struct {
        const char* name;
        std::vector<std::string> lines;
        std::vector<std::string> verdicts;
        std::vector<int> found;
        const char* code;
    } cases[] = {
        {"every spelling",
         {"angleterre", " LONDON ", "Hollande", "x", "Allemagne", "berlin"},
         {"BRAVO", "BRAVO", "BRAVO", "BRAVO", "BRAVO", "BRAVO"},
         {1, 2, 3},
         "Trois; et plus"},
        {"best verdicts",
         {"Angletere", "Lodnon", "olande", "", "", "Berlim"},
         {"Quasiment", "Anagramme", "Presque", "BRAVO", "?", "Quasiment"},
         {},
         "      "},
        {"hidden field and cut line",
         {"UK", longLine.substr(0, 55), "pays-bas", "", "Allemagne", "Paris"},
         {"FAUX", "BRAVO", "BRAVO", "BRAVO", "BRAVO", "FAUX"},
         {2},
         "Un"},
    };
    for (const ByteVector& quiz : {Bytes(kSource), Program(false)}) {
        auto document = Load(quiz);
        ASSERT_NE(document, nullptr);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            const PupilResult result = JudgeAnswersFile(*document, "f.txt", Bytes(Lines(c.lines)));
            EXPECT_EQ(result.problem, "");
            EXPECT_EQ(result.verdicts, c.verdicts);
            EXPECT_EQ(result.found, c.found);
            EXPECT_EQ(result.code, c.code);
        }
    }
}

TEST(ClassResults, ADamagedSpellingsPieceIsToldAndTheFirstSpellingsJudge) {
    std::vector<std::string> notes;
    auto document = Load(Program(true), &notes);
    ASSERT_NE(document, nullptr);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0], "the player would say: Erreur dans le d\xC3\xA9"
                        "cryptage des variantes");
    const PupilResult result =
        JudgeAnswersFile(*document, "f.txt", Bytes(Lines({"Royaume-Uni", "London", "", "", "", ""})));
    EXPECT_EQ(result.verdicts[0], "BRAVO");
    EXPECT_EQ(result.verdicts[1], "FAUX"); // no longer a spelling of its own
}

TEST(ClassResults, FilesThatAreNotAnswersFilesOfTheQuizAreNamedAndSkipped) {
    auto document = Load(Bytes(kSource));
    ASSERT_NE(document, nullptr);
    const std::string six = Lines({"a", "b", "c", "d", "e", "f"});
    const struct {
        std::string bytes;
        const char* problem; // a part of it; empty when the file is judged
    } cases[] = {
        {six, ""},
        {six.substr(0, six.size() - 2), ""}, // the last line without its CR LF, as the player reads it
        {Lines({"a", "b", "c", "d", "e"}), "it has 5 lines where this quiz's answers file has 6"},
        {six + "\r\n", "it has 7 lines"},
        {"", "it has 0 lines"},
        {"a\nb\nc\nd\ne\nf\n", "line 1 does not end with CR LF"},
        {"a\r\nb\rc\r\nd\r\ne\r\nf\r\n", "line 2 does not end with CR LF"},
        {six + "\r", "line 7 does not end with CR LF"},
        {std::string("a\r\n\0b\r\n", 6) + "c\r\nd\r\ne\r\nf\r\n", "binary data (byte 0x00 at offset 3)"},
        {"\xFF\xFE" + std::string("a\0\r\0\n\0", 6), "binary data"}, // saved as UTF-16
        {Lines({"a", std::string(56, 'x'), "c", "d", "e", "f"}), "line 2 holds 56 characters"},
    };
    for (const auto& c : cases) {
        const PupilResult result = JudgeAnswersFile(*document, "f.txt", Bytes(c.bytes));
        if (!*c.problem) {
            EXPECT_EQ(result.problem, "") << c.bytes;
            EXPECT_EQ(result.verdicts.size(), 6u);
        } else {
            EXPECT_NE(result.problem.find(c.problem), std::string::npos) << result.problem;
            EXPECT_TRUE(result.verdicts.empty());
        }
    }
}

TEST(ClassResults, TableAndSpreadsheetShowScoresCodesAndWhatTheClassFound) {
    auto document = Load(Bytes(kSource));
    ASSERT_NE(document, nullptr);
    std::vector<PupilResult> results = {
        JudgeAnswersFile(*document, "\xC3\xA9l\xC3\xA8ve;1.txt",
                         Bytes(Lines({"angleterre", "london", "hollande", "-", "", ""}))),
        JudgeAnswersFile(*document, "b.txt", Bytes("not an answers file")), // left out
        JudgeAnswersFile(*document, "d.txt", Bytes(Lines({"", "", "", "", "", ""}))),
        JudgeAnswersFile(*document, "c.txt", Bytes(Lines({"", "", "", "", "Allemagne", "Berlin"}))),
    };
    EXPECT_EQ(ResultsTable(*document, results), "file         score   code  found\n"
                                                "\xC3\xA9l\xC3\xA8ve;1.txt   2 / 3  Deux  1 2\n"
                                                "d.txt         0 / 3        -\n"
                                                "c.txt         1 / 3  Un    3\n"
                                                "\n"
                                                "question  found by\n"
                                                "1         1 / 3\n"
                                                "2         1 / 3\n"
                                                "3         1 / 3\n");
    EXPECT_EQ(ResultsCsv(*document, results),
              "\xEF\xBB\xBF"
              "file;score;questions;code;found;1 Pays;1 Capitale;2 Pays;2 Capitale;3 Pays;3 Capitale\r\n"
              "\"\xC3\xA9l\xC3\xA8ve;1.txt\";2;3;Deux;1 2;BRAVO;BRAVO;BRAVO;BRAVO;?;?\r\n"
              "d.txt;0;3;;-;?;?;?;BRAVO;?;?\r\n"
              "c.txt;1;3;Un;3;?;?;?;BRAVO;BRAVO;BRAVO\r\n"
              "\r\n"
              "question;found by;files\r\n"
              "1;1;3\r\n"
              "2;1;3\r\n"
              "3;1;3\r\n");
    // A French user reads French headings, and a French spreadsheet program gets them too.
    SetMessageLanguage(Language::French);
    const std::string table = "fichier      score   code  trouv\xC3\xA9"
                              "es\n";
    const std::string csv = "\xEF\xBB\xBF"
                            "fichier;score;questions;code;trouv\xC3\xA9"
                            "es;1 Pays";
    EXPECT_EQ(ResultsTable(*document, results).substr(0, table.size()), table);
    EXPECT_EQ(ResultsCsv(*document, results).substr(0, csv.size()), csv);
    SetMessageLanguage(Language::English);
}

} // namespace
