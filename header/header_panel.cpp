#include "header/header_panel.h"

#include <shellapi.h>

#include "header/header_controls.h"
#include "header/header_ids.h"
#include "header/save_answers.h"
#include "questionpanel/panel_scroll.h"
#include "shell/shell_state.h"

HBRUSH headerBrush = nullptr;

namespace {

INT_PTR Initialise(HWND panel) {
    CreateHeaderControls(panel, quizDocument);
    headerBrush = CreateSolidBrush(kHeaderColour);
    return TRUE;
}

// Labels, the read-only code field and the hide box sit on the panel's colour; the rules keep the
// system's.
INT_PTR ColourStatic(HDC dc, HWND control) {
    const LONG id = GetWindowLongA(control, GWL_ID);
    if (id == kLinkLabelId) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kLinkColour);
        return reinterpret_cast<INT_PTR>(headerBrush);
    }
    if (id >= kOnPanelColourFirstId && id <= kOnPanelColourLastId) {
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<INT_PTR>(headerBrush);
    }
    return 0;
}

// wParam is compared whole: only a click (notification 0) acts, so the second click of a double click
// on the link does not open it again.
void Command(WPARAM wParam) {
    switch (wParam) {
    case kLinkLabelId: {
        if (!quizDocument) return;
        // linkText may fill its whole array.
        char link[sizeof quizDocument->linkText + 1];
        lstrcpynA(link, quizDocument->linkText, sizeof link);
        ShellExecuteA(nullptr, "open", link, nullptr, nullptr, SW_SHOWNORMAL);
        return;
    }
    case kSaveButtonId: SaveAnswers(quizDocument); return;
    case kHideBoxId: CollapseFoundQuestions(quizDocument); return;
    default: return;
    }
}

} // namespace

INT_PTR CALLBACK HeaderPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return Initialise(panel);
    case WM_SIZE: PlaceHeaderControls(panel); return 0;
    case WM_COMMAND: Command(wParam); return 0;
    case WM_CTLCOLORDLG: return reinterpret_cast<INT_PTR>(headerBrush);
    case WM_CTLCOLORSTATIC:
        return ColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DESTROY:
        DeleteObject(headerBrush);
        headerBrush = nullptr;
        return 0;
    default: return 0;
    }
}
