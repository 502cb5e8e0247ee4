#include "shell/startup.h"

#include <cstring>

#include "header/header_panel.h"
#include "media/media_host.h"
#include "questionpanel/question_panel.h"
#include "resources/resource_ids.h"
#include "shell/main_window.h"
#include "shell/shell_state.h"

const char kWindowCreationFailed[] = "Erreur dans la cr\xE9"
                                     "ation de la fen\xEAtre principale";

ATOM RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindow;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512)); // IDI_APPLICATION
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_SCROLLBAR + 1));
    windowClass.lpszClassName = "Jorvo";
    return RegisterClassExA(&windowClass);
}

HWND CreateMainWindow(HINSTANCE instance, const char* title) {
    return CreateWindowExA(0, "Jorvo", title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 930, 600,
                           nullptr, nullptr, instance, nullptr);
}

void CentreWindow(HWND window, const RECT& desktop) {
    RECT own{};
    GetWindowRect(window, &own);
    // Integer division truncates toward zero, also for a desktop smaller than the window.
    int x = desktop.left + ((desktop.right - desktop.left) - (own.right - own.left)) / 2;
    int y = desktop.top + ((desktop.bottom - desktop.top) - (own.bottom - own.top)) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CreatePanels(HINSTANCE instance, HWND mainWindow) {
    headerPanelWindow =
        CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_HEADER_PANEL), mainWindow, HeaderPanelProc, 0);
    ShowWindow(headerPanelWindow, SW_SHOWNORMAL);
    if (quizDocument) quizDocument->headerPanel = headerPanelWindow;
    // The question panel builds its blocks (and judges restored answers) inside this call, while the
    // document does not know it yet.
    questionPanelWindow =
        CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_QUESTION_PANEL), mainWindow, QuestionPanelProc, 0);
    if (quizDocument) quizDocument->questionPanel = questionPanelWindow;
}

void ShowShell(HWND mainWindow) {
    // The size messages sent while the main window was created found no panels to place.
    LayoutMainWindow(mainWindow);
    ShowWindow(mainWindow, SW_SHOWNORMAL);
    ShowWindow(questionPanelWindow, SW_SHOWNORMAL);
    SendMessageA(questionPanelWindow, WM_VSCROLL, SB_TOP, 0);
}

int RunMessageLoop() {
    MSG message{};
    for (;;) {
        BOOL result = GetMessageA(&message, nullptr, 0, 0);
        if (result == 0) break;
        if (result == -1) return 0; // cannot happen with these arguments; end rather than spin
        if (IsDialogMessageA(questionPanelWindow, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

void TearDownShell(HWND mainWindow, HHOOK printScreenFilter) {
    EndDialog(questionPanelWindow, 0);
    DestroyWindow(headerPanelWindow);
    // For an audio or video quiz this destroys the main window too (the players go with it).
    ShutdownMediaHost(mainWindow);
    // Any other quiz: the window goes now, while the document it reads still exists.
    if (IsWindow(mainWindow)) DestroyWindow(mainWindow);
    DeleteObject(windowBrush);
    windowBrush = nullptr;
    delete quizDocument;
    quizDocument = nullptr;
    if (printScreenFilter) UnhookWindowsHookEx(printScreenFilter);
}
