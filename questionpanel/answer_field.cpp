#include "questionpanel/answer_field.h"

#include "header/save_answers.h"
#include "judging/answer_judge.h"
#include "questionpanel/panel_controls.h"
#include "judging/verdict.h"
#include "questionpanel/panel_ids.h"
#include "questionpanel/panel_state.h"
#include "questionpanel/scroll_codes.h"
#include "shell/shell_state.h"

namespace {

constexpr int kViewMargin = 5;

LRESULT CallBaseEditProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!baseEditProc) return DefWindowProcA(field, message, wParam, lParam);
    return CallWindowProcA(baseEditProc, field, message, wParam, lParam);
}

void JudgeField(HWND field) {
    JudgeAnswer(quizDocument, GetParent(field), GetDlgCtrlID(field));
}

void KeepFieldInView(HWND field) {
    if (!quizDocument) return;
    HWND panel = GetParent(field);
    bool outOfView = false;
    scrollTarget = ScrollTargetFor(quizDocument, panel, field, &outOfView);
    if (outOfView) SendMessageA(panel, WM_VSCROLL, ScrollToTarget, 0);
}

// Keys act when released: the dialog manager has moved the focus on the Tab press already, so the
// release reaches the field that has just received it.
void OnFieldKeyUp(HWND field, WPARAM key) {
    switch (key) {
    case VK_TAB: KeepFieldInView(field); break;
    case VK_PRIOR:
    case VK_UP: SendMessageA(GetParent(field), WM_VSCROLL, SB_PAGEUP, 0); break;
    case VK_NEXT:
    case VK_DOWN: SendMessageA(GetParent(field), WM_VSCROLL, SB_PAGEDOWN, 0); break;
    case VK_F1: CopyAnswerToOpenFields(field); break;
    case VK_F2: SaveAnswers(quizDocument); break;
    default: break;
    }
}

// The play and stop buttons are default push buttons: without this the dialog manager would turn Enter
// in a field into a press of the default button instead of handing the key to the field.
LRESULT OnGetDlgCode(HWND field, WPARAM wParam, LPARAM lParam) {
    LRESULT code = CallBaseEditProc(field, WM_GETDLGCODE, wParam, lParam);
    const MSG* pending = reinterpret_cast<const MSG*>(lParam);
    if (pending && (pending->message == WM_KEYDOWN || pending->message == WM_CHAR) &&
        pending->wParam == VK_RETURN)
        code |= DLGC_WANTALLKEYS;
    return code;
}

} // namespace

void SubclassAnswerField(HWND field) {
    if (!field) return;
    // Every field is of the system's one edit class, so the one stored procedure serves them all.
    baseEditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AnswerFieldProc)));
}

LRESULT CALLBACK AnswerFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS: SendMessageA(field, EM_SETSEL, 0, 260); break; // typing replaces the old answer
    case WM_KILLFOCUS: JudgeField(field); break;
    case WM_GETDLGCODE: return OnGetDlgCode(field, wParam, lParam);
    case WM_KEYDOWN:
        // Inside a dialog the edit control itself would pass Enter on to the default button.
        if (wParam == VK_RETURN) return 0;
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (wParam == VK_RETURN) {
            JudgeField(field);
            return 1;
        }
        OnFieldKeyUp(field, wParam);
        break;
    case WM_CHAR:
        // Carriage return, tab and NUL would be inserted or make the control beep.
        if (wParam == '\r' || wParam == '\t' || wParam == 0) return 0;
        break;
    default: break;
    }
    return CallBaseEditProc(field, message, wParam, lParam);
}

void CopyAnswerToOpenFields(HWND source) {
    if (!quizDocument || !source) return;
    HWND panel = GetParent(source);
    char text[kTextSize] = "";
    GetWindowTextA(source, text, kTextSize);
    const int fields = QuestionCountOf(quizDocument) * AnswersPerQuestionOf(quizDocument);
    for (int k = 1; k <= fields; ++k) {
        HWND field = FindPanelControl(panel, kAnswerFieldBase + k);
        if (!field || VerdictLabelIsRight(panel, k)) continue;
        SetWindowTextA(field, text);
        SetFocus(field); // the field left behind judges itself
    }
    SetFocus(source);
}

int ScrollTargetFor(const QuizDocument* document, HWND panel, HWND field, bool* outOfView) {
    RECT client{};
    GetClientRect(panel, &client);
    RECT place{};
    GetWindowRect(field, &place);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&place), 2);
    const int position = GetScrollPos(panel, SB_VERT);

    // The controls sit at content positions shifted by the scroll position, so position plus the
    // field's top in the client area is the field's top in the content.
    int target = position;
    if (place.bottom > client.bottom) target = position + place.bottom - client.bottom + kViewMargin;
    if (place.top - (target - position) < 0) target = position + place.top - kViewMargin; // top first
    int highest = document->contentHeight - client.bottom;
    if (highest < 0) highest = 0;
    if (target > highest) target = highest;
    if (target < 0) target = 0;
    *outOfView = place.top < client.top || place.bottom > client.bottom;
    return target;
}
