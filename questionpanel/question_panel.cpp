#include "questionpanel/question_panel.h"

// For now the panel is an empty frame: it builds no blocks, and scroll codes (SB_TOP at start-up,
// the wheel codes) find nothing to move.
INT_PTR CALLBACK QuestionPanelProc(HWND, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_VSCROLL: return TRUE;
    default: return FALSE;
    }
}
