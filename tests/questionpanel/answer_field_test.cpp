// The answer fields' keys on the real panel: Enter through the dialog manager, Tab keeping the field in
// view, the page keys, F1 and F2, and the judging when a field is left.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "judging/verdict.h"
#include "media/media_host.h"
#include "panel_fixture.h"
#include "questionpanel/media_buttons.h"
#include "questionpanel/panel_ids.h"
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
    // Releases `key` in field k and answers the scroll codes the panel received meanwhile.
    std::vector<WPARAM> KeyUp(int k, WPARAM key) {
        watchedPanel = panel;
        scrollCodes.clear();
        SendMessageA(Item(kAnswerFieldBase + k), WM_KEYUP, key, 0xC0000001);
        return scrollCodes;
    }
    // As the message loop hands a message over: to the dialog manager first.
    void ThroughDialog(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
        MSG msg{target, message, wParam, lParam, 0, {0, 0}};
        do {
            if (!IsDialogMessageA(panel, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        } while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    }

  private:
    HHOOK hook_ = nullptr;
};

// Play buttons are default push buttons; once the focus has passed over one, the dialog manager and the
// edit control itself would turn Enter into a press of it.
TEST_F(AnswerFieldTest, EnterJudgesOnReleaseReachesNeitherTheTextNorAPlayButton) {
    quizDocument = new QuizDocument;
    quizDocument->quizKind = kQuizAudio;
    InstallMediaHost();
    ASSERT_TRUE(Build(kQuizAudio, 1, 0, {{"Paris"}, {"Rome"}}));
    ReleasePanelMedia(); // a wrong press then finds no player to start (Wine's player crashes in play)
    HWND field = Item(kAnswerFieldBase + 1);
    SendMessageA(panel, DM_SETDEFID, kPlayButtonBase + 2, 0);
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
    for (WPARAM character : {WPARAM('\t'), WPARAM(0), WPARAM('s')})
        SendMessageA(field, WM_CHAR, character, 1);
    EXPECT_EQ(Text(kAnswerFieldBase + 1), "pariss");
    ShutdownMediaHost(panel);
    panel = nullptr;
}

// Twenty lines: the content is 505 high. Fields moved by hand stand for a scrolled panel.
TEST_F(AnswerFieldTest, TabKeepsTheNewlyFocusedFieldWhollyInViewWithinTheScrollRange) {
    const struct {
        int field;
        LONG movedTo; // -1: where the build put it
        int position;
        int target; // -1: its bottom (375) 5 pixels above the client's; -2: the range's end (505)
        bool scrolls;
    } cases[] = {
        {2, -1, 0, 0, false},    // wholly visible: no scroll
        {15, -1, 0, -1, true},   // below: down just enough
        {5, -30, 100, 65, true}, // above: up to its top, 5 pixels over it
        {5, -30, 10, 0, true},   // not above the content
        {5, 1000, 0, -2, true},  // not below it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field * 1000 + c.position);
        ASSERT_TRUE(Build(kQuizText, 1, 0, std::vector<TestQuestion>(20, TestQuestion{"x"})));
        SetScrollRange(panel, SB_VERT, 0, 1000, FALSE);
        SetScrollPos(panel, SB_VERT, c.position, FALSE);
        RECT client{};
        GetClientRect(panel, &client);
        HWND field = Item(kAnswerFieldBase + c.field);
        if (c.movedTo != -1) SetWindowPos(field, nullptr, 610, c.movedTo, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SetFocus(field);
        const std::vector<WPARAM> codes = KeyUp(c.field, VK_TAB);
        EXPECT_EQ(scrollTarget, c.target == -1   ? 380 - client.bottom
                                : c.target == -2 ? 505 - client.bottom
                                                 : c.target);
        EXPECT_EQ(codes, c.scrolls ? std::vector<WPARAM>{ScrollToTarget} : std::vector<WPARAM>{});
    }
}

TEST_F(AnswerFieldTest, PageKeysAndArrowsPageThePanelWhileTheFieldKeepsTheFocus) {
    ASSERT_TRUE(Build(kQuizText, 1, 0, {{"Paris"}, {"Rome"}}));
    const std::vector<WPARAM> up{SB_PAGEUP}, down{SB_PAGEDOWN}, none;
    const std::pair<WPARAM, std::vector<WPARAM>> cases[] = {{VK_PRIOR, up},  {VK_UP, up},     {VK_NEXT, down},
                                                            {VK_DOWN, down}, {VK_LEFT, none}, {'A', none}};
    SetFocus(Item(kAnswerFieldBase + 2));
    for (const auto& [key, codes] : cases) {
        EXPECT_EQ(KeyUp(2, key), codes) << "key " << key;
        EXPECT_EQ(GetFocus(), Item(kAnswerFieldBase + 2));
    }
}

TEST_F(AnswerFieldTest, F1CopiesIntoEveryFieldNotFoundLeavingJudgesAndF2Saves) {
    WriteAnswersFile("paris\r\n\r\nParis\r\n");
    ASSERT_TRUE(Build(kQuizText, 1, 0, {{"Paris"}, {"Paris"}, {"Rome"}}));
    const std::string third = DecideVerdict("Rome", "Paris");
    ASSERT_EQ(Text(kVerdictLabelBase + 1) + Text(kVerdictLabelBase + 2) + Text(kVerdictLabelBase + 3),
              "BRAVO?" + third);

    SetFocus(Item(kAnswerFieldBase + 3));
    KeyUp(3, VK_F1);
    EXPECT_EQ(Text(kAnswerFieldBase + 1), "paris") << "a found field keeps its text";
    EXPECT_EQ(Text(kAnswerFieldBase + 2), "Paris");
    EXPECT_EQ(Text(kVerdictLabelBase + 2), kVerdictRight) << "judged as the focus moved on";
    EXPECT_EQ(GetFocus(), Item(kAnswerFieldBase + 3));
    DWORD start = 1, end = 0; // entering a field selects all of it
    SendMessageA(GetFocus(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start * 100 + end, 5u);

    DeleteFileA(OwnAnswersFile().c_str());
    KeyUp(1, VK_F2);
    char bytes[64] = "";
    DWORD read = 0;
    HANDLE file = CreateFileA(OwnAnswersFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ReadFile(file, bytes, sizeof bytes, &read, nullptr);
    CloseHandle(file);
    EXPECT_EQ(std::string(bytes, read), "paris\r\nParis\r\nParis\r\n");
    EXPECT_EQ(Text(kVerdictLabelBase + 3), third) << "saving changes nothing on screen";

    // From a field emptied while its label still reads "BRAVO": the other open field empties too, and
    // both are judged as the focus moves.
    SetFocus(Item(kAnswerFieldBase + 2));
    SetWindowTextA(Item(kAnswerFieldBase + 2), "");
    KeyUp(2, VK_F1);
    EXPECT_EQ(Text(kAnswerFieldBase + 1) + "|" + Text(kAnswerFieldBase + 3), "paris|");
    EXPECT_EQ(Text(kVerdictLabelBase + 2) + Text(kVerdictLabelBase + 3), "??");
}

} // namespace
