// The main window as start-up builds it: title, size, centring, the layout of its three children on
// every size, the wheel, the icons, the footer label's colours, closing; and the shell's resources.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "questionpanel/scroll_codes.h"
#include "resources/resource_ids.h"
#include "shell/main_window.h"
#include "shell/shell_helpers.h"
#include "shell/shell_state.h"
#include "shell/startup.h"
#include "shell_fixture.h"
#include "shell_test_support.h"

namespace {

std::string WindowText(HWND window) {
    char text[512];
    int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, length);
}

void ExpectRect(HWND child, int x, int y, int width, int height, const char* what) {
    RECT rect = RectInParent(child);
    EXPECT_EQ(rect.left, x) << what;
    EXPECT_EQ(rect.top, y) << what;
    EXPECT_EQ(rect.right - rect.left, width) << what;
    EXPECT_EQ(rect.bottom - rect.top, height) << what;
}

// The layout every size change must give, for the window's current client size.
void ExpectLayout(HWND mainWindow, const std::string& when) {
    RECT client{};
    GetClientRect(mainWindow, &client);
    int cw = client.right, ch = client.bottom;
    SCOPED_TRACE(when + ": client " + std::to_string(cw) + " x " + std::to_string(ch));
    ExpectRect(headerPanelWindow, 5, 2, cw - 11, 49, "header panel");
    ExpectRect(questionPanelWindow, 5, 50, cw - 11, ch - 68, "question panel");
    ExpectRect(GetDlgItem(mainWindow, kFooterLabelId), cw - 145, ch - 16, 150, 15, "footer label");
}

using MainWindowTest = RunningShell;

// Runs first in its suite, so the window is as start-up left it.
TEST_F(MainWindowTest, StartsTitledWithTheQuizNameSized930By600AndLaidOut) {
    EXPECT_EQ(WindowText(mainWindow), "Capitales d'Europe \xe9");
    RECT rect{};
    GetWindowRect(mainWindow, &rect);
    EXPECT_EQ(rect.right - rect.left, 930);
    EXPECT_EQ(rect.bottom - rect.top, 600);
    EXPECT_TRUE(IsWindowVisible(mainWindow));
    EXPECT_TRUE(IsWindowVisible(headerPanelWindow));
    EXPECT_TRUE(IsWindowVisible(questionPanelWindow));
    ExpectLayout(mainWindow, "after start-up");
}

TEST_F(MainWindowTest, CentredOnAnyDesktopWithTruncatingDivision) {
    struct Case {
        RECT desktop;
        int x, y;
    } cases[] = {
        {{0, 0, 1280, 1024}, 175, 212},    {{0, 0, 1279, 1023}, 174, 211}, // odd remainders truncate
        {{100, 50, 1380, 1074}, 275, 262}, // a desktop that does not start at 0, 0
        {{0, 0, 800, 500}, -65, -50},      // smaller than the window: negative, used as is
        {{0, 0, 801, 501}, -64, -49},      // -129 / 2 is -64 (toward zero), not -65
    };
    for (const Case& c : cases) {
        CentreWindow(mainWindow, c.desktop);
        RECT rect{};
        GetWindowRect(mainWindow, &rect);
        EXPECT_EQ(rect.left, c.x) << "desktop right " << c.desktop.right;
        EXPECT_EQ(rect.top, c.y) << "desktop bottom " << c.desktop.bottom;
        EXPECT_EQ(rect.right - rect.left, 930) << "centring must not resize";
    }
}

TEST_F(MainWindowTest, StartUpLaysOutBeforeTheWindowIsShown) {
    ExpectLayout(mainWindow, "after start-up");
}

