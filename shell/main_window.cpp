#include "shell/main_window.h"

#include <cstring>

#include "header/save_answers.h"
#include "shell/shell_helpers.h"
#include "shell/shell_state.h"

namespace {

void CreateFooterLabel(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    // footerText fills its whole array when the quiz data says so: copy it with its end guaranteed.
    char footer[sizeof quizDocument->footerText + 1] = "";
    if (quizDocument)
        std::memcpy(footer, quizDocument->footerText,
                    strnlen(quizDocument->footerText, sizeof quizDocument->footerText));
    CreateLabel(window, footer, 720, client.bottom - 16, 140, 15, kFooterLabelId);
}

} // namespace

void LayoutMainWindow(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    int width = client.right;
    int height = client.bottom;
    // The header panel ends at y 50 and the question panel starts there: they share one pixel row.
    SetWindowPos(questionPanelWindow, nullptr, 5, 50, width - 11, height - 68, SWP_NOZORDER);
    SetWindowPos(headerPanelWindow, nullptr, 5, 2, width - 11, 49, SWP_NOZORDER);
    // The footer's last 5 pixels lie beyond the right edge, clipped.
    SetWindowPos(GetDlgItem(window, kFooterLabelId), nullptr, width - 145, height - 16, 150, 15,
                 SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

LRESULT CALLBACK MainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateFooterLabel(window);
        SendMessageA(window, WM_SETICON, ICON_BIG,
                     reinterpret_cast<LPARAM>(LoadIconA(nullptr, MAKEINTRESOURCEA(32514)))); // IDI_QUESTION
        return 0;
    case WM_SIZE:
        // Before the panels exist this moves nothing; start-up lays out again once they do.
        if (wParam != SIZE_MINIMIZED) LayoutMainWindow(window);
        return 0;
    case WM_CLOSE:
        SaveAnswers(quizDocument);
        // The window itself stays until the teardown; closing ends the loop like a destroy.
        [[fallthrough]];
    case WM_DESTROY:
        DestroyWindow(questionPanelWindow);
        PostQuitMessage(0);
        return 0;
    case WM_CTLCOLORSTATIC:
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) != kFooterLabelId) return 0;
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(windowBrush);
    case WM_MOUSEWHEEL: WheelToScrollCode(questionPanelWindow, wParam); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
