// The built players run as a player runs them: started in a scratch folder, watched from outside
// through their windows and the keyboard, closed, and judged by the exit code and the answers file.
#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell_test_support.h"

namespace {

// True when process `id` has loaded the module `name` (lower case).
bool ModuleLoaded(DWORD id, const char* name) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, id);
    MODULEENTRY32 module{};
    module.dwSize = sizeof module;
    bool found = false;
    for (BOOL more = Module32First(snapshot, &module); more && !found; more = Module32Next(snapshot, &module))
        found = !lstrcmpiA(module.szModule, name);
    CloseHandle(snapshot);
    return found;
}

std::vector<DWORD> keysSeen; // by a low-level hook older than the player's filter

LRESULT CALLBACK WatchKeys(int code, WPARAM message, LPARAM event) {
    if (code == HC_ACTION) keysSeen.push_back(reinterpret_cast<KBDLLHOOKSTRUCT*>(event)->vkCode);
    return CallNextHookEx(nullptr, code, message, event);
}

// How many Print Screen events (down and up) reach the watcher; F24 after them marks the end.
long PrintScreenEventsSeen() {
    keysSeen.clear();
    INPUT inputs[4] = {};
    const WORD keys[4] = {VK_SNAPSHOT, VK_SNAPSHOT, VK_F24, VK_F24};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i];
        inputs[i].ki.dwFlags = i % 2 ? KEYEVENTF_KEYUP : 0;
    }
    if (SendInput(4, inputs, sizeof(INPUT)) != 4 ||
        !PumpMessagesUntil([] { return std::count(keysSeen.begin(), keysSeen.end(), DWORD(VK_F24)) == 2; }))
        return -1;
    return std::count(keysSeen.begin(), keysSeen.end(), DWORD(VK_SNAPSHOT));
}

// A player started in its own folder, with the key watcher installed before it so the player's filter,
// installed later, decides first.
class PlayerRun {
  public:
    PlayerRun(std::string program, const char* folder) {
        std::replace(program.begin(), program.end(), '/', '\\');
        CreateDirectoryA(folder, nullptr);
        watcher_ = SetWindowsHookExA(WH_KEYBOARD_LL, WatchKeys, GetModuleHandleA(nullptr), 0);
        std::string commandLine = "\"" + program + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder,
                            &startup, &process_))
            return;
        PumpMessagesUntil([this] {
            EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(this));
            return window != nullptr;
        });
    }
    ~PlayerRun() {
        if (process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
        UnhookWindowsHookEx(watcher_);
    }
    DWORD id() const { return process_.dwProcessId; }
    // Closes the window as the player would be closed; the exit code, or -1 when the process stays.
    long CloseAndWait() { return CloseAndWaitForExit(window, process_.hProcess); }
    // The header panel and the question panel: the two dialogs, told apart by the header's place at y 2.
    std::pair<HWND, HWND> Panels() const {
        HWND header = nullptr, panel = nullptr;
        return FindPanels(window, &header, &panel) ? std::pair{header, panel} : std::pair<HWND, HWND>{};
    }

    HWND window = nullptr;

  private:
    static BOOL CALLBACK MatchMainWindow(HWND candidate, LPARAM lParam) {
        auto* run = reinterpret_cast<PlayerRun*>(lParam);
        DWORD owner = 0;
        GetWindowThreadProcessId(candidate, &owner);
        char className[16];
        if (owner != run->id() || !IsWindowVisible(candidate) || !GetClassNameA(candidate, className, 16) ||
            lstrcmpA(className, "Jorvo"))
            return TRUE;
        run->window = candidate;
        return FALSE;
    }

    HHOOK watcher_ = nullptr;
    PROCESS_INFORMATION process_{};
};

std::string Text(HWND window) {
    char text[512];
    return std::string(text, GetWindowTextA(window, text, sizeof text));
}

