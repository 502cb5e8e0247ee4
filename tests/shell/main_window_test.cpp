// The main window as start-up builds it: title, size, centring, the layout of its children on every
// size, the wheel, the icons, the footer's colours, closing; the creation order of the panels; the link
// style; the panel templates and the cursor.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "questionpanel/scroll_codes.h"
#include "resources/resource_ids.h"
#include "shell/main_window.h"
#include "shell/shell_helpers.h"
#include "shell/shell_state.h"
#include "shell/startup.h"
#include "shell_fixture.h"
#include "shell_test_support.h"

namespace {

std::string Text(HWND window) {
    char text[512];
    return std::string(text, GetWindowTextA(window, text, sizeof text));
}

using MainWindowTest = RunningShell;

// First in its suite: the window is as start-up left it.
TEST_F(MainWindowTest, StartsTitledWithTheQuizNameSized930By600AndLaidOut) {
    EXPECT_EQ(Text(mainWindow), "Capitales d'Europe \xe9");
    RECT rect{};
    GetWindowRect(mainWindow, &rect);
    EXPECT_EQ(rect.right - rect.left, 930);
    EXPECT_EQ(rect.bottom - rect.top, 600);
    EXPECT_TRUE(IsWindowVisible(questionPanelWindow) && IsWindowVisible(headerPanelWindow));
    ExpectShellLayout(mainWindow, headerPanelWindow, questionPanelWindow);
}

TEST_F(MainWindowTest, CentredOnAnyDesktopWithTruncatingDivision) {
    const struct {
        RECT desktop;
        LONG x, y;
    } cases[] = {
        {{0, 0, 1280, 1024}, 175, 212},    {{0, 0, 1279, 1023}, 174, 211},
        {{100, 50, 1380, 1074}, 275, 262}, {{0, 0, 800, 500}, -65, -50}, // smaller desktop: negative
        {{0, 0, 801, 501}, -64, -49},                                    // -129 / 2 is -64, not -65
    };
    for (const auto& c : cases) {
        CentreWindow(mainWindow, c.desktop);
        RECT rect{};
        GetWindowRect(mainWindow, &rect);
        EXPECT_EQ(rect.left, c.x) << "desktop " << c.desktop.right << " x " << c.desktop.bottom;
        EXPECT_EQ(rect.top, c.y) << "desktop " << c.desktop.right << " x " << c.desktop.bottom;
        EXPECT_EQ(rect.right - rect.left, 930);
    }
}

TEST_F(MainWindowTest, ChildrenFollowEverySizeButNotAMinimise) {
    for (SIZE size : {SIZE{640, 480}, SIZE{1200, 900}, SIZE{400, 300}, SIZE{931, 601}}) {
        SetWindowPos(mainWindow, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        ExpectShellLayout(mainWindow, headerPanelWindow, questionPanelWindow);
    }
    // A minimised window's client area is 0 x 0: laying out for it would crush the children.
    SetWindowPos(mainWindow, nullptr, 0, 0, 800, 500, SWP_NOMOVE | SWP_NOZORDER);
    RECT before{}, after{};
    GetWindowRect(questionPanelWindow, &before);
    SendMessageA(mainWindow, WM_SIZE, SIZE_MINIMIZED, 0);
    ShowWindow(mainWindow, SW_MINIMIZE);
    GetWindowRect(questionPanelWindow, &after);
    EXPECT_EQ(before.right - before.left, after.right - after.left);
    EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);
    ShowWindow(mainWindow, SW_RESTORE);
    ExpectShellLayout(mainWindow, headerPanelWindow, questionPanelWindow);
}

TEST_F(MainWindowTest, OnlyAWholeWheelNotchIsPostedToTheQuestionPanelAsAScrollCode) {
    const struct {
        int delta;
        int code; // 0: nothing posted
    } cases[] = {{120, ScrollWheelUp}, {-120, ScrollWheelDown}, {240, 0}, {-240, 0}, {60, 0}, {-1, 0}};
    for (const auto& c : cases) {
        SendMessageA(mainWindow, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(c.delta)), 0);
        MSG message{};
        bool posted = PeekMessageA(&message, questionPanelWindow, WM_VSCROLL, WM_VSCROLL, PM_REMOVE);
        EXPECT_EQ(posted, c.code != 0) << "delta " << c.delta;
        if (posted) {
            EXPECT_EQ(message.wParam, static_cast<WPARAM>(c.code)) << "delta " << c.delta;
        }
    }
}

TEST_F(MainWindowTest, BigIconIsTheQuestionMarkAndTheClassIconsTheApplicationIcon) {
    HICON application = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(mainWindow, WM_GETICON, ICON_BIG, 0)),
              LoadIconA(nullptr, MAKEINTRESOURCEA(32514)));
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(mainWindow, GCLP_HICON)), application);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(mainWindow, GCLP_HICONSM)), application);
}

TEST_F(MainWindowTest, FooterLabelAloneIsPaintedTransparentlyOnTheWindowBrush) {
    HWND footer = GetDlgItem(mainWindow, kFooterLabelId);
    EXPECT_EQ(Text(footer), "Jorvo, le quiz qui pardonne");
    HWND other = CreateLabel(mainWindow, "autre", 0, 0, 50, 15, 8001);
    HDC dc = GetDC(footer);
    for (HWND label : {footer, other}) {
        SetBkMode(dc, OPAQUE);
        LRESULT brush = SendMessageA(mainWindow, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(label));
        EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), label == footer ? windowBrush : nullptr);
        EXPECT_EQ(GetBkMode(dc), label == footer ? TRANSPARENT : OPAQUE);
    }
    ReleaseDC(footer, dc);
    DestroyWindow(other);
}

