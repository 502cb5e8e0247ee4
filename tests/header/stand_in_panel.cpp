#include "tests/header/stand_in_panel.h"

#include "questionpanel/panel_scroll.h"
#include "resources/resource_ids.h"
#include "shell/shell_helpers.h"

namespace {

StandInPanel* current = nullptr; // the one panel alive, for its dialog procedure

} // namespace

HWND SharedParent() {
    static HWND parent = nullptr;
    if (!parent) {
        parent = CreateWindowExA(WS_EX_NOACTIVATE, "Static", "", WS_POPUP, 0, 0, 1250, 950, nullptr, nullptr,
                                 nullptr, nullptr);
        ShowWindow(parent, SW_SHOWNOACTIVATE);
    }
    return parent;
}

namespace {

INT_PTR CALLBACK StandInProc(HWND panel, UINT message, WPARAM wParam, LPARAM) {
    if (!current) return FALSE;
    switch (message) {
    case WM_VSCROLL: ScrollPanelVertically(&current->document, panel, wParam); return TRUE;
    case WM_HSCROLL: ScrollPanelHorizontally(panel, wParam); return TRUE;
    case WM_MOUSEWHEEL: WheelToScrollCode(panel, wParam); return TRUE;
    case WM_SIZE: ResizePanel(&current->document, panel); return TRUE;
    default: return FALSE;
    }
}

void Create(HWND parent, const char* windowClass, DWORD style, int x, int y, int width, int height, int id) {
    CreateWindowExA(0, windowClass, "", WS_CHILD | style, x, y, width, height, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

// The blocks of a picture quiz, placed as the panel's build places them, and the content size it ends at.
void BuildPictureBlocks(HWND panel, QuizDocument& document, const StandInLayout& layout) {
    const int m = layout.answersPerQuestion;
    int y = 5;
    for (int n = 1; n <= layout.questions; ++n) {
        const int column = (n - 1) % 3;
        const int row = (n - 1) / 3;
        const int x = (m == 2 ? 106 : 46) + 330 * column;
        const int rowHeight = layout.rowHeights[row];
        // Pictures of different sizes, centred in their cell.
        const int width = 300 - 20 * column, height = rowHeight - 10 * column;
        Create(panel, "Static", WS_VISIBLE | WS_BORDER | SS_BITMAP, x + (300 - width) / 2,
               y + (rowHeight - height) / 2, width, height, 9900 + n);
        const int fieldY = y + rowHeight + 10;
        Create(panel, "Static", WS_VISIBLE | SS_RIGHT, x - 28, fieldY + 2, 27, 17, 2000 + n);
        if (layout.revealMode > 1)
            Create(panel, "Static", layout.revealMode == 5 ? WS_VISIBLE : 0, x, fieldY + 46, 300, 65,
                   8000 + n);
        for (int j = 1; j <= m; ++j) {
            const int k = (n - 1) * m + j;
            if (m == 1) {
                Create(panel, "Edit", WS_VISIBLE | WS_BORDER, x, fieldY, 300, 20, 4000 + k);
                Create(panel, "Static", WS_VISIBLE | WS_BORDER, x, fieldY + 19, 300, 20, 5000 + k);
            } else {
                Create(panel, "Edit", WS_VISIBLE | WS_BORDER, x, fieldY + 19 * (j - 1), 241, 20, 4000 + k);
                Create(panel, "Static", WS_VISIBLE | WS_BORDER, x + 240, fieldY + 19 * (j - 1), 60, 20,
                       5000 + k);
            }
        }
        const int rowEnd = fieldY + (layout.revealMode > 1 ? 140 : 60);
        if (column == 0) document.contentHeight = rowEnd;
        if (column == 2) y = rowEnd;
    }
    // An answer-row label belongs to no block.
    if (m == 2) Create(panel, "Static", WS_VISIBLE, 4, 5 + layout.rowHeights[0] + 12, 95, 20, 156);
    document.contentWidth = 1010 + (m == 2 ? 80 : 20);
}

} // namespace

StandInPanel::StandInPanel(const StandInLayout& layout, int clientWidth, int clientHeight) {
    current = this;
    document.quizKind = kQuizPictures;
    document.questionCount = layout.questions;
    document.answersPerQuestion = layout.answersPerQuestion;
    document.revealMode = layout.revealMode;
    for (size_t row = 0; row < layout.rowHeights.size(); ++row)
        document.rowHeights[row] = layout.rowHeights[row];
    for (int n = 1; n <= layout.questions; ++n)
        document.addQuestion("a", "b", "?");

    parent = SharedParent();
    header = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 900, 49, parent, nullptr, nullptr, nullptr);
    Create(header, "button", WS_VISIBLE | BS_AUTOCHECKBOX, 696, 0, 85, 18, kHideBoxId);
    panel = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_QUESTION_PANEL), parent,
                               StandInProc, 0);
    ShowWindow(panel, SW_SHOWNORMAL);
    BuildPictureBlocks(panel, document, layout);
    SetClientSize(clientWidth, clientHeight);
    // As the shell does once the build is over.
    document.questionPanel = panel;
    document.headerPanel = header;
}

StandInPanel::~StandInPanel() {
    DestroyWindow(panel);
    DestroyWindow(header);
    current = nullptr;
}

void StandInPanel::SetClientSize(int width, int height) {
    // The bars show from the first ranges on: measure the frame with them.
    SetPanelScrollRanges(&document, panel);
    RECT outer{}, client{};
    GetWindowRect(panel, &outer);
    GetClientRect(panel, &client);
    SetWindowPos(panel, nullptr, 5, 50, width + (outer.right - outer.left) - client.right,
                 height + (outer.bottom - outer.top) - client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void StandInPanel::Tick(bool ticked) {
    SendDlgItemMessageA(header, kHideBoxId, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

POINT StandInPanel::ContentPosition(int id) const {
    RECT rect{};
    GetWindowRect(GetDlgItem(panel, id), &rect);
    POINT corner{rect.left, rect.top};
    ScreenToClient(panel, &corner);
    return {corner.x + Position(SB_HORZ), corner.y + Position(SB_VERT)};
}

bool StandInPanel::Shown(int id) const {
    return (GetWindowLongPtrA(GetDlgItem(panel, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void DrainMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::vector<int> BlockControlIds(int question, int answersPerQuestion) {
    std::vector<int> ids{9900 + question, 8000 + question, 2000 + question};
    for (int j = 1; j <= answersPerQuestion; ++j) {
        ids.push_back(4000 + (question - 1) * answersPerQuestion + j);
        ids.push_back(5000 + (question - 1) * answersPerQuestion + j);
    }
    return ids;
}