TEST_F(MainWindowTest, ChildrenFollowEverySize) {
    const SIZE sizes[] = {{930, 600}, {640, 480}, {1200, 900}, {400, 300}, {931, 601}};
    for (SIZE size : sizes) {
        SetWindowPos(mainWindow, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        ExpectLayout(mainWindow, "window " + std::to_string(size.cx) + " x " + std::to_string(size.cy));
    }
}

TEST_F(MainWindowTest, MinimisingMovesNoChildAndRestoringLaysOutAgain) {
    SetWindowPos(mainWindow, nullptr, 0, 0, 800, 500, SWP_NOMOVE | SWP_NOZORDER);
    RECT header = RectInParent(headerPanelWindow);
    RECT question = RectInParent(questionPanelWindow);
    RECT footer = RectInParent(GetDlgItem(mainWindow, kFooterLabelId));

    // A minimised window reports a client area of 0 x 0: laying out for it would crush the children.
    SendMessageA(mainWindow, WM_SIZE, SIZE_MINIMIZED, 0);
    ShowWindow(mainWindow, SW_MINIMIZE);
    RECT now = RectInParent(headerPanelWindow);
    EXPECT_TRUE(EqualRect(&header, &now));
    now = RectInParent(questionPanelWindow);
    EXPECT_TRUE(EqualRect(&question, &now));
    now = RectInParent(GetDlgItem(mainWindow, kFooterLabelId));
    EXPECT_TRUE(EqualRect(&footer, &now));

    ShowWindow(mainWindow, SW_RESTORE);
    ExpectLayout(mainWindow, "restored");
}

TEST_F(MainWindowTest, OneWheelNotchBecomesAPostedScrollCode) {
    struct Case {
        int delta;
        int code; // 0: nothing posted
    } cases[] = {
        {120, ScrollWheelUp}, {-120, ScrollWheelDown}, {240, 0}, {-240, 0}, {60, 0}, {-1, 0}, {0, 0}};
    for (const Case& c : cases) {
        SendMessageA(mainWindow, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(c.delta)), 0);
        MSG message;
        bool posted = PeekMessageA(&message, questionPanelWindow, WM_VSCROLL, WM_VSCROLL, PM_REMOVE);
        if (c.code) {
            ASSERT_TRUE(posted) << "delta " << c.delta;
            EXPECT_EQ(message.wParam, static_cast<WPARAM>(c.code)) << "delta " << c.delta;
            EXPECT_EQ(message.lParam, 0);
        } else {
            EXPECT_FALSE(posted) << "delta " << c.delta << " must not scroll";
        }
    }
}

TEST_F(MainWindowTest, BigIconIsTheQuestionMarkClassIconsTheApplicationIcon) {
    HICON question = LoadIconA(nullptr, MAKEINTRESOURCEA(32514));
    HICON application = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(mainWindow, WM_GETICON, ICON_BIG, 0)), question);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(mainWindow, GCLP_HICON)), application);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(mainWindow, GCLP_HICONSM)), application);
}

TEST_F(MainWindowTest, FooterLabelShowsItsTextTransparentlyOnTheWindowBrush) {
    HWND footer = GetDlgItem(mainWindow, kFooterLabelId);
    ASSERT_NE(footer, nullptr);
    EXPECT_EQ(WindowText(footer), "Jorvo, le quiz qui pardonne");
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(footer, WM_GETFONT, 0, 0)),
              GetStockObject(DEFAULT_GUI_FONT));

    HDC dc = GetDC(footer);
    SetBkMode(dc, OPAQUE);
    LRESULT brush = SendMessageA(mainWindow, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(footer));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), windowBrush);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);

    // Any other static child keeps the system's colours.
    HWND other = CreateLabel(mainWindow, "autre", 0, 0, 50, 15, 8001);
    SetBkMode(dc, OPAQUE);
    EXPECT_EQ(SendMessageA(mainWindow, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(other)),
              0);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    ReleaseDC(footer, dc);
    DestroyWindow(other);
}

// Closing takes the question panel down: a suite of its own, with a shell of its own.
using MainWindowClose = RunningShell;

TEST_F(MainWindowClose, SavesEveryFieldDestroysTheQuestionPanelAndQuitsWithZero) {
    DeleteFileA(OwnAnswersFileName().c_str());
    HWND questionPanel = questionPanelWindow;
    SendMessageA(mainWindow, WM_CLOSE, 0, 0);

    std::string saved;
    ASSERT_TRUE(ReadWholeFile(OwnAnswersFileName(), &saved)) << "closing must write the answers file";
    EXPECT_EQ(saved, "\r\n\r\n\r\n\r\n\r\n\r\n"); // 3 questions x 2 fields, none typed
    EXPECT_FALSE(IsWindow(questionPanel));
    EXPECT_TRUE(IsWindow(mainWindow)) << "the main window stays until the teardown";
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
}

// The document learns the header panel before the question panel is built, and the question panel only
// after its build.
HHOOK creationWatch = nullptr;
std::vector<std::pair<HWND, HWND>> panelsSeenAtDialogCreation;

