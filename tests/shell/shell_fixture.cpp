#include "shell_fixture.h"

#include "shell/shell_state.h"
#include "shell/startup.h"
#include "shell_test_support.h"

void DrainMessages() {
    // Dispatched, not just removed: a pending WM_PAINT stays in the queue until it is painted.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message != WM_QUIT) DispatchMessageA(&message);
}

bool EnsureMainWindowClass() {
    static ATOM registered = RegisterMainWindowClass(GetModuleHandleA(nullptr));
    WNDCLASSEXA known{};
    known.cbSize = sizeof known;
    return registered || GetClassInfoExA(GetModuleHandleA(nullptr), "Jorvo", &known);
}

HWND RunningShell::mainWindow = nullptr;

void RunningShell::SetUpTestSuite() {
    if (!EnsureMainWindowClass()) return;
    windowBrush = CreateSolidBrush(kWindowColour);
    quizDocument = new QuizDocument;
    lstrcpyA(quizDocument->title, "Capitales d'Europe \xE9");
    lstrcpyA(quizDocument->footerText, "Jorvo, le quiz qui pardonne");
    quizDocument->questionCount = 3;
    quizDocument->answersPerQuestion = 2;
    mainWindow = CreateMainWindow(GetModuleHandleA(nullptr), quizDocument->title);
    if (!mainWindow) return;
    CreatePanels(GetModuleHandleA(nullptr), mainWindow);
    ShowShell(mainWindow);
    DrainMessages();
}

void RunningShell::SetUp() {
    ASSERT_NE(mainWindow, nullptr);
    StartRecordingMessages();
    DrainMessages();
}

void RunningShell::TearDownTestSuite() {
    TearDownShell(mainWindow, nullptr);
    DrainMessages();
    headerPanelWindow = nullptr;
    questionPanelWindow = nullptr;
    DeleteFileA(OwnAnswersFileName().c_str());
}
