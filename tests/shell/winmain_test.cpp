// The entry point's two early exits: a class that cannot be registered and a main window that cannot be
// created both show the creation message and end with 0, the second after releasing what start-up made.
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/shell_state.h"
#include "shell/startup.h"
#include "shell_fixture.h"
#include "shell_test_support.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int);

namespace {

bool CreationMessageShown() {
    for (const RecordedMessage& message : recordedMessages)
        if (message.text == "Erreur dans la cr\xE9"
                            "ation de la fen\xEAtre principale" &&
            message.caption == "Jorvo" && message.flags == MB_ICONINFORMATION)
            return true;
    return false;
}

TEST(WinMainExits, ClassThatCannotBeRegisteredShowsTheMessageAndEndsWithZero) {
    ASSERT_TRUE(EnsureMainWindowClass()); // registered already: a second registration fails
    StartRecordingMessages();
    EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL), 0);
    EXPECT_TRUE(CreationMessageShown());
    EXPECT_EQ(recordedMessages.size(), 1u) << "nothing else may run before the registration";
    EXPECT_EQ(quizDocument, nullptr);
}

// Refuses the creation of every main window.
LRESULT CALLBACK RefuseMainWindow(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        char className[16];
        if (GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className) &&
            !lstrcmpA(className, "Jorvo"))
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(WinMainExits, MainWindowThatCannotBeCreatedShowsTheMessageReleasesAllAndEndsWithZero) {
    ASSERT_TRUE(EnsureMainWindowClass());
    UnregisterClassA("Jorvo", GetModuleHandleA(nullptr)); // so that WinMain's own registration works
    StartRecordingMessages();
    HHOOK refuse = SetWindowsHookExA(WH_CBT, RefuseMainWindow, nullptr, GetCurrentThreadId());
    int exitCode = WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
    UnhookWindowsHookEx(refuse);
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(CreationMessageShown());
    EXPECT_EQ(quizDocument, nullptr) << "the document must be released";
    EXPECT_EQ(windowBrush, nullptr) << "the brush must be released";
    EXPECT_EQ(FindWindowA("Jorvo", nullptr), nullptr);
}

} // namespace
