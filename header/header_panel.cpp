#include "header/header_panel.h"

// For now the panel is an empty strip; the main window places it.
INT_PTR CALLBACK HeaderPanelProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}
