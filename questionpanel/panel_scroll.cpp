#include "questionpanel/panel_scroll.h"

#include "header/header_ids.h"
#include "questionpanel/panel_controls.h"
#include "questionpanel/panel_ids.h"
#include "questionpanel/panel_state.h"
#include "questionpanel/question_blocks.h"
#include "questionpanel/scroll_codes.h"

namespace {

constexpr int kRevealLabelHeight = 65; // a closed row also gives up the reveal labels under it
constexpr int kLineStep = 350;         // one click on the vertical bar's arrow
constexpr int kWheelStep = 50;         // one wheel notch

// Modes of MoveBlock.
enum : int {
    kCollapse = 1,     // hide picture and reveal, lift the answer lines into their place
    kCloseRow = 2,     // move the whole block
    kExpand = 3,       // show picture and reveal, put the answer lines back under them
    kExpandRowEnd = 4, // the same for the question that closed its row
    kReopenRow = 5,    // move the whole block back
};

int Clamp(int value, int low, int high) {
    return value < low ? low : value > high ? high : value;
}

// One bar's range for a content of `content` pixels seen through `visible` pixels of client area. A
// content that fits gets a page covering its whole range, so the bar shows disabled; a content of 0 or
// 1 pixel still gets a range of one position rather than a reversed one.
void SetBarRange(HWND panel, int bar, int content, int visible) {
    if (content <= visible) {
        visible = content;
        SetScrollPos(panel, bar, 0, FALSE);
    }
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = content - 2 > 0 ? content - 2 : 0;
    info.nPage = static_cast<UINT>(visible - 1 > 1 ? visible - 1 : 1);
    SetScrollInfo(panel, bar, &info, TRUE);
}

// Sets the bar's position clamped to its range and scrolls the panel's content by what the bar kept.
void ScrollBarTo(HWND panel, int bar, const SCROLLINFO& info, int position) {
    position = Clamp(position, info.nMin, info.nMax);
    SetScrollPos(panel, bar, position, TRUE);
    // The bar lowers the position to the last one where the page still fits.
    const int kept = GetScrollPos(panel, bar);
    const int moved = info.nPos - kept;
    if (moved == 0) return;
    if (bar == SB_VERT)
        ScrollWindow(panel, 0, moved, nullptr, nullptr);
    else
        ScrollWindow(panel, moved, 0, nullptr, nullptr);
}

SCROLLINFO BarInfo(HWND panel, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(panel, bar, &info)) info = SCROLLINFO{};
    return info;
}

