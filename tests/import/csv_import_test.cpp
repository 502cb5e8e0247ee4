// Spreadsheets imported: files saved by LibreOffice Calc (scripts/make-import-samples.sh), then the
// layouts other programs write, made here. Expected texts are the player's Windows-1252 bytes.
#include <gtest/gtest.h>

#include "tests/import/import_test_support.h"
#include "tools/import/csv_import.h"

namespace {

struct Sample {
    const char* file;
    char separator;
};

class SavedByCalc : public testing::TestWithParam<Sample> {};

TEST_P(SavedByCalc, CarriesEveryQuestionWithItsAccentsQuotesAndLineBreaks) {
    const ImportResult r = ImportBytes(ReadTestFile(GetParam().file), false);
    EXPECT_EQ(r.separator, GetParam().separator);
    EXPECT_TRUE(r.header);
    ASSERT_EQ(r.read.size(), 1u) << AllNotes(r);
    const QuizContent& quiz = r.read[0].content;
    EXPECT_EQ(quiz.quizKind, 0);
    ASSERT_EQ(quiz.questions.size(), 6u);
    const char* const expected[][2] = {
        {"Capitale de l'Angleterre ?", "Londres"},
        {"Ville de la R\xE9"
         "forme ; au bord du L\xE9man ?",
         "Gen\xE8ve"},
        {"Qui a dit \"Eur\xEAka\" ?", "Archim\xE8"
                                      "de"},
        {"Monnaie de la France depuis 2002 ?", "l'euro (\x80)"},
        {"Le \xAB c\x9Cur \xBB en latin ?", "cor"},
        {"Pays dont Amsterdam est la capitale ?", "Pays-Bas"},
    };
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(quiz.questions[i].questionText, expected[i][0]) << i;
        EXPECT_EQ(quiz.questions[i].answer1, expected[i][1]) << i;
    }
    EXPECT_EQ(quiz.questions[0].extraSpellings1, std::vector<std::string>{"London"});
    EXPECT_EQ(quiz.questions[5].extraSpellings1, std::vector<std::string>{"Hollande"});
    // Lines of the file, counted across the cell that spans two lines.
    EXPECT_TRUE(HasNote(r, 1, "column 3 'Remarque' is not carried over")) << AllNotes(r);
    EXPECT_TRUE(HasNote(r, 5, "question: its line breaks became spaces")) << AllNotes(r);
    EXPECT_TRUE(HasNote(r, 7, "'cor' has 3 characters or fewer")) << AllNotes(r);
}

INSTANTIATE_TEST_SUITE_P(Import, SavedByCalc,
                         testing::Values(Sample{"capitales-libreoffice-1252.csv", ';'},
                                         Sample{"capitales-libreoffice-utf8.tsv", '\t'}));

TEST(CsvImport, MediaColumnsMakeAPictureQuizWithRevealsAndRewards) {
    const ImportResult r = ImportBytes(ReadTestFile("peintres-libreoffice-utf8.csv"), false);
    EXPECT_EQ(r.separator, ',');
    ASSERT_EQ(r.read.size(), 1u) << AllNotes(r);
    const QuizSource& source = r.read[0];
    EXPECT_EQ(source.content.quizKind, 1);
    EXPECT_EQ(source.content.answersPerQuestion, 2);
    EXPECT_EQ(source.content.revealMode, 3);
    ASSERT_EQ(source.content.questions.size(), 2u);
    EXPECT_EQ(source.content.questions[0].answer1, "Vinci");
    EXPECT_EQ(source.content.questions[0].extraSpellings1, std::vector<std::string>{"L\xE9onard de Vinci"});
    EXPECT_EQ(source.content.questions[0].answer2, "XVIe");
    EXPECT_EQ(source.content.questions[0].revealText, "Au Louvre, Paris");
    EXPECT_EQ(source.media[0].picture, "joconde.jpg");
    EXPECT_EQ(source.media[0].reward, "louvre.jpg");
    EXPECT_EQ(source.content.questions[1].answer2, "-");
    EXPECT_EQ(source.content.questions[1].revealText, "Madrid, Reina Sof\xED"
                                                      "a");
    EXPECT_TRUE(
        HasNote(r, 4, "'No picture here' is not carried over: every question of this quiz needs a picture"))
        << AllNotes(r);
}

struct Layout {
    std::string bytes;
    char separator;
    bool header;
    const char* firstQuestion; // Windows-1252
    const char* firstAnswer;
    size_t questions;
};

