// "Cacher": found questions of a picture quiz close up, full rows close up, and clearing the box puts
// every control back where it was, whatever the scroll position.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <set>
#include <vector>

#include "judging/score_line.h"
#include "questionpanel/panel_scroll.h"
#include "tests/header/stand_in_panel.h"

namespace {

struct Snapshot {
    std::map<int, POINT> positions; // content coordinates
    std::map<int, bool> shown;
    int contentHeight;
};

constexpr int kQuestions = 7; // rows of three, three and one

std::vector<int> AllIds(int answersPerQuestion) {
    std::vector<int> ids{156};
    for (int n = 1; n <= kQuestions; ++n)
        for (int id : BlockControlIds(n, answersPerQuestion))
            ids.push_back(id);
    return ids;
}

Snapshot Take(const StandInPanel& quiz) {
    Snapshot snapshot{{}, {}, quiz.document.contentHeight};
    for (int id : AllIds(quiz.document.answersPerQuestion)) {
        if (!GetDlgItem(quiz.panel, id)) continue;
        snapshot.positions[id] = quiz.ContentPosition(id);
        snapshot.shown[id] = quiz.Shown(id);
    }
    return snapshot;
}

void ExpectSame(const Snapshot& expected, const Snapshot& actual, const char* when) {
    EXPECT_EQ(actual.contentHeight, expected.contentHeight) << when;
    for (const auto& [id, position] : expected.positions) {
        EXPECT_EQ(actual.positions.at(id).x, position.x) << when << ", control " << id;
        EXPECT_EQ(actual.positions.at(id).y, position.y) << when << ", control " << id;
        EXPECT_EQ(actual.shown.at(id), expected.shown.at(id)) << when << ", control " << id;
    }
}

// What the box should make of `before`: a found question's answer lines rise by its row's height over
// its hidden picture and reveal; after a row of three found questions every later block rises by the
// row's height, and by the reveal labels' 65 pixels when there are some.
Snapshot Collapsed(const Snapshot& before, const std::set<int>& found, const std::vector<int>& rowHeights,
                   int answersPerQuestion, int revealMode) {
    Snapshot after = before;
    int lift = 0; // of closed rows above
    for (int row = 0; row * 3 < kQuestions; ++row) {
        for (int n = row * 3 + 1; n <= row * 3 + 3 && n <= kQuestions; ++n) {
            const bool isFound = found.count(n) != 0;
            for (int id : BlockControlIds(n, answersPerQuestion)) {
                if (!after.positions.count(id)) continue;
                const bool media = id == 9900 + n || id == 8000 + n;
                after.positions[id].y -= lift + (isFound && !media ? rowHeights[row] : 0);
                if (isFound && media) after.shown[id] = false;
            }
        }
        bool closed = row * 3 + 3 <= kQuestions;
        for (int n = row * 3 + 1; n <= row * 3 + 3; ++n)
            closed = closed && found.count(n);
        if (closed) lift += rowHeights[row] + (revealMode > 1 ? 65 : 0);
    }
    after.contentHeight -= lift;
    return after;
}

TEST(CollapseFoundQuestions, TickingClosesUpAndClearingRestoresExactly) {
    const std::vector<int> heights{200, 150, 180};
    const struct {
        int answersPerQuestion, revealMode;
        std::set<int> found;
    } cases[] = {
        {1, 0, {2}},                // one question: its lines rise, nothing else moves
        {1, 0, {1, 2, 3}},          // the first row closes: the later rows rise by 200
        {2, 2, {1, 2, 3, 5}},       // reveal labels: the later rows rise by 200 + 65
        {1, 5, {4, 5, 6, 7}},       // a middle row, and the last question of a short row
        {2, 3, {1, 2, 3, 4, 5, 6}}, // two rows closed: the last block rises by both
        {1, 2, {1, 3, 7}},          // a row with a gap does not close
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "M " << c.answersPerQuestion << ", reveal mode " << c.revealMode
                                        << ", found " << c.found.size());
        StandInPanel quiz({kQuestions, c.answersPerQuestion, c.revealMode, heights}, 900, 400);
        // As the judge left them: found, with their reveal shown where the mode reveals a text.
        for (int n : c.found) {
            quiz.document.questionAt(n - 1)->solved = 1;
            if (c.revealMode > 1) ShowWindow(GetDlgItem(quiz.panel, 8000 + n), SW_SHOWNORMAL);
        }
        // Scrolled to the bottom: closing up lowers the last position, and the content follows the bar.
        quiz.Send(WM_VSCROLL, SB_BOTTOM);
        const Snapshot before = Take(quiz);
        const Snapshot collapsed = Collapsed(before, c.found, heights, c.answersPerQuestion, c.revealMode);

        for (int round = 1; round <= 2; ++round) {
            quiz.Tick(true);
            CollapseFoundQuestions(&quiz.document);
            ExpectSame(collapsed, Take(quiz), "ticked");
            CollapseFoundQuestions(&quiz.document); // again: nothing closes up twice
            ExpectSame(collapsed, Take(quiz), "ticked twice");
            EXPECT_EQ(quiz.Bar(SB_VERT).nMax, collapsed.contentHeight - 2);

            quiz.Tick(false);
            CollapseFoundQuestions(&quiz.document);
            ExpectSame(before, Take(quiz), "cleared");
            for (int n = 1; n <= kQuestions; ++n)
                EXPECT_EQ(quiz.document.questionStates[n], 0) << n;
        }
    }
}

TEST(CollapseFoundQuestions, AQuestionFoundWhileTickedClosesUpOnTheScoreRefresh) {
    const std::vector<int> heights{200, 150, 180};
    StandInPanel quiz({kQuestions, 1, 2, heights}, 900, 400);
    const Snapshot start = Take(quiz);
    quiz.Tick(true);
    quiz.document.questionAt(0)->solved = 1;
    quiz.document.questionAt(1)->solved = 1;
    RefreshScore(&quiz.document, quiz.panel);
    ExpectSame(Collapsed(start, {1, 2}, heights, 1, 2), Take(quiz), "two found");

    quiz.document.questionAt(2)->solved = 1;
    RefreshScore(&quiz.document, quiz.panel);
    ExpectSame(Collapsed(start, {1, 2, 3}, heights, 1, 2), Take(quiz), "the row found");
    EXPECT_EQ(quiz.document.questionStates[3], 2);
}

TEST(CollapseFoundQuestions, ChangesNoWindowWithoutThePanelOrTheBox) {
    StandInPanel quiz({kQuestions, 2, 2, {200, 150, 180}}, 900, 400);
    for (int n = 1; n <= 3; ++n)
        quiz.document.questionAt(n - 1)->solved = 1;
    const Snapshot start = Take(quiz);
    quiz.Tick(true);

    // The judgements made while the panel is built: the document does not know the panel yet.
    quiz.document.questionPanel = nullptr;
    CollapseFoundQuestions(&quiz.document);
    RefreshScore(&quiz.document, quiz.panel);
    quiz.document.questionPanel = quiz.panel;
    ExpectSame(start, Take(quiz), "before the panel is known");
    for (int n = 1; n <= kQuestions; ++n)
        EXPECT_EQ(quiz.document.questionStates[n], 0) << n;

    // A quiz of another kind has no box: it reads as not ticked.
    DestroyWindow(GetDlgItem(quiz.header, kHideBoxId));
    CollapseFoundQuestions(&quiz.document);
    ExpectSame(start, Take(quiz), "without the box");
    CollapseFoundQuestions(nullptr);
}

} // namespace
