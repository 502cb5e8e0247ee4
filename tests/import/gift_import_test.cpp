// A GIFT file with every construct of the format (data/every-construct.gift): the short answers come
// over, everything else is named with its line.
#include <gtest/gtest.h>

#include "tests/import/import_test_support.h"
#include "tools/import/gift_import.h"

namespace {

TEST(GiftImport, CarriesShortAnswersWithTheirEscapesAndBlanks) {
    const ImportResult r = ImportBytes(ReadTestFile("every-construct.gift"), true);
    ASSERT_EQ(r.read.size(), 1u) << AllNotes(r);
    const QuizContent& quiz = r.read[0].content;
    EXPECT_EQ(quiz.title, "G\xE9ographie"); // the one category's last part
    const char* const expected[][2] = {
        {"Quelle est la capitale du Royaume-Uni ?", "Londres"},
        {"Qui est enterr\xE9 dans la tombe de Grant ?", "Grant"},
        {"Deux et deux font _____ au moins.", "quatre"},
        {"Un {mot} ~ un = un # et 1:2 ?", "a=b"},
        {"Le gras & l'italique ?", "oui"},
        {"Sans texte", "vide"},
        {"Ligne suivante ?", "ok"},
    };
    ASSERT_EQ(quiz.questions.size(), 7u) << AllNotes(r);
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(quiz.questions[i].questionText, expected[i][0]) << i;
        EXPECT_EQ(quiz.questions[i].answer1, expected[i][1]) << i;
    }
    // Every `=answer` of full weight is a spelling of the field.
    EXPECT_EQ(quiz.questions[0].extraSpellings1, std::vector<std::string>{"London"});
    EXPECT_EQ(quiz.questions[1].extraSpellings1,
              (std::vector<std::string>{"Ulysses S. Grant", "Ulysses Grant"}));
    EXPECT_EQ(quiz.questions[2].extraSpellings1, std::vector<std::string>{"4"});
    EXPECT_EQ(quiz.questions[3].extraSpellings1, std::vector<std::string>{"c#d"});
}

TEST(GiftImport, NamesEveryConstructLeftBehindWithItsLine) {
    const ImportResult r = ImportBytes(ReadTestFile("every-construct.gift"), true);
    const struct {
        int line;
        const char* text;
    } notes[] = {
        {11, "the feedback of the answer 'Ulysses S. Grant' is not carried over"},
        {12, "the answer 'Ulysse' weighs 50%"},
        {18, "the general feedback of 'Escapes: tous'"},
        {20, "the HTML formatting of 'HTML'"},
        {24, "the multiple-choice question 'Couleur'"},
        {26, "the multiple-choice question 'Plusieurs'"},
        {28, "the true/false question 'Soleil'"},
        {30, "the true/false question 'Une baleine est un poisson.'"},
        {32, "the matching question 'Paires'"},
        {34, "the numerical question 'Pi'"},
        {36, "the numerical question 'Un nombre de 1 \xC3\xA0 5 ?'"},
        {38, "the numerical question 'Pi encore ?'"},
        {40, "the essay question 'Essai'"},
        {42, "the description 'Ceci n'est qu'une description.'"},
        {46, "'Ouvert' open with a brace that never closes"},
    };
    for (const auto& note : notes)
        EXPECT_TRUE(HasNote(r, note.line, note.text)) << note.line << " " << note.text << "\n" << AllNotes(r);
    // A weight of 100% is a plain right answer: nothing to name.
    for (const SourceMessage& note : r.notes)
        EXPECT_FALSE(note.text.find("weighs") != std::string::npos && note.line == 13) << note.text;
}

TEST(GiftImport, ToldApartFromDelimitedText) {
    EXPECT_TRUE(LooksLikeGift(ReadTestFile("every-construct.gift")));
    EXPECT_TRUE(LooksLikeGift("Deux et deux ?{=quatre}\n"));
    EXPECT_TRUE(LooksLikeGift("Le ciel est bleu.{T}\n"));
    EXPECT_FALSE(LooksLikeGift(ReadTestFile("capitales-libreoffice-utf8.tsv")));
    EXPECT_FALSE(LooksLikeGift("question;answer\n\"Ensemble {1, 2} ?\";oui\n"));
}

} // namespace