// Moves control `id` of `panel` by `offset` pixels down (up when negative); a missing control is skipped.
void MoveControl(HWND panel, int id, int offset) {
    HWND control = FindPanelControl(panel, id);
    if (!control) return;
    RECT rect{};
    GetWindowRect(control, &rect);
    POINT topLeft{rect.left, rect.top + offset};
    ScreenToClient(panel, &topLeft);
    SetWindowPos(control, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

bool HideBoxTicked(const QuizDocument* document) {
    return document->headerPanel &&
           SendDlgItemMessageA(document->headerPanel, kHideBoxId, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// How far the blocks after a closed row move: the row's pictures, and the reveal labels when there are.
int RowGap(const QuizDocument* document, int row) {
    return document->rowHeights[row] + (document->revealMode > 1 ? kRevealLabelHeight : 0);
}

void CollapseRows(QuizDocument* document, HWND panel, int questions) {
    int row = 0;
    int hidden = 0;
    for (int n = 1; n <= questions; ++n) {
        if (document->questionStates[n] == 1) ++hidden;
        const QuestionRecord* record = document->questionAt(n - 1);
        if (record && record->solved && document->questionStates[n] == 0) {
            MoveBlock(document, kCollapse, SW_HIDE, panel, document->rowHeights[row], -1, n);
            ++hidden;
            document->questionStates[n] = 1;
        }
        if (n % 3 != 0) continue;
        // A row closed up once has its last question in state 2, which does not count: never twice.
        if (hidden == 3) {
            const int gap = RowGap(document, row);
            for (int later = n + 1; later <= questions; ++later)
                MoveBlock(document, kCloseRow, SW_SHOWNORMAL, panel, gap, -1, later);
            document->contentHeight -= gap;
            document->questionStates[n] = 2;
        }
        ++row;
        hidden = 0;
    }
}

void ExpandRows(QuizDocument* document, HWND panel, int questions) {
    int row = 0;
    for (int n = 1; n <= questions; ++n) {
        const int state = document->questionStates[n];
        if (state == 1) {
            MoveBlock(document, kExpand, SW_SHOWNORMAL, panel, document->rowHeights[row], 1, n);
        } else if (state == 2) {
            MoveBlock(document, kExpandRowEnd, SW_SHOWNORMAL, panel, document->rowHeights[row], 1, n);
            const int gap = RowGap(document, row);
            document->contentHeight += gap;
            for (int later = n + 1; later <= questions; ++later)
                MoveBlock(document, kReopenRow, SW_SHOWNORMAL, panel, gap, 1, later);
        }
        document->questionStates[n] = 0;
        if (n % 3 == 0) ++row;
    }
}

} // namespace

void SetPanelScrollRanges(QuizDocument* document, HWND panel) {
    if (!document || !panel) return;
    RECT client{};
    GetClientRect(panel, &client);
    SetBarRange(panel, SB_HORZ, document->contentWidth, client.right);
    SetBarRange(panel, SB_VERT, document->contentHeight, client.bottom);
}

void ScrollPanelVertically(QuizDocument*, HWND panel, WPARAM wParam) {
    const SCROLLINFO info = BarInfo(panel, SB_VERT);
    int position = info.nPos;
    switch (LOWORD(wParam)) {
    case SB_LINEUP: position -= kLineStep; break;
    case SB_LINEDOWN: position += kLineStep; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    // The track position, not wParam's 16-bit one: contents can be taller than 65535 pixels.
    case SB_THUMBTRACK: position = info.nTrackPos; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = info.nMax; break;
    case ScrollWheelDown: position += kWheelStep; break;
    case ScrollWheelUp: position -= kWheelStep; break;
    case ScrollToTarget: position = scrollTarget; break;
    default: return;
    }
    ScrollBarTo(panel, SB_VERT, info, position);
}

void ScrollPanelHorizontally(HWND panel, WPARAM wParam) {
    const SCROLLINFO info = BarInfo(panel, SB_HORZ);
    int position = info.nPos;
    switch (LOWORD(wParam)) {
    case SB_LINELEFT: position -= 1; break;
    case SB_LINERIGHT: position += 1; break;
    case SB_PAGELEFT: position -= static_cast<int>(info.nPage); break;
    case SB_PAGERIGHT: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK: position = info.nTrackPos; break;
    default: return;
    }
    ScrollBarTo(panel, SB_HORZ, info, position);
}

void ResizePanel(QuizDocument* document, HWND panel) {
    if (!document || !panel) return;
    const int horizontal = GetScrollPos(panel, SB_HORZ);
    const int vertical = GetScrollPos(panel, SB_VERT);
    SetPanelScrollRanges(document, panel);
    // New ranges may have lowered the positions: the content follows the bars.
    const int dx = horizontal - GetScrollPos(panel, SB_HORZ);
    const int dy = vertical - GetScrollPos(panel, SB_VERT);
    if (dx != 0 || dy != 0) ScrollWindow(panel, dx, dy, nullptr, nullptr);
}

void CollapseFoundQuestions(QuizDocument* document) {
    // The judgements made while the panel is built come here before the document knows the panel.
    if (!document || !document->questionPanel || !IsWindow(document->questionPanel)) return;
    HWND panel = document->questionPanel;
    // The tables hold 96 questions, in 32 rows of three.
    const int questions = Clamp(document->questionCount, 0, kMaxQuestions);
    if (HideBoxTicked(document))
        CollapseRows(document, panel, questions);
    else
        ExpandRows(document, panel, questions);
    ResizePanel(document, panel);
}

void MoveBlock(QuizDocument* document, int mode, int showCommand, HWND panel, int distance, int direction,
               int question) {
    if (!document || !panel || question < 1 || question > kMaxQuestions) return;
    const int offset = distance * direction;
    if (mode == kCloseRow || mode == kReopenRow) {
        MoveControl(panel, kPictureFrameBase + question, offset);
        MoveControl(panel, kRevealLabelBase + question, offset);
    } else {
        ShowPanelControl(panel, kPictureFrameBase + question, showCommand);
        ShowPanelControl(panel, kRevealLabelBase + question, showCommand);
    }
    const bool two = document->answersPerQuestion == 2;
    const int field = two ? 2 * question - 1 : question;
    MoveControl(panel, kAnswerFieldBase + field, offset);
    MoveControl(panel, kVerdictLabelBase + field, offset);
    MoveControl(panel, kNumberLabelBase + question, offset);
    if (two) {
        MoveControl(panel, kAnswerFieldBase + field + 1, offset);
        MoveControl(panel, kVerdictLabelBase + field + 1, offset);
    }
}