TEST(CsvImport, FindsSeparatorHeaderAndEncodingByItself) {
    const Layout layouts[] = {
        // A comma inside a quoted English question.
        {"question,answer\r\n\"Paris, France ?\",Paris\r\n", ',', true, "Paris, France ?", "Paris", 1},
        // Commas in every question of a file without a header: the semicolon is the separator.
        {"Capitale, au nord ?;Oslo\nCapitale, au sud ?;Rome\n", ';', false, "Capitale, au nord ?", "Oslo", 2},
        // UTF-8 with its mark, tab-separated, header words in capitals, accents and the columns shuffled.
        {"\xEF\xBB\xBFR\xC3\x89PONSE\t  Question \tR\xC3\xA9v\xC3\xA9lation\nLyon\tO\xC3\xB9 ?\tx\n", '\t',
         true, "O\xF9 ?", "Lyon", 1},
        // Windows-1252 without a header, a quoted cell holding CR LF and doubled quotes, an empty row.
        {"\"Dit \"\"oui\"\"\r\nou non ?\";Fran\xE7ois\r\n;;\r\n\xC9t\xE9 ?;\xE9t\xE9\r\n", ';', false,
         "Dit \"oui\" ou non ?", "Fran\xE7ois", 2},
        // Old Mac line ends, a header naming an answer column as "answer 1".
        {"Question,Answer 1\rDeux ?,Two\r", ',', true, "Deux ?", "Two", 1},
        // UTF-16 as a spreadsheet saves "Unicode text": little-endian with its mark.
        {std::string("\xFF\xFEq\0\t\0a\0\n\0\xE9\0\t\0\xE8\0\xE8\0\xE8\0\xE8\0\n\0", 24), '\t', false, "q",
         "a", 2},
    };
    for (const Layout& l : layouts) {
        const ImportResult r = ImportBytes(l.bytes, false);
        EXPECT_EQ(r.separator, l.separator) << l.bytes;
        EXPECT_EQ(r.header, l.header) << l.bytes;
        ASSERT_EQ(r.read.size(), 1u) << l.bytes << AllNotes(r);
        ASSERT_EQ(r.read[0].content.questions.size(), l.questions) << l.bytes;
        EXPECT_EQ(r.read[0].content.questions[0].questionText, l.firstQuestion) << l.bytes;
        EXPECT_EQ(r.read[0].content.questions[0].answer1, l.firstAnswer) << l.bytes;
    }
}

TEST(CsvImport, NamesWithItsLineWhatTheQuizCannotHold) {
    const std::string answer56(56, 'a');
    const ImportResult r = ImportBytes("Vrai | faux ?;oui\n" // 1
                                       "Trop long ?;" +
                                           answer56 +
                                           " | court\n"                     // 2
                                           "Chinois \xE4\xB8\xAD ?;zhong\n" // 3
                                           "Pas de r\xC3\xA9ponse ?;\n"     // 4
                                           "Quatre;colonnes;x;y\n"          // 5
                                           "\"Jamais ferm\xC3\xA9;non\n",   // 6
                                       false);
    ASSERT_EQ(r.read.size(), 1u) << AllNotes(r);
    const QuizContent& quiz = r.read[0].content;
    ASSERT_EQ(quiz.questions.size(), 4u) << AllNotes(r);
    EXPECT_EQ(quiz.questions[0].questionText, "Vrai / faux ?");
    EXPECT_EQ(quiz.questions[1].answer1, "court");
    EXPECT_EQ(quiz.questions[2].questionText, "Chinois ? ?");
    EXPECT_TRUE(HasNote(r, 1, "holds '|'")) << AllNotes(r);
    EXPECT_TRUE(HasNote(r, 2, "is 56 characters long, and an answer field takes 55")) << AllNotes(r);
    EXPECT_TRUE(HasNote(r, 3, "\xE4\xB8\xAD, which the player cannot show")) << AllNotes(r);
    EXPECT_TRUE(HasNote(r, 4, "'Pas de r\xC3\xA9ponse ?' is not carried over")) << AllNotes(r);
    EXPECT_TRUE(HasNote(r, 5, "column 4 and those after it are not carried over")) << AllNotes(r);
    EXPECT_TRUE(HasNote(r, 6, "never closed")) << AllNotes(r);
}

