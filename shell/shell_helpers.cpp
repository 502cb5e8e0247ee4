#include "shell/shell_helpers.h"

#include "questionpanel/scroll_codes.h"
#include "resources/resource_ids.h"
#include "shell/shell_state.h"

HWND CreateLabel(HWND parent, const char* text, int x, int y, int width, int height, int id) {
    HWND label =
        CreateWindowExA(0, "Static", text, WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ProgramInstance(), nullptr);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    return label;
}

void ApplyLinkStyle(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    LOGFONTA font{};
    font.lfHeight = -(3 * (client.bottom - client.top) / 4); // negative: a character height
    font.lfWeight = FW_NORMAL;
    font.lfUnderline = 1;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(CreateFontIndirectA(&font)), FALSE);
    HCURSOR hand = LoadCursorA(ProgramInstance(), MAKEINTRESOURCEA(IDC_LINK_HAND));
    SetClassLongPtrA(control, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(hand));
}

void WheelToScrollCode(HWND panel, WPARAM wParam) {
    switch (HIWORD(wParam)) {
    case WHEEL_DELTA: PostMessageA(panel, WM_VSCROLL, ScrollWheelUp, 0); break;
    case 0x10000 - WHEEL_DELTA: PostMessageA(panel, WM_VSCROLL, ScrollWheelDown, 0); break;
    default: break;
    }
}
