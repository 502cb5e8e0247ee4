// The document: its starting values, the GDI objects it creates and deletes (in order), the question list
// and the 96-question limit of its arrays.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "quizdata/quiz_document.h"
#include "tests/quizdata/recording_gdi_port.h"

namespace {

TEST(QuizDocumentTest, StartsWithTheDefaultQuizAndItsObjects) {
    gdiEvents.clear();
    auto document = std::make_unique<QuizDocument>();
    EXPECT_STREQ(document->title, "nom du jorvo");
    EXPECT_STREQ(document->author, " createur");
    EXPECT_STREQ(document->explanation, "");
    EXPECT_EQ(document->questionCount, 2);
    EXPECT_EQ(document->answersPerQuestion, 1);
    EXPECT_EQ(document->quizKind, 0);
    EXPECT_EQ(document->revealMode, 0);
    EXPECT_EQ(document->allRevealed, 0);
    for (const auto& message : document->scoreMessages)
        EXPECT_STREQ(message, "");
    for (int32_t state : document->questionStates)
        EXPECT_EQ(state, 0);
    EXPECT_EQ(document->firstQuestion, nullptr);
    EXPECT_EQ(document->lastQuestion, nullptr);
    EXPECT_EQ(document->answerFont, nullptr);
    EXPECT_EQ(document->questionPanel, nullptr);
    EXPECT_EQ(document->headerPanel, nullptr);
    EXPECT_STREQ(document->mediaDirectory, "");
    EXPECT_STREQ(document->linkText, "");
    EXPECT_STREQ(document->footerText, "");
    // Stored red, blue, green; the brush is made red | green << 8 | blue << 16.
    EXPECT_EQ(document->backgroundColour[0], 90);
    EXPECT_EQ(document->backgroundColour[1], 150);
    EXPECT_EQ(document->backgroundColour[2], 95);

    struct Expected {
        GdiEvent::Kind kind;
        uint32_t rgb;
        int32_t height, weight;
        bool italic;
        const char* face;
    };
    const Expected created[] = {
        {GdiEvent::kFont, 0, 25, 400, false, "Arial"},
        {GdiEvent::kFont, 0, -15, 700, true, ""},
        {GdiEvent::kBrush, MakeRgb(90, 95, 150), 0, 0, false, ""},
        {GdiEvent::kBrush, MakeRgb(255, 0, 0), 0, 0, false, ""},
        {GdiEvent::kBrush, MakeRgb(255, 100, 0), 0, 0, false, ""},
        {GdiEvent::kBrush, MakeRgb(255, 203, 38), 0, 0, false, ""},
        {GdiEvent::kBrush, MakeRgb(255, 255, 192), 0, 0, false, ""},
    };
    ASSERT_EQ(gdiEvents.size(), 7u);
    for (size_t i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(gdiEvents[i].kind, created[i].kind);
        if (created[i].kind == GdiEvent::kBrush) {
            EXPECT_EQ(gdiEvents[i].rgb, created[i].rgb);
        } else {
            EXPECT_EQ(gdiEvents[i].height, created[i].height);
            EXPECT_EQ(gdiEvents[i].weight, created[i].weight);
            EXPECT_EQ(gdiEvents[i].italic, created[i].italic);
            EXPECT_EQ(gdiEvents[i].face, created[i].face);
        }
    }
    EXPECT_EQ(static_cast<void*>(document->scoreFont), gdiEvents[0].handle);
    EXPECT_EQ(static_cast<void*>(document->titleFont), gdiEvents[1].handle);
    EXPECT_EQ(static_cast<void*>(document->backgroundBrush), gdiEvents[2].handle);
    EXPECT_EQ(static_cast<void*>(document->questionBrush), gdiEvents[6].handle);
}

TEST(QuizDocumentTest, DestructorDeletesEveryObjectInOrderAndFreesTheList) {
    gdiEvents.clear();
    auto* document = new QuizDocument();
    document->answerFont = reinterpret_cast<FontHandle>(0x77); // made by the question panel
    document->addQuestion("a", "b", "c");
    document->addQuestion("d", "e", "f");
    const std::vector<void*> order = {
        document->backgroundBrush, document->wrongBrush, document->anagramBrush, document->hintBrush,
        document->questionBrush,   document->titleFont,  document->answerFont,   document->scoreFont};
    gdiEvents.clear();
    document->~QuizDocument();
    ASSERT_EQ(gdiEvents.size(), order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(gdiEvents[i].kind, GdiEvent::kDelete);
        EXPECT_EQ(gdiEvents[i].handle, order[i]) << i;
    }
    ::operator delete(document); // the records themselves: the ASan build reports any leak
}

TEST(QuizDocumentTest, QuestionListLinksBothWaysAndAnswersTheLastRecordPastItsEnd) {
    QuizDocument document;
    EXPECT_EQ(document.questionAt(0), nullptr);
    document.addQuestion("un", "", "premier");
    QuestionRecord* first = document.firstQuestion;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(document.lastQuestion, first);
    EXPECT_EQ(first->prev, nullptr);
    EXPECT_EQ(first->next, nullptr);
    EXPECT_STREQ(first->revealText, "");
    EXPECT_EQ(first->solved, 0);

    document.addQuestion("deux", "bis", "second");
    QuestionRecord* second = document.lastQuestion;
    EXPECT_EQ(first->next, second);
    EXPECT_EQ(second->prev, first);
    EXPECT_EQ(second->next, nullptr);
    EXPECT_STREQ(second->answer2, "bis");

    const struct {
        int index;
        QuestionRecord* record;
    } lookups[] = {{0, first}, {1, second}, {2, second}, {5, second}};
    for (const auto& lookup : lookups)
        EXPECT_EQ(document.questionAt(lookup.index), lookup.record) << lookup.index;
}

TEST(QuizDocumentTest, OverlongTextsAreCutTo259Characters) {
    QuizDocument document;
    const std::string longText(400, 'x');
    document.addQuestion(longText.c_str(), longText.c_str(), longText.c_str());
    EXPECT_EQ(std::strlen(document.firstQuestion->answer1), 259u);
    EXPECT_EQ(std::strlen(document.firstQuestion->questionText), 259u);
}

} // namespace
