// The answer fields' keys on the real panel: Enter through the dialog manager, leaving and entering a
// field, Tab keeping the field in view, the page keys, F1 and F2.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "judging/panel_texts.h"
#include "judging/verdict.h"
#include "media/media_host.h"
#include "panel_fixture.h"
#include "questionpanel/media_buttons.h"
#include "questionpanel/panel_state.h"
#include "questionpanel/question_blocks.h"
#include "questionpanel/scroll_codes.h"
#include "shell/shell_state.h"

namespace {

HWND watchedPanel = nullptr;
std::vector<WPARAM> scrollCodes; // WM_VSCROLL codes sent to watchedPanel

LRESULT CALLBACK WatchScrolls(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == watchedPanel && sent->message == WM_VSCROLL)
        scrollCodes.push_back(sent->wParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class AnswerFieldTest : public PanelTest {
  protected:
    void SetUp() override {
        PanelTest::SetUp();
        hook_ = SetWindowsHookExA(WH_CALLWNDPROC, WatchScrolls, nullptr, GetCurrentThreadId());
    }
    void TearDown() override {
        UnhookWindowsHookEx(hook_);
        PanelTest::TearDown();
    }
    void Watch() {
        watchedPanel = panel;
        scrollCodes.clear();
    }
    void KeyUp(int field, WPARAM key) {
        SendMessageA(Item(kAnswerFieldBase + field), WM_KEYUP, key, 0xC0000001);
    }
    // As the message loop hands keys over: the dialog manager first.
    void ThroughDialog(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
        MSG msg{target, message, wParam, lParam, 0, {0, 0}};
        if (!IsDialogMessageA(panel, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageA(panel, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
    }

  private:
    HHOOK hook_ = nullptr;
};

// The play buttons are default push buttons: the dialog manager must not turn Enter into a press.
TEST_F(AnswerFieldTest, EnterJudgesTheFieldAndNeitherReachesTheEditNorPressesPlay) {
    quizDocument->quizKind = kQuizAudio;
    InstallMediaHost();
    ASSERT_TRUE(Build({kQuizAudio, 1, 0, {{"Paris"}, {"Rome"}}}));
    ReleasePanelMedia(); // a wrong press of play then finds no player (Wine's player crashes in play)
    HWND field = Item(kAnswerFieldBase + 1);
    SendMessageA(panel, DM_SETDEFID, kPlayButtonBase + 2, 0); // as once the focus has passed over it
    SetFocus(field);
    SetWindowTextA(field, "paris");
    SendMessageA(field, EM_SETSEL, 5, 5);
    ThroughDialog(field, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    ThroughDialog(field, WM_CHAR, '\r', 0x001C0001);
    EXPECT_EQ(Text(kVerdictLabelBase + 1), kVerdictEmpty) << "judged on the key's release";
    ThroughDialog(field, WM_KEYUP, VK_RETURN, 0xC01C0001);
    EXPECT_EQ(Text(kVerdictLabelBase + 1), kVerdictRight);
    EXPECT_EQ(currentMedia, 0) << "Enter pressed the default play button";
    EXPECT_EQ(GetFocus(), field);

    for (WPARAM swallowed : {WPARAM('\r'), WPARAM('\t'), WPARAM(0)})
        EXPECT_EQ(SendMessageA(field, WM_CHAR, swallowed, 1), 0);
    SendMessageA(field, WM_CHAR, 's', 1);
    EXPECT_EQ(Text(kAnswerFieldBase + 1), "pariss");
    ShutdownMediaHost(panel);
    panel = nullptr;
}

TEST_F(AnswerFieldTest, LeavingAFieldJudgesItAndEnteringOneSelectsItsWholeText) {
    WriteAnswersFile("\r\nRome\r\n");
    ASSERT_TRUE(Build({kQuizText, 1, 0, {{"Paris"}, {"Rome"}}}));
    HWND first = Item(kAnswerFieldBase + 1);
    SetFocus(first);
    SetWindowTextA(first, "Pari");
    SetFocus(Item(kAnswerFieldBase + 2));
    EXPECT_EQ(Text(kVerdictLabelBase + 1), DecideVerdict("Paris", "Pari"));
    DWORD start = 1, end = 0;
    SendDlgItemMessageA(panel, kAnswerFieldBase + 2, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                        reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);
}

// Twenty lines: the content is 505 high. Fields are moved by hand to stand for a scrolled panel.
TEST_F(AnswerFieldTest, TabKeepsTheNewlyFocusedFieldWhollyInViewWithinTheScrollRange) {
    const struct {
        const char* name;
        int field;
        LONG movedTo; // -1: where the build put it
        int position;
        int target; // -1: 375 - client + 5; -2: 505 - client
        bool scrolls;
    } cases[] = {
        {"wholly visible", 2, -1, 0, 0, false},
        {"below: scrolled down just enough", 15, -1, 0, -1, true},
        {"above: scrolled up to its top", 5, -30, 100, 65, true},
        {"above near the top: not below 0", 5, -30, 10, 0, true},
        {"far below: not beyond the range", 5, 1000, 0, -2, true},
    };
    std::vector<TestQuestion> questions(20, TestQuestion{"x"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        delete quizDocument;
        quizDocument = new QuizDocument;
        ASSERT_TRUE(Build({kQuizText, 1, 0, questions}));
        SetScrollRange(panel, SB_VERT, 0, 1000, FALSE);
        SetScrollPos(panel, SB_VERT, c.position, FALSE);
        RECT client{};
        GetClientRect(panel, &client);
        HWND field = Item(kAnswerFieldBase + c.field);
        if (c.movedTo != -1) SetWindowPos(field, nullptr, 610, c.movedTo, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SetFocus(field);
        Watch();
        scrollTarget = -7;
        KeyUp(c.field, VK_TAB);
        const int expected = c.target == -1   ? 375 - client.bottom + 5
                             : c.target == -2 ? 505 - client.bottom
                                              : c.target;
        EXPECT_EQ(scrollTarget, expected);
        EXPECT_EQ(scrollCodes, c.scrolls ? std::vector<WPARAM>{ScrollToTarget} : std::vector<WPARAM>{});
        DestroyPanel();
    }
}

TEST_F(AnswerFieldTest, PageKeysAndArrowsPageThePanelAndTheFieldKeepsTheFocus) {
    ASSERT_TRUE(Build({kQuizText, 1, 0, {{"Paris"}, {"Rome"}}}));
    const struct {
        WPARAM key;
        std::vector<WPARAM> codes;
    } cases[] = {
        {VK_PRIOR, {SB_PAGEUP}},  {VK_UP, {SB_PAGEUP}}, {VK_NEXT, {SB_PAGEDOWN}},
        {VK_DOWN, {SB_PAGEDOWN}}, {VK_LEFT, {}},        {'A', {}},
    };
    SetFocus(Item(kAnswerFieldBase + 2));
    for (const auto& c : cases) {
        Watch();
        KeyUp(2, c.key);
        EXPECT_EQ(scrollCodes, c.codes) << "key " << c.key;
        EXPECT_EQ(GetFocus(), Item(kAnswerFieldBase + 2));
    }
}

TEST_F(AnswerFieldTest, F1CopiesIntoEveryFieldNotFoundAndF2SavesWithoutChangingTheScreen) {
    WriteAnswersFile("paris\r\n\r\nParis\r\n");
    ASSERT_TRUE(Build({kQuizText, 1, 0, {{"Paris"}, {"Paris"}, {"Rome"}}}));
    const std::string third = DecideVerdict("Rome", "Paris");
    ASSERT_EQ(Text(kVerdictLabelBase + 1), kVerdictRight);
    ASSERT_EQ(Text(kVerdictLabelBase + 2), kVerdictEmpty);
    ASSERT_EQ(Text(kVerdictLabelBase + 3), third);

    SetFocus(Item(kAnswerFieldBase + 3));
    KeyUp(3, VK_F1);
    EXPECT_EQ(Text(kAnswerFieldBase + 1), "paris") << "a found field keeps its text";
    EXPECT_EQ(Text(kAnswerFieldBase + 2), "Paris");
    EXPECT_EQ(Text(kVerdictLabelBase + 2), kVerdictRight) << "judged when the focus moved on";
    EXPECT_EQ(Text(kAnswerFieldBase + 3), "Paris");
    EXPECT_EQ(GetFocus(), Item(kAnswerFieldBase + 3));

    DeleteFileA(OwnAnswersFile().c_str());
    KeyUp(1, VK_F2);
    std::string saved;
    char bytes[64] = "";
    HANDLE file = CreateFileA(OwnAnswersFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD read = 0;
    ReadFile(file, bytes, sizeof bytes, &read, nullptr);
    CloseHandle(file);
    EXPECT_EQ(std::string(bytes, read), "paris\r\nParis\r\nParis\r\n");
    EXPECT_EQ(Text(kVerdictLabelBase + 3), third);

    // From an emptied field whose label still reads "BRAVO": the other open field empties, and both
    // are judged as the focus moves.
    SetFocus(Item(kAnswerFieldBase + 2));
    SetWindowTextA(Item(kAnswerFieldBase + 2), "");
    KeyUp(2, VK_F1);
    EXPECT_EQ(Text(kAnswerFieldBase + 3), "");
    EXPECT_EQ(Text(kVerdictLabelBase + 3), kVerdictEmpty);
    EXPECT_EQ(Text(kVerdictLabelBase + 2), kVerdictEmpty);
    EXPECT_EQ(Text(kAnswerFieldBase + 1), "paris");
}

} // namespace
