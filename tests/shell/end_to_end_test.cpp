// The built players, run as the player runs them: started in a scratch folder, watched from outside
// through their windows, closed, and judged by their exit code and the answers file they leave.
#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell_test_support.h"

namespace {

std::string WindowsPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// Modules loaded in process `id`, lower-case names.
std::vector<std::string> LoadedModules(DWORD id) {
    std::vector<std::string> names;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, id);
    if (snapshot == INVALID_HANDLE_VALUE) return names;
    MODULEENTRY32 module{};
    module.dwSize = sizeof module;
    for (BOOL more = Module32First(snapshot, &module); more; more = Module32Next(snapshot, &module)) {
        std::string name = module.szModule;
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        names.push_back(name);
    }
    CloseHandle(snapshot);
    return names;
}

bool Loaded(const std::vector<std::string>& modules, const char* name) {
    return std::find(modules.begin(), modules.end(), name) != modules.end();
}

struct FindTarget {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM lParam) {
    auto* target = reinterpret_cast<FindTarget*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32];
    if (owner == target->processId && GetClassNameA(window, className, sizeof className) &&
        !lstrcmpA(className, "Jorvo") && IsWindowVisible(window)) {
        target->window = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectPanels(HWND child, LPARAM lParam) {
    auto* panels = reinterpret_cast<std::vector<HWND>*>(lParam);
    char className[32];
    if (GetParent(child) == GetAncestor(child, GA_ROOT) &&
        GetClassNameA(child, className, sizeof className) && !lstrcmpA(className, "#32770"))
        panels->push_back(child);
    return TRUE;
}

// The keys a low-level hook older than the player's saw.
std::vector<DWORD> keysSeen;

LRESULT CALLBACK WatchKeys(int code, WPARAM message, LPARAM event) {
    if (code == HC_ACTION) keysSeen.push_back(reinterpret_cast<KBDLLHOOKSTRUCT*>(event)->vkCode);
    return CallNextHookEx(nullptr, code, message, event);
}

// Presses and releases `key`, then F24 as a marker; pumps until the watcher saw the marker.
bool PressAndWatch(WORD key) {
    keysSeen.clear();
    INPUT inputs[4] = {};
    WORD keys[4] = {key, key, VK_F24, VK_F24};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i];
        inputs[i].ki.dwFlags = i % 2 ? KEYEVENTF_KEYUP : 0;
    }
    if (SendInput(4, inputs, sizeof(INPUT)) != 4) return false;
    return PumpMessagesUntil([] { return std::count(keysSeen.begin(), keysSeen.end(), DWORD(VK_F24)) == 2; });
}

// A player process started in a scratch folder of its own, with an older keyboard watcher installed
// first so that the player's filter runs before it.
class PlayerRun {
  public:
    PlayerRun(const char* program, const char* folder) : folder_(folder) {
        CreateDirectoryA(folder, nullptr);
        watcher_ = SetWindowsHookExA(WH_KEYBOARD_LL, WatchKeys, GetModuleHandleA(nullptr), 0);
        std::string path = WindowsPath(program);
        std::string commandLine = "\"" + path + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder,
                            &startup, &process_))
            return;
        FindTarget target{process_.dwProcessId, nullptr};
        PumpMessagesUntil([&] {
            EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&target));
            return target.window != nullptr;
        });
        window = target.window;
    }
    ~PlayerRun() {
        if (process_.hProcess) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(process_.hProcess, 99);
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
        if (watcher_) UnhookWindowsHookEx(watcher_);
    }
    DWORD processId() const { return process_.dwProcessId; }
    // Closes the window as the player does and answers the exit code, or -1 when the process stays.
    long CloseAndWait() {
        PostMessageA(window, WM_CLOSE, 0, 0);
        bool ended =
            PumpMessagesUntil([this] { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; });
        DWORD code = 0;
        if (!ended || !GetExitCodeProcess(process_.hProcess, &code)) return -1;
        return static_cast<long>(code);
    }
    std::string File(const char* name) const { return folder_ + "\\" + name; }

    HWND window = nullptr;

  private:
    std::string folder_;
    HHOOK watcher_ = nullptr;
    PROCESS_INFORMATION process_{};
};

void ExpectRect(HWND child, int x, int y, int width, int height, const char* what) {
    RECT rect = RectInParent(child);
    EXPECT_EQ(rect.left, x) << what;
    EXPECT_EQ(rect.top, y) << what;
    EXPECT_EQ(rect.right - rect.left, width) << what;
    EXPECT_EQ(rect.bottom - rect.top, height) << what;
}

// The panels (dialogs without ids) told apart by their place: the header panel is the one at y 2.
void ExpectLayout(HWND window, const std::string& when) {
    SCOPED_TRACE(when);
    std::vector<HWND> panels;
    EnumChildWindows(window, CollectPanels, reinterpret_cast<LPARAM>(&panels));
    ASSERT_EQ(panels.size(), 2u) << "the header panel and the question panel";
    if (RectInParent(panels[0]).top != 2) std::swap(panels[0], panels[1]);
    RECT client{};
    GetClientRect(window, &client);
    int cw = client.right, ch = client.bottom;
    ExpectRect(panels[0], 5, 2, cw - 11, 49, "header panel");
    ExpectRect(panels[1], 5, 50, cw - 11, ch - 68, "question panel");
    ExpectRect(GetDlgItem(window, 8000), cw - 145, ch - 16, 150, 15, "footer label");
}

std::string Text(HWND window) {
    char text[512];
    return std::string(text, GetWindowTextA(window, text, sizeof text));
}