TEST(CsvImport, KeepsTheSpellingsAFieldHolds) {
    std::string nine, long1(50, 'a');
    for (int i = 1; i <= 9; ++i)
        nine += (i > 1 ? " | " : "") + std::string("mot") + std::to_string(i);
    const std::string many =
        long1 + "1 | " + long1 + "2 | " + long1 + "3 | " + long1 + "4 | " + long1 + "5 | " + long1 + "6 | x7";
    const ImportResult r = ImportBytes("Neuf ?;" + nine +
                                           "\n" // 1
                                           "Longues ?;" +
                                           many +
                                           "\n"                                 // 2
                                           "Casse ?;Paris | PARIS | a \\| b\n", // 3
                                       false);
    ASSERT_EQ(r.read.size(), 1u) << AllNotes(r);
    const std::vector<QuestionContent>& q = r.read[0].content.questions;
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(q[0].extraSpellings1.size(), 7u); // eight in all, the first included
    EXPECT_TRUE(HasNote(r, 1, "the spelling 'mot9' is not carried over: a field accepts at most 8"))
        << AllNotes(r);
    EXPECT_EQ(q[1].extraSpellings1.size(), 5u); // 5 x 51 characters hold in 259, a 6th does not, "x7" does
    EXPECT_EQ(q[1].extraSpellings1.back(), "x7");
    EXPECT_TRUE(HasNote(r, 2, "take at most 259 characters together")) << AllNotes(r);
    // Spellings the judge cannot tell apart are one; a bar may stand inside a later spelling.
    EXPECT_EQ(q[2].answer1, "Paris");
    EXPECT_EQ(q[2].extraSpellings1, std::vector<std::string>{"a | b"});
}

std::string Rows(int count) {
    std::string csv = "question;answer\n";
    for (int i = 1; i <= count; ++i)
        csv += "Question " + std::to_string(i) + ";reponse" + std::to_string(i) + "\n";
    return csv;
}

TEST(CsvImport, MoreThanAQuizHoldsKeepsTheFirstOrSplitsEvenly) {
    const ImportResult first = ImportBytes(Rows(100), false);
    ASSERT_EQ(first.read.size(), 1u);
    EXPECT_EQ(first.read[0].content.questions.size(), 96u);
    EXPECT_EQ(first.read[0].content.questions.back().answer1, "reponse96");
    EXPECT_TRUE(HasNote(first, 98, "the file gives 100 questions and a quiz holds 96")) << AllNotes(first);

    const ImportResult split = ImportBytes(Rows(193), false, true);
    ASSERT_EQ(split.read.size(), 3u) << AllNotes(split);
    const size_t sizes[] = {64, 64, 65};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(split.read[i].content.questions.size(), sizes[i]);
        EXPECT_EQ(split.read[i].content.title, "sample (" + std::to_string(i + 1) + "/3)");
    }
    EXPECT_EQ(split.read[1].content.questions[0].answer1, "reponse65");
    EXPECT_EQ(split.sources[2].firstLine, 130);
    EXPECT_EQ(split.sources[2].lastLine, 194);
}

TEST(CsvImport, SpellingsSplitAtBarsThatAreNotEscaped) {
    const struct {
        const char* cell;
        std::vector<std::string> spellings;
    } cases[] = {
        {"Londres | London", {"Londres", "London"}},
        {" a ||  b |", {"a", "b"}},
        {"x \\| y", {"x | y"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCellSpellings(c.cell), c.spellings) << c.cell;
}

TEST(CsvImport, SpellingsInACellBecomeTheAnswersSpellingsAsFarAsAFieldKeepsThem) {
    const std::string nine = "a1|a2|a3|a4|a5|a6|a7|a8|a9";
    const ImportResult r = ImportBytes("question;answer\nCapitale du Royaume-Uni;Londres | London\n"
                                       "Pays des tulipes;Pays-Bas|Hollande|pays-bas\nNeuf;" +
                                           nine + "\n",
                                       false);
    ASSERT_EQ(r.read.size(), 1u) << AllNotes(r);
    const std::vector<QuestionContent>& q = r.read[0].content.questions;
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(q[0].answer1, "Londres");
    EXPECT_EQ(q[0].extraSpellings1, std::vector<std::string>{"London"});
    EXPECT_NE(r.sources[0].text.find("answer: Londres | London\n"), std::string::npos) << r.sources[0].text;
    EXPECT_EQ(q[1].extraSpellings1, std::vector<std::string>{"Hollande"}); // the same again is dropped
    EXPECT_EQ(q[2].extraSpellings1.size(), 7u);
    EXPECT_TRUE(HasNote(r, 4, "the spelling 'a9' is not carried over: a field accepts at most 8 spellings"))
        << AllNotes(r);
}

} // namespace
