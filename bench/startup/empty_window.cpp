// The floor of a start-up measurement: a Windows program that shows one empty 930 x 600 window, paints it
// and waits for messages, with the same runtime and linking as the player. Built a second time with
// FLOOR_CONTROLS defined, it first fills the window with as many plain controls as a 96-question,
// two-answer picture quiz has (96 frames, 96 numbers, 192 fields, 192 verdicts, 64 row labels): the
// floor of a panel that size, before any picture.
#include <windows.h>

namespace {

#ifdef FLOOR_CONTROLS
void CreatePanelControls(HWND window, HINSTANCE instance) {
    constexpr int kStatics = 96 + 96 + 192 + 64;
    constexpr int kFields = 192;
    for (int n = 0; n < kStatics + kFields; ++n) {
        const bool field = n >= kStatics;
        CreateWindowExA(0, field ? "Edit" : "Static", "", WS_CHILD | WS_VISIBLE | WS_BORDER,
                        10 + (n % 3) * 300, 10 + (n / 3) * 25, 280, 20, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + n)), instance, nullptr);
    }
}
#endif

LRESULT CALLBACK EmptyWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = EmptyWindow;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszClassName = "EmptyWindow";
    if (!RegisterClassExA(&windowClass)) return 1;
    HWND window = CreateWindowExA(0, "EmptyWindow", "Empty", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 930, 600, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
#ifdef FLOOR_CONTROLS
    CreatePanelControls(window, instance);
#endif
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
