// The player's entry point: one quiz, one main window, one message loop.
#include <windows.h>
#include <objbase.h>

#include "media/media_host.h"
#include "media/png_picture.h"
#include "quizdata/quiz_loader_win32.h"
#include "quizdata/user_message.h"
#include "shell/print_screen_filter.h"
#include "shell/shell_state.h"
#include "shell/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (!RegisterMainWindowClass(instance)) {
        ShowUserMessage(kWindowCreationFailed, "Jorvo", kMessageInformationIcon);
        return 0;
    }
    // Without the filter the program still runs; only Print Screen then works.
    HHOOK printScreenFilter = SetWindowsHookExA(WH_KEYBOARD_LL, PrintScreenFilter, instance, 0);
    windowBrush = CreateSolidBrush(kWindowColour);
    PngChooseLoopsForThisProcessor();
    // COM stays initialised for the whole run: the picture loader and the media players initialise it
    // again around each use, which is then only a count, not a set-up and tear-down per picture.
    const bool comInitialised = SUCCEEDED(CoInitialize(nullptr));
    quizDocument = new QuizDocument; // a constructor that throws ends the process
    LoadQuiz(quizDocument);          // reports its own problems; start-up goes on with what it read
    InstallMediaHost();

    // The title is copied with its end guaranteed, whatever the quiz data held.
    char title[kTextSize];
    lstrcpynA(title, quizDocument->title, kTextSize);
    HWND mainWindow = CreateMainWindow(instance, title);
    if (!mainWindow) {
        ShowUserMessage(kWindowCreationFailed, "Jorvo", kMessageInformationIcon);
        TearDownShell(nullptr, printScreenFilter);
        if (comInitialised) CoUninitialize();
        return 0;
    }
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    CentreWindow(mainWindow, desktop);
    CreatePanels(instance, mainWindow);
    ShowShell(mainWindow);

    int exitCode = RunMessageLoop();
    TearDownShell(mainWindow, printScreenFilter);
    if (comInitialised) CoUninitialize();
    return exitCode;
}