TEST(PlayerEndToEnd, TextQuizOpensCentredLaidOutHoldsPrintScreenAndSavesOnClose) {
    DeleteFileA("text-run\\jorvo.txt");
    PlayerRun player(JORVO_PLAYER_PATH, "text-run");
    ASSERT_NE(player.window, nullptr) << "no visible \"Jorvo\" window from " << JORVO_PLAYER_PATH;
    EXPECT_EQ(Text(player.window), DEMO_TITLE);
    EXPECT_EQ(Text(GetDlgItem(player.window, 8000)), FOOTER_TEXT);
    RECT rect{}, desktop{};
    GetWindowRect(player.window, &rect);
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(rect.right - rect.left, 930);
    EXPECT_EQ(rect.bottom - rect.top, 600);
    EXPECT_EQ(rect.left, desktop.left + (desktop.right - desktop.left - 930) / 2);
    EXPECT_EQ(rect.top, desktop.top + (desktop.bottom - desktop.top - 600) / 2);
    auto [header, questions] = player.Panels();
    ASSERT_NE(header, nullptr) << "the header panel and the question panel";
    ExpectShellLayout(player.window, header, questions);
    SetWindowPos(player.window, nullptr, 0, 0, 700, 450, SWP_NOMOVE | SWP_NOZORDER);
    ShowWindow(player.window, SW_MINIMIZE);
    ShowWindow(player.window, SW_RESTORE);
    ExpectShellLayout(player.window, header, questions);

    ASSERT_TRUE(ModuleLoaded(player.id(), "jorvo.exe")) << "the player's module list cannot be read";
    EXPECT_FALSE(ModuleLoaded(player.id(), "atl.dll")) << "a text quiz must not load the hosting library";
    EXPECT_EQ(PrintScreenEventsSeen(), 0) << "Print Screen reached another program while the player runs";

    EXPECT_EQ(player.CloseAndWait(), 0);
    std::string saved;
    EXPECT_TRUE(ReadWholeFile("text-run\\jorvo.txt", &saved)) << "closing must write the answers file";
    EXPECT_EQ(saved, EmptyLines(DEMO_FIELD_COUNT));
    EXPECT_EQ(PrintScreenEventsSeen(), 2) << "Print Screen must work again once the player has ended";
}

TEST(PlayerEndToEnd, DemoPlayedWithTheKeyboardShowsVerdictsAndScoreAndComesBackAfterARestart) {
    // Typed answer, then the verdict the demo's accepted answer gives it.
    const struct {
        const char* typed;
        const char* verdict;
    } plays[] = {{"paris", "BRAVO"},
                 {"Rome", "BRAVO"},
                 {"Madird", "Anagramme"},
                 {"Lisbone", "Quasiment"},
                 {"Bonn", "FAUX"}};
    const int played = sizeof plays / sizeof plays[0];
    const std::string scoreLine = " 2 / " + std::to_string(DEMO_FIELD_COUNT);
    CreateDirectoryA("play-run", nullptr);
    DeleteFileA("play-run\\jorvo.txt");
    {
        PlayerRun player(JORVO_PLAYER_PATH, "play-run");
        ASSERT_NE(player.window, nullptr);
        auto [header, panel] = player.Panels();
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(ControlText(header, 32), " 0 / " + std::to_string(DEMO_FIELD_COUNT));
        for (int k = 1; k <= played; ++k) {
            TypeAndEnter(panel, k, plays[k - 1].typed);
            EXPECT_TRUE(PumpMessagesUntil([&] { return ControlText(panel, 5000 + k) != "?"; })) << k;
            EXPECT_EQ(ControlText(panel, 5000 + k), plays[k - 1].verdict) << plays[k - 1].typed;
            EXPECT_EQ(ControlText(panel, 4000 + k), plays[k - 1].typed) << "Enter must not reach the text";
        }
        EXPECT_EQ(ControlText(header, 32), scoreLine);
        EXPECT_EQ(ControlText(header, 30), "Touriste");
        EXPECT_EQ(player.CloseAndWait(), 0);
    }
    std::string saved;
    ASSERT_TRUE(ReadWholeFile("play-run\\jorvo.txt", &saved));
    std::string expected;
    for (const auto& play : plays)
        expected += std::string(play.typed) + "\r\n";
    EXPECT_EQ(saved, expected + EmptyLines(DEMO_FIELD_COUNT - played));

    PlayerRun again(JORVO_PLAYER_PATH, "play-run");
    ASSERT_NE(again.window, nullptr);
    auto [header, panel] = again.Panels();
    ASSERT_NE(panel, nullptr);
    for (int k = 1; k <= played; ++k) {
        EXPECT_EQ(ControlText(panel, 4000 + k), plays[k - 1].typed);
        EXPECT_EQ(ControlText(panel, 5000 + k), plays[k - 1].verdict);
    }
    EXPECT_EQ(ControlText(panel, 5000 + played + 1), "?");
    EXPECT_EQ(ControlText(header, 32), scoreLine);
    EXPECT_EQ(ControlText(header, 30), "Touriste");
    EXPECT_EQ(again.CloseAndWait(), 0);
}