// Closing takes the question panel down: a suite with a shell of its own.
using MainWindowClose = RunningShell;

TEST_F(MainWindowClose, SavesEveryFieldDestroysTheQuestionPanelAndQuitsWithZero) {
    DeleteFileA(OwnAnswersFileName().c_str());
    HWND questionPanel = questionPanelWindow;
    SendMessageA(mainWindow, WM_CLOSE, 0, 0);
    std::string saved;
    EXPECT_TRUE(ReadWholeFile(OwnAnswersFileName(), &saved));
    // A text list has one field per question even when its data declares two (the panel settles it).
    EXPECT_EQ(saved, "\r\n\r\n\r\n"); // 3 questions, nothing typed
    EXPECT_FALSE(IsWindow(questionPanel));
    EXPECT_TRUE(IsWindow(mainWindow)) << "the main window stays until the teardown";
    MSG message{};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
}

// What the document held each time a panel dialog was being created.
std::vector<std::pair<HWND, HWND>> panelsAtDialogCreation;

LRESULT CALLBACK WatchDialogCreation(int code, WPARAM wParam, LPARAM lParam) {
    auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
    if (code == HCBT_CREATEWND && create->lpcs->lpszClass == MAKEINTRESOURCEA(32770))
        panelsAtDialogCreation.emplace_back(quizDocument->headerPanel, quizDocument->questionPanel);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(ShellStartUp, HeaderPanelComesFirstAndTheQuestionPanelIsKnownOnlyAfterItsBuild) {
    ASSERT_TRUE(EnsureMainWindowClass());
    quizDocument = new QuizDocument;
    windowBrush = CreateSolidBrush(kWindowColour);
    HWND mainWindow = CreateMainWindow(GetModuleHandleA(nullptr), "ordre");
    HHOOK watch = SetWindowsHookExA(WH_CBT, WatchDialogCreation, nullptr, GetCurrentThreadId());
    CreatePanels(GetModuleHandleA(nullptr), mainWindow);
    UnhookWindowsHookEx(watch);

    const std::vector<std::pair<HWND, HWND>> expected = {{nullptr, nullptr}, {headerPanelWindow, nullptr}};
    EXPECT_EQ(panelsAtDialogCreation, expected);
    EXPECT_TRUE(GetWindowLongPtrA(headerPanelWindow, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(quizDocument->questionPanel, questionPanelWindow);
    EXPECT_NE(questionPanelWindow, nullptr);

    TearDownShell(mainWindow, nullptr);
    DrainMessages();
    EXPECT_FALSE(IsWindow(mainWindow));
    EXPECT_EQ(quizDocument, nullptr);
}

TEST(ShellHelpers, LinkStyleIsAnUnderlinedFontThreeQuartersHighAndTheHandCursor) {
    HCURSOR arrow = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    for (auto [height, fontHeight] : {std::pair{18, -13}, std::pair{15, -11}}) {
        HWND link = CreateWindowExA(0, "Static", "lien", WS_POPUP | SS_NOTIFY, 0, 0, 115, height, nullptr,
                                    nullptr, nullptr, nullptr);
        RECT client{};
        GetClientRect(link, &client);
        ASSERT_EQ(client.bottom, height);
        ApplyLinkStyle(link);
        LOGFONTA font{};
        auto handle = reinterpret_cast<HFONT>(SendMessageA(link, WM_GETFONT, 0, 0));
        ASSERT_TRUE(GetObjectA(handle, sizeof font, &font));
        EXPECT_EQ(font.lfHeight, fontHeight);
        EXPECT_EQ(font.lfWeight, FW_NORMAL);
        EXPECT_EQ(font.lfUnderline, 1);
        EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(link, GCLP_HCURSOR)),
                  LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINK_HAND)));
        SetClassLongPtrA(link, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(arrow)); // for other tests' statics
        DestroyWindow(link);
        DeleteObject(handle);
    }
}

TEST(ShellResources, PanelTemplatesAreEmptyHiddenChildDialogsAndTheCursorPointsWithItsFingerTip) {
    for (auto [id, style] : {std::pair<int, DWORD>{IDD_QUESTION_PANEL, WS_VSCROLL | WS_HSCROLL},
                             std::pair<int, DWORD>{IDD_HEADER_PANEL, 0}}) {
        HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5)); // RT_DIALOG
        auto* dialog = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(nullptr, found)));
        ASSERT_NE(dialog, nullptr) << id;
        EXPECT_EQ(dialog->style, WS_CHILD | WS_BORDER | DS_SETFONT | style) << id;
        EXPECT_EQ(dialog->cdit, 0) << id;
        EXPECT_EQ(dialog->cx, 86) << id;
        EXPECT_EQ(dialog->cy, 100) << id;
        auto* words = reinterpret_cast<const WORD*>(dialog + 1); // no menu, class or title; then the font
        EXPECT_EQ(words[3], 8) << id;
        EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(words + 4)), L"MS Sans Serif") << id;
    }
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINK_HAND)), &info));
    EXPECT_EQ(info.xHotspot, 6u);
    EXPECT_EQ(info.yHotspot, 0u);
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmHeight, 64) << "a two-colour cursor is its AND and XOR masks, one above the other";
    EXPECT_EQ(info.hbmColor, nullptr);
    DeleteObject(info.hbmMask);
    for (int icon : {IDI_PLAY, IDI_STOP, IDI_JORVO})
        EXPECT_TRUE(DestroyIcon(static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon), IMAGE_ICON, 16, 16, 0))))
            << icon;
}

} // namespace
