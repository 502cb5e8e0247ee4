// The question panel's scroll bars, scroll codes, wheel and resizing, on a panel made from the player's
// own template.
#include <gtest/gtest.h>

#include <windows.h>

#include "questionpanel/panel_scroll.h"
#include "questionpanel/panel_state.h"
#include "questionpanel/scroll_codes.h"
#include "tests/header/stand_in_panel.h"

namespace {

SCROLLINFO Bar(HWND panel, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(panel, bar, &info);
    return info;
}

// Content of the given size on a picture quiz of four questions (its controls stay where they are).
struct Sized : StandInPanel {
    Sized(int contentWidth, int contentHeight, int clientWidth, int clientHeight)
        : StandInPanel({4, 1, 0, {200, 200}}, clientWidth, clientHeight) {
        document.contentWidth = contentWidth;
        document.contentHeight = contentHeight;
        SetPanelScrollRanges(&document, panel);
    }
};

TEST(PanelScrollRanges, FollowContentAndClientSizes) {
    const struct {
        int contentWidth, contentHeight, clientWidth, clientHeight;
        int horizontalMax, horizontalPage, verticalMax, verticalPage;
    } cases[] = {
        {880, 755, 900, 400, 878, 879, 753, 399},     // a text list of 30 questions: 355 reachable
        {1030, 1200, 900, 400, 1028, 899, 1198, 399}, // a grid wider and taller than the panel
        {300, 200, 900, 400, 298, 299, 198, 199},     // fits: the page covers the range
        {900, 400, 900, 400, 898, 899, 398, 399},     // exactly fits
        {0, 0, 900, 400, 0, 1, 0, 1},                 // no question at all: one position
    };
    for (const auto& c : cases) {
        Sized quiz(c.contentWidth, c.contentHeight, c.clientWidth, c.clientHeight);
        const SCROLLINFO horizontal = Bar(quiz.panel, SB_HORZ), vertical = Bar(quiz.panel, SB_VERT);
        EXPECT_EQ(horizontal.nMin, 0);
        EXPECT_EQ(horizontal.nMax, c.horizontalMax) << c.contentWidth;
        EXPECT_EQ(static_cast<int>(horizontal.nPage), c.horizontalPage) << c.contentWidth;
        EXPECT_EQ(vertical.nMax, c.verticalMax) << c.contentHeight;
        EXPECT_EQ(static_cast<int>(vertical.nPage), c.verticalPage) << c.contentHeight;
        // The bottom of the content meets the bottom of the window at the last position.
        quiz.Send(WM_VSCROLL, SB_BOTTOM);
        quiz.Send(WM_HSCROLL, SB_PAGERIGHT);
        quiz.Send(WM_HSCROLL, SB_PAGERIGHT);
        EXPECT_EQ(quiz.Position(SB_VERT),
                  c.contentHeight > c.clientHeight ? c.contentHeight - c.clientHeight : 0);
        EXPECT_EQ(quiz.Position(SB_HORZ),
                  c.contentWidth > c.clientWidth ? c.contentWidth - c.clientWidth : 0);
    }
}

TEST(PanelScrollRanges, PositionsReturnToZeroWhenTheContentComesToFit) {
    Sized quiz(1030, 755, 900, 400);
    quiz.Send(WM_VSCROLL, SB_BOTTOM);
    quiz.Send(WM_HSCROLL, SB_PAGERIGHT);
    ASSERT_EQ(quiz.Position(SB_VERT), 355);
    ASSERT_EQ(quiz.Position(SB_HORZ), 130);
    quiz.document.contentWidth = 500;
    quiz.document.contentHeight = 300;
    SetPanelScrollRanges(&quiz.document, quiz.panel);
    EXPECT_EQ(quiz.Position(SB_VERT), 0);
    EXPECT_EQ(quiz.Position(SB_HORZ), 0);
}

TEST(PanelScroll, EveryVerticalCodeMovesByItsStepWithinTheRange) {
    // 755 pixels in 400: positions 0 to 355, page 399; number 1's label starts at content y 217.
    const struct {
        int start;
        WPARAM code;
        int target; // scrollTarget for code 502
        int expected;
    } cases[] = {
        {0, SB_LINEDOWN, 0, 350},
        {350, SB_LINEDOWN, 0, 355}, // the bar keeps the last reachable position
        {355, SB_LINEUP, 0, 5},
        {5, SB_LINEUP, 0, 0},
        {0, SB_PAGEDOWN, 0, 355},
        {300, SB_PAGEUP, 0, 0},
        {100, SB_TOP, 0, 0},
        {100, SB_BOTTOM, 0, 355},
        {100, ScrollWheelDown, 0, 150},
        {340, ScrollWheelDown, 0, 355},
        {100, ScrollWheelUp, 0, 50},
        {30, ScrollWheelUp, 0, 0},
        {0, ScrollToTarget, 200, 200},
        {0, ScrollToTarget, 5000, 355},
        {100, ScrollToTarget, -70, 0},
        // Not dragging, the track position is the position: wParam's own 16-bit position is not used.
        {100, MAKEWPARAM(SB_THUMBTRACK, 250), 0, 100},
        {100, MAKEWPARAM(SB_THUMBPOSITION, 250), 0, 100},
        {100, SB_ENDSCROLL, 0, 100},
        {100, 503, 0, 100},
    };
    Sized quiz(1030, 755, 900, 400);
    const POINT label = quiz.ContentPosition(2001);
    for (const auto& c : cases) {
        scrollTarget = c.start;
        quiz.Send(WM_VSCROLL, ScrollToTarget);
        ASSERT_EQ(quiz.Position(SB_VERT), c.start);
        scrollTarget = c.target;
        quiz.Send(WM_VSCROLL, c.code);
        EXPECT_EQ(quiz.Position(SB_VERT), c.expected) << "code " << LOWORD(c.code) << " from " << c.start;
        // The content moved with the bar.
        EXPECT_EQ(quiz.ContentPosition(2001).y, label.y) << "code " << LOWORD(c.code) << " from " << c.start;
        EXPECT_EQ(quiz.Position(SB_HORZ), 0);
    }
}

TEST(PanelScroll, HorizontalCodesMoveOnePixelOrAPage) {
    // 1030 pixels in 900: positions 0 to 130.
    const struct {
        int start;
        WPARAM code;
        int expected;
    } cases[] = {
        {0, SB_LINERIGHT, 1},      {130, SB_LINERIGHT, 130}, {7, SB_LINELEFT, 6}, {0, SB_LINELEFT, 0},
        {0, SB_PAGERIGHT, 130},    {120, SB_PAGELEFT, 0},    {50, SB_LEFT, 50},   {50, SB_RIGHT, 50},
        {50, ScrollWheelDown, 50}, {50, SB_ENDSCROLL, 50},
    };
    Sized quiz(1030, 755, 900, 400);
    const POINT label = quiz.ContentPosition(2001);
    for (const auto& c : cases) {
        // From the nearer end, one pixel at a time.
        quiz.Send(WM_HSCROLL, c.start > 65 ? SB_PAGERIGHT : SB_PAGELEFT);
        for (int step = c.start > 65 ? 130 - c.start : c.start; step > 0; --step)
            quiz.Send(WM_HSCROLL, c.start > 65 ? SB_LINELEFT : SB_LINERIGHT);
        ASSERT_EQ(quiz.Position(SB_HORZ), c.start);
        quiz.Send(WM_HSCROLL, c.code);
        EXPECT_EQ(quiz.Position(SB_HORZ), c.expected) << "code " << c.code << " from " << c.start;
        EXPECT_EQ(quiz.ContentPosition(2001).x, label.x) << "code " << c.code << " from " << c.start;
        EXPECT_EQ(quiz.Position(SB_VERT), 0);
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