TEST(PlayerEndToEnd, AudioQuizHostsTheMediaLibraryAndStillEndsWithZero) {
    DeleteFileA("audio-run\\jorvo_audio_player.txt");
    PlayerRun player(JORVO_AUDIO_PLAYER_PATH, "audio-run");
    ASSERT_NE(player.window, nullptr) << "no visible \"Jorvo\" window from " << JORVO_AUDIO_PLAYER_PATH;
    EXPECT_EQ(Text(player.window), "Sons de test");
    EXPECT_TRUE(ModuleLoaded(player.id(), "atl.dll"));

    EXPECT_EQ(player.CloseAndWait(), 0) << "the media host's shutdown destroys the main window itself";
    std::string saved;
    EXPECT_TRUE(ReadWholeFile("audio-run\\jorvo_audio_player.txt", &saved));
    EXPECT_EQ(saved, EmptyLines(2));
    EXPECT_FALSE(FileExists("audio-run\\jorvo401.WAV")) << "nothing was played";
}

// The demo quiz programs, packed by jorvo-maker into copies of the player template.
struct PackedDemo {
    const char* kind;
    const char* program;
    const char* title; // UTF-8, as in the quiz source
    int fieldCount;
    const char* firstAnswer; // UTF-8
};

const PackedDemo kPackedDemos[] = {
#include "packed_demos.inc"
};

std::wstring WideText(HWND window) {
    wchar_t text[512];
    return std::wstring(text, GetWindowTextW(window, text, 512));
}

std::wstring FromUtf8(const char* text) {
    wchar_t wide[512];
    const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, 512);
    return length > 0 ? std::wstring(wide, length - 1) : std::wstring();
}

// UTF-8 to the player's code page.
std::string ToWindows1252(const char* text) {
    const std::wstring wide = FromUtf8(text);
    char narrow[512];
    const int length =
        WideCharToMultiByte(1252, 0, wide.c_str(), int(wide.size()), narrow, 512, nullptr, nullptr);
    return std::string(narrow, length > 0 ? length : 0);
}

TEST(PlayerEndToEnd, PackedDemoProgramsOpenTheirQuizRestoreAndJudgeAnAnswerAndSaveEveryField) {
    for (const PackedDemo& demo : kPackedDemos) {
        SCOPED_TRACE(demo.kind);
        const std::string folder = std::string(demo.kind) + "-demo-run";
        const std::string answers = folder + "\\jorvo-" + demo.kind + ".txt";
        const std::string firstAnswer = ToWindows1252(demo.firstAnswer);
        CreateDirectoryA(folder.c_str(), nullptr);
        WriteWholeFileForTest(answers, firstAnswer + "\r\n");
        PlayerRun player(demo.program, folder.c_str());
        ASSERT_NE(player.window, nullptr) << "no visible \"Jorvo\" window from " << demo.program;
        EXPECT_EQ(WideText(player.window), FromUtf8(demo.title));
        auto [header, panel] = player.Panels();
        ASSERT_NE(panel, nullptr);
        // One answer field per line of the answers file, and no more.
        for (int k = 1; k <= demo.fieldCount; ++k)
            EXPECT_NE(GetDlgItem(panel, 4000 + k), nullptr) << "field " << k;
        EXPECT_EQ(GetDlgItem(panel, 4000 + demo.fieldCount + 1), nullptr);
        EXPECT_EQ(ControlText(panel, 4001), firstAnswer);
        EXPECT_EQ(ControlText(panel, 5001), "BRAVO") << "the restored answer is judged at start";
        EXPECT_EQ(player.CloseAndWait(), 0);
        std::string saved;
        EXPECT_TRUE(ReadWholeFile(answers.c_str(), &saved)) << answers;
        EXPECT_EQ(saved, firstAnswer + "\r\n" + EmptyLines(demo.fieldCount - 1));
    }
}

} // namespace