std::string EmptyLines(int count) {
    std::string lines;
    for (int i = 0; i < count; ++i)
        lines += "\r\n";
    return lines;
}

TEST(PlayerEndToEnd, TextQuizOpensCentredLaidOutFiltersPrintScreenAndSavesOnClose) {
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
    ExpectLayout(player.window, "at start");

    SetWindowPos(player.window, nullptr, 0, 0, 700, 450, SWP_NOMOVE | SWP_NOZORDER);
    ExpectLayout(player.window, "resized to 700 x 450");
    ShowWindow(player.window, SW_MINIMIZE);
    ShowWindow(player.window, SW_RESTORE);
    ExpectLayout(player.window, "minimised and restored");

    std::vector<std::string> modules = LoadedModules(player.processId());
    ASSERT_TRUE(Loaded(modules, "jorvo.exe")) << "the module list of the player could not be read";
    EXPECT_FALSE(Loaded(modules, "atl.dll")) << "a text quiz must not load the control-hosting library";

    ASSERT_TRUE(PressAndWatch(VK_SNAPSHOT));
    EXPECT_EQ(std::count(keysSeen.begin(), keysSeen.end(), DWORD(VK_SNAPSHOT)), 0)
        << "Print Screen reached another program while the player runs";

    EXPECT_EQ(player.CloseAndWait(), 0);
    std::string saved;
    ASSERT_TRUE(ReadWholeFile(player.File("jorvo.txt"), &saved)) << "closing must write the answers file";
    EXPECT_EQ(saved, EmptyLines(DEMO_FIELD_COUNT));

    ASSERT_TRUE(PressAndWatch(VK_SNAPSHOT));
    EXPECT_EQ(std::count(keysSeen.begin(), keysSeen.end(), DWORD(VK_SNAPSHOT)), 2)
        << "Print Screen must work again once the player has ended";
    DeleteFileA(player.File("jorvo.txt").c_str());
}

TEST(PlayerEndToEnd, AudioQuizHostsTheMediaLibraryAndStillEndsWithZero) {
    const char* answers = "audio-run\\jorvo_audio_player.txt";
    DeleteFileA(answers);
    PlayerRun player(JORVO_AUDIO_PLAYER_PATH, "audio-run");
    ASSERT_NE(player.window, nullptr) << "no visible \"Jorvo\" window from " << JORVO_AUDIO_PLAYER_PATH;
    EXPECT_EQ(Text(player.window), "Sons de test");
    EXPECT_TRUE(Loaded(LoadedModules(player.processId()), "atl.dll"));

    // The media host's shutdown destroys the main window itself; the exit code stays 0.
    EXPECT_EQ(player.CloseAndWait(), 0);
    std::string saved;
    ASSERT_TRUE(ReadWholeFile(answers, &saved));
    EXPECT_EQ(saved, EmptyLines(2));
    WIN32_FIND_DATAA found;
    HANDLE media = FindFirstFileA("audio-run\\jorvo4*", &found);
    EXPECT_EQ(media, INVALID_HANDLE_VALUE) << "nothing was played, so no media file may be left";
    if (media != INVALID_HANDLE_VALUE) FindClose(media);
    DeleteFileA(answers);
}

// Every resource of the shipped player in one language, and the shell's own resources among them.
struct ResourceCensus {
    int count = 0;
    int otherLanguage = 0;
    std::vector<std::pair<ULONG_PTR, ULONG_PTR>> typeAndId; // integer ids only
};

BOOL CALLBACK CountLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR census) {
    auto* c = reinterpret_cast<ResourceCensus*>(census);
    ++c->count;
    if (language != MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)) ++c->otherLanguage;
    return TRUE;
}

BOOL CALLBACK CountName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR census) {
    auto* c = reinterpret_cast<ResourceCensus*>(census);
    if (IS_INTRESOURCE(type) && IS_INTRESOURCE(name))
        c->typeAndId.emplace_back(reinterpret_cast<ULONG_PTR>(type), reinterpret_cast<ULONG_PTR>(name));
    EnumResourceLanguagesA(module, type, name, CountLanguage, census);
    return TRUE;
}

BOOL CALLBACK CountType(HMODULE module, LPSTR type, LONG_PTR census) {
    EnumResourceNamesA(module, type, CountName, census);
    return TRUE;
}

TEST(PlayerResources, OneLanguageWithTemplatesCursorIconsAndVersion) {
    HMODULE player =
        LoadLibraryExA(WindowsPath(JORVO_PLAYER_PATH).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(player, nullptr);
    ResourceCensus census;
    EnumResourceTypesA(player, CountType, reinterpret_cast<LONG_PTR>(&census));
    FreeLibrary(player);
    EXPECT_GT(census.count, 8);
    EXPECT_EQ(census.otherLanguage, 0) << "a resource in a second language";
    auto has = [&](ULONG_PTR type, ULONG_PTR id) {
        return std::find(census.typeAndId.begin(), census.typeAndId.end(), std::make_pair(type, id)) !=
               census.typeAndId.end();
    };
    EXPECT_TRUE(has(5, 1001) && has(5, 1002)) << "dialog templates";      // RT_DIALOG
    EXPECT_TRUE(has(12, 1003)) << "link cursor";                          // RT_GROUP_CURSOR
    EXPECT_TRUE(has(14, 1004) && has(14, 1005)) << "play and stop icons"; // RT_GROUP_ICON
    EXPECT_TRUE(has(16, 1)) << "version block";                           // RT_VERSION

    std::string path = WindowsPath(JORVO_PLAYER_PATH);
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));
    char* description = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\FileDescription",
                               reinterpret_cast<void**>(&description), &length));
    EXPECT_GT(length, 1u);
}

} // namespace
