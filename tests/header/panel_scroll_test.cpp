// The question panel's scroll bars, scroll codes, wheel and resizing, on a panel made from the player's
// own template.
#include <gtest/gtest.h>

#include <windows.h>

#include "questionpanel/panel_scroll.h"
#include "questionpanel/panel_state.h"
#include "questionpanel/scroll_codes.h"
#include "tests/header/stand_in_panel.h"

namespace {

// Content of the given size over the controls of four picture questions.
struct Sized : StandInPanel {
    Sized(int contentWidth, int contentHeight, int clientWidth, int clientHeight)
        : StandInPanel({4, 1, 0, {200, 200}}, clientWidth, clientHeight) {
        document.contentWidth = contentWidth;
        document.contentHeight = contentHeight;
        SetPanelScrollRanges(&document, panel);
    }
};

TEST(PanelScroll, RangesFollowContentAndClientSizes) {
    const struct {
        int contentWidth, contentHeight, horizontalMax, horizontalPage, verticalMax, verticalPage;
    } cases[] = {
        {880, 755, 878, 879, 753, 399},     // a text list of 30 questions in 900 x 400: 355 reachable
        {1030, 1200, 1028, 899, 1198, 399}, // a grid wider and taller than the panel
        {300, 200, 298, 299, 198, 199},     // fits: the page covers the range, the bars show disabled
        {0, 0, 0, 1, 0, 1},                 // no question at all: one position, not a reversed range
    };
    for (const auto& c : cases) {
        Sized quiz(c.contentWidth, c.contentHeight, 900, 400);
        const SCROLLINFO horizontal = quiz.Bar(SB_HORZ), vertical = quiz.Bar(SB_VERT);
        EXPECT_EQ(horizontal.nMax, c.horizontalMax) << c.contentWidth;
        EXPECT_EQ(static_cast<int>(horizontal.nPage), c.horizontalPage) << c.contentWidth;
        EXPECT_EQ(vertical.nMax, c.verticalMax) << c.contentHeight;
        EXPECT_EQ(static_cast<int>(vertical.nPage), c.verticalPage) << c.contentHeight;
        // At the last position the content's bottom meets the window's.
        quiz.Send(WM_VSCROLL, SB_BOTTOM);
        quiz.Send(WM_HSCROLL, SB_PAGERIGHT);
        EXPECT_EQ(quiz.Position(SB_VERT), c.contentHeight > 400 ? c.contentHeight - 400 : 0);
        EXPECT_EQ(quiz.Position(SB_HORZ), c.contentWidth > 900 ? c.contentWidth - 900 : 0);
    }
}

TEST(PanelScroll, EveryCodeMovesByItsStepWithinTheRange) {
    // 1030 x 755 pixels in 900 x 400: positions 0 to 130 across and 0 to 355 down, pages 899 and 399.
    const struct {
        int bar, start;
        WPARAM code;
        int target; // scrollTarget for code 502
        int expected;
    } cases[] = {
        {SB_VERT, 0, SB_LINEDOWN, 0, 350},
        {SB_VERT, 350, SB_LINEDOWN, 0, 355}, // the bar keeps the last reachable position
        {SB_VERT, 5, SB_LINEUP, 0, 0},
        {SB_VERT, 0, SB_PAGEDOWN, 0, 355},
        {SB_VERT, 300, SB_PAGEUP, 0, 0},
        {SB_VERT, 100, SB_TOP, 0, 0},
        {SB_VERT, 100, SB_BOTTOM, 0, 355},
        {SB_VERT, 100, ScrollWheelDown, 0, 150},
        {SB_VERT, 100, ScrollWheelUp, 0, 50},
        {SB_VERT, 30, ScrollWheelUp, 0, 0},
        {SB_VERT, 0, ScrollToTarget, 200, 200},
        {SB_VERT, 0, ScrollToTarget, 5000, 355},
        {SB_VERT, 100, ScrollToTarget, -70, 0},
        // Not dragging, the track position is the position: wParam's 16-bit one is not used.
        {SB_VERT, 100, MAKEWPARAM(SB_THUMBTRACK, 250), 0, 100},
        {SB_VERT, 100, MAKEWPARAM(SB_THUMBPOSITION, 250), 0, 100},
        {SB_VERT, 100, SB_ENDSCROLL, 0, 100},
        {SB_HORZ, 0, SB_LINERIGHT, 0, 1},
        {SB_HORZ, 130, SB_LINELEFT, 0, 129},
        {SB_HORZ, 0, SB_LINELEFT, 0, 0},
        {SB_HORZ, 130, SB_PAGELEFT, 0, 0},
        {SB_HORZ, 130, SB_LEFT, 0, 130}, // across, only arrows, pages and the thumb move
        {SB_HORZ, 130, ScrollWheelDown, 0, 130},
    };
    Sized quiz(1030, 755, 900, 400);
    const POINT label = quiz.ContentPosition(2001);
    for (const auto& c : cases) {
        const UINT message = c.bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
        scrollTarget = c.start;
        quiz.Send(WM_VSCROLL, ScrollToTarget);
        quiz.Send(WM_HSCROLL, c.start ? SB_PAGERIGHT : SB_PAGELEFT);
        ASSERT_EQ(quiz.Position(c.bar), c.start);
        scrollTarget = c.target;
        quiz.Send(message, c.code);
        EXPECT_EQ(quiz.Position(c.bar), c.expected) << "code " << LOWORD(c.code) << " from " << c.start;
        // The content moved with the bar.
        EXPECT_EQ(quiz.ContentPosition(2001).x, label.x) << "code " << LOWORD(c.code) << " from " << c.start;
        EXPECT_EQ(quiz.ContentPosition(2001).y, label.y) << "code " << LOWORD(c.code) << " from " << c.start;
    }
}

TEST(PanelScroll, WheelNotchesScrollAfterTheWheelMessageAndOtherDeltasDoNot) {
    Sized quiz(1030, 755, 900, 400);
    const struct {
        short delta;
        int expected;
    } notches[] = {
        {-WHEEL_DELTA, 50}, {-40, 50}, {-WHEEL_DELTA, 100}, {WHEEL_DELTA, 50}, {2 * WHEEL_DELTA, 50}};
    for (const auto& notch : notches) {
        const int before = quiz.Position(SB_VERT);
        quiz.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(notch.delta)));
        EXPECT_EQ(quiz.Position(SB_VERT), before) << "posted, not scrolled at once";
        DrainMessages();
        EXPECT_EQ(quiz.Position(SB_VERT), notch.expected) << notch.delta;
    }
}

TEST(PanelScroll, ResizingKeepsTheContentUnderTheBars) {
    Sized quiz(1030, 755, 900, 400);
    quiz.Send(WM_VSCROLL, SB_BOTTOM);
    quiz.Send(WM_HSCROLL, SB_PAGERIGHT);
    const POINT label = quiz.ContentPosition(2004);
    const struct {
        int width, height, horizontal, vertical;
    } sizes[] = {{1000, 600, 30, 155}, {1200, 800, 0, 0}, {900, 400, 0, 0}};
    for (const auto& size : sizes) {
        quiz.SetClientSize(size.width, size.height);
        EXPECT_EQ(quiz.Position(SB_HORZ), size.horizontal) << size.width;
        EXPECT_EQ(quiz.Position(SB_VERT), size.vertical) << size.height;
        EXPECT_EQ(quiz.ContentPosition(2004).x, label.x) << size.width;
        EXPECT_EQ(quiz.ContentPosition(2004).y, label.y) << size.height;
    }
}

} // namespace