LRESULT CALLBACK WatchDialogCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        if (create->lpcs->lpszClass == MAKEINTRESOURCEA(32770) && quizDocument)
            panelsSeenAtDialogCreation.emplace_back(quizDocument->headerPanel, quizDocument->questionPanel);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(ShellStartUp, HeaderPanelFirstAndTheDocumentLearnsEachPanelAfterItsCreation) {
    ASSERT_TRUE(EnsureMainWindowClass());
    quizDocument = new QuizDocument;
    windowBrush = CreateSolidBrush(kWindowColour);
    HWND mainWindow = CreateMainWindow(GetModuleHandleA(nullptr), "ordre");
    panelsSeenAtDialogCreation.clear();
    creationWatch = SetWindowsHookExA(WH_CBT, WatchDialogCreation, nullptr, GetCurrentThreadId());
    CreatePanels(GetModuleHandleA(nullptr), mainWindow);
    UnhookWindowsHookEx(creationWatch);

    ASSERT_EQ(panelsSeenAtDialogCreation.size(), 2u);
    EXPECT_EQ(panelsSeenAtDialogCreation[0], std::make_pair(HWND(nullptr), HWND(nullptr)));
    EXPECT_EQ(panelsSeenAtDialogCreation[1].first, headerPanelWindow) << "header panel exists first";
    EXPECT_EQ(panelsSeenAtDialogCreation[1].second, nullptr) << "question panel unknown while it builds";
    EXPECT_TRUE(GetWindowLongPtrA(headerPanelWindow, GWL_STYLE) & WS_VISIBLE) << "shown as soon as made";
    EXPECT_EQ(quizDocument->headerPanel, headerPanelWindow);
    EXPECT_EQ(quizDocument->questionPanel, questionPanelWindow);
    EXPECT_NE(questionPanelWindow, nullptr);

    TearDownShell(mainWindow, nullptr);
    DrainMessages();
    EXPECT_FALSE(IsWindow(mainWindow));
    EXPECT_EQ(quizDocument, nullptr);
    EXPECT_EQ(windowBrush, nullptr);
}

TEST(ShellHelpers, LinkStyleIsAnUnderlinedFontThreeQuartersHighAndTheHandCursor) {
    HWND parent = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    HCURSOR arrow = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    struct Case {
        int height;
        LONG fontHeight;
    } cases[] = {{18, -13}, {15, -11}, {4, -3}, {1, 0}};
    for (const Case& c : cases) {
        HWND link = CreateWindowExA(0, "Static", "lien", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 0, 0, 115,
                                    c.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
        ApplyLinkStyle(link);
        LOGFONTA font{};
        auto handle = reinterpret_cast<HFONT>(SendMessageA(link, WM_GETFONT, 0, 0));
        ASSERT_NE(handle, nullptr);
        ASSERT_EQ(GetObjectA(handle, sizeof font, &font), static_cast<int>(sizeof font));
        EXPECT_EQ(font.lfHeight, c.fontHeight) << "control height " << c.height;
        EXPECT_EQ(font.lfWeight, FW_NORMAL);
        EXPECT_EQ(font.lfUnderline, 1);
        EXPECT_EQ(font.lfItalic, 0);
        EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(link, GCLP_HCURSOR)),
                  LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINK_HAND)));
        SetClassLongPtrA(link, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(arrow)); // other tests' statics
        DeleteObject(handle);
        DestroyWindow(link);
    }
    DestroyWindow(parent);
}

TEST(ShellResources, LinkCursorIsA32PixelTwoColourHandWithItsHotSpotAtTheFingerTip) {
    HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINK_HAND));
    ASSERT_NE(hand, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 6u);
    EXPECT_EQ(info.yHotspot, 0u);
    EXPECT_EQ(info.hbmColor, nullptr) << "a two-colour cursor has only its mask";
    BITMAP mask{};
    ASSERT_TRUE(GetObjectA(info.hbmMask, sizeof mask, &mask));
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmHeight, 64); // AND and XOR halves
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
}

TEST(ShellResources, PanelTemplatesAreEmptyHiddenChildDialogsInEightPointMsSansSerif) {
    struct Case {
        int id;
        DWORD style;
    } cases[] = {
        {IDD_QUESTION_PANEL, WS_CHILD | WS_BORDER | WS_VSCROLL | WS_HSCROLL | DS_SETFONT},
        {IDD_HEADER_PANEL, WS_CHILD | WS_BORDER | DS_SETFONT},
    };
    for (const Case& c : cases) {
        HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(c.id), MAKEINTRESOURCEA(5)); // RT_DIALOG
        ASSERT_NE(found, nullptr) << c.id;
        auto* dialog = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(nullptr, found)));
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->style, c.style) << c.id;
        EXPECT_EQ(dialog->cdit, 0) << c.id;
        EXPECT_EQ(dialog->x, 0);
        EXPECT_EQ(dialog->y, 0);
        EXPECT_EQ(dialog->cx, 86);
        EXPECT_EQ(dialog->cy, 100);
        // Menu, class and title follow as empty words; then the point size and the face name.
        auto* words = reinterpret_cast<const WORD*>(dialog + 1);
        EXPECT_EQ(words[0], 0);
        EXPECT_EQ(words[1], 0);
        EXPECT_EQ(words[2], 0);
        EXPECT_EQ(words[3], 8);
        EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(words + 4)), L"MS Sans Serif") << c.id;
    }
}

TEST(ShellResources, PlayAndStopIconsLoadAtButtonSize) {
    for (int id : {IDI_PLAY, IDI_STOP, IDI_JORVO}) {
        HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0);
        EXPECT_NE(icon, nullptr) << id;
        if (icon) DestroyIcon(static_cast<HICON>(icon));
    }
}

} // namespace
