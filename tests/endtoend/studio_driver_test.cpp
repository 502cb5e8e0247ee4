// Jorvo Studio driven from outside as an author drives it: a picture quiz made from nothing by dropping
// six pictures with accented names and typing into its fields, saved through its own save dialog, opened
// again, built into a program through its menu, and that program played: its title, a judged answer.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell_test_support.h"
#include "tests/tools/media_samples.h"
#include "tools/common/file_access.h"
#include "tools/studio/studio_ids.h"

namespace {

// A program started in `folder`, with `argument` on its command line when not empty.
struct Program {
    Program(const std::wstring& path, const std::wstring& folder, const std::wstring& argument) {
        std::wstring commandLine =
            L"\"" + path + L"\"" + (argument.empty() ? L"" : L" \"" + argument + L"\"");
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        CreateProcessW(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                       &startup, &process);
    }
    ~Program() {
        if (process.hProcess && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    // Its first visible top-level window of class `className`, waited for.
    HWND Window(const char* className) {
        HWND found = nullptr;
        PumpMessagesUntil([&] {
            found = FindTopLevel(className);
            return found || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
        });
        return found;
    }
    HWND FindTopLevel(const char* className) {
        struct Search {
            DWORD owner;
            const char* name;
            HWND found;
        } search{process.dwProcessId, className, nullptr};
        // A plain lambda has no stdcall conversion on i686: the callback is a static member.
        struct Visit {
            static BOOL CALLBACK Window(HWND window, LPARAM lParam) {
                auto* s = reinterpret_cast<Search*>(lParam);
                DWORD owner = 0;
                char name[32] = "";
                GetWindowThreadProcessId(window, &owner);
                if (owner != s->owner || !IsWindowVisible(window) ||
                    !GetClassNameA(window, name, sizeof name) || lstrcmpA(name, s->name))
                    return TRUE;
                s->found = window;
                return FALSE;
            }
        };
        EnumWindows(Visit::Window, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    PROCESS_INFORMATION process{};
};

std::wstring Wide(const std::string& utf8) {
    return WidePath(utf8);
}

// Types `text` into edit `id` of `window` as the keyboard would, after selecting what it holds.
void TypeInto(HWND window, int id, const std::wstring& text) {
    HWND edit = GetDlgItem(window, id);
    PostMessageW(edit, EM_SETSEL, 0, -1);
    for (wchar_t c : text)
        PostMessageW(edit, WM_CHAR, c, 1);
}

std::wstring WideText(HWND control) {
    wchar_t text[512] = L"";
    SendMessageW(control, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

// Files dropped on `window` of `program` at `point`: the drop's data is written into that process, where
// Explorer's drop would have put it (a fixed block is its own handle).
void DropFiles(Program& program, HWND window, const std::vector<std::wstring>& files, POINT point) {
    std::wstring names;
    for (const std::wstring& file : files)
        names += file + L'\0';
    names += L'\0';
    std::vector<char> block(sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    auto* drop = reinterpret_cast<DROPFILES*>(block.data());
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = point;
    drop->fWide = TRUE;
    memcpy(block.data() + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
    void* there = VirtualAllocEx(program.process.hProcess, nullptr, block.size(), MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(program.process.hProcess, there, block.data(), block.size(), nullptr);
    PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(there), 0);
}

// Answers the file dialog the program shows with `path`.
bool AnswerFileDialog(Program& program, const std::wstring& path) {
    HWND dialog = program.Window("#32770");
    if (!dialog) return false;
    HWND name = GetDlgItem(dialog, 1148); // the file name box
    if (!name) name = GetDlgItem(dialog, 1152);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return PumpMessagesUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

// Presses `button` in the message box the program shows; answers its text.
std::wstring AnswerMessage(Program& program, int button) {
    HWND box = program.Window("#32770");
    if (!box) return L"<none>";
    std::wstring text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[16] = "";
        GetClassNameA(child, name, sizeof name);
        if (!lstrcmpiA(name, "Static")) text += WideText(child);
    }
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    PumpMessagesUntil([&] { return !IsWindow(box); });
    return text;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(StudioDriver, APictureQuizMadeFromNothingSavedReopenedBuiltAndPlayed) {
    wchar_t temporary[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temporary);
    const std::wstring folder =
        std::wstring(temporary) + L"cours d'\u00E9t\u00E9 " + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    const wchar_t* const names[] = {L"\u00E9\x63ureuil roux.png", L"h\u00E9risson.png",
                                    L"ch\u00E2taigne.png",        L"ma\u00EFs_doux.png",
                                    L"for\u00EAt-noire.png",      L"c\u00E8pe.png"};
    std::vector<std::wstring> files;
    const ByteVector png = TinyPng();
    for (const wchar_t* name : names) {
        files.push_back(folder + L"\\" + name);
        HANDLE file = CreateFileW(files.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, png.data(), static_cast<DWORD>(png.size()), &written, nullptr);
        CloseHandle(file);
    }
    const std::wstring source = folder + L"\\for\u00EAt.quiz", built = folder + L"\\for\u00EAt.exe";
    {
        Program studio(Wide(STUDIO_EXE), folder, L"");
        HWND window = studio.Window("JorvoStudio");
        ASSERT_NE(window, nullptr);
        DropFiles(studio, window, files, POINT{20, 20});
        HWND list = GetDlgItem(window, kQuestionList);
        ASSERT_TRUE(PumpMessagesUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 6; }));
        EXPECT_EQ(WideText(GetDlgItem(window, kAnswer1Edit)), L"\u00E9\x63ureuil roux");
        TypeInto(window, kTitleEdit, L"La for\u00EAt en automne");
        TypeInto(window, kQuestionTextEdit, L"Qui est-ce ?");
        TypeInto(window, kScoresEdit, L"1\r2\r3\r4\r5\r6");
        PumpMessagesUntil(
            [&] { return WideText(GetDlgItem(window, kTitleEdit)) == L"La for\u00EAt en automne"; });
        PostMessageW(window, WM_COMMAND, kCommandSave, 0);
        ASSERT_TRUE(AnswerFileDialog(studio, source));
        ASSERT_TRUE(PumpMessagesUntil([&] { return Exists(source); }));
        EXPECT_EQ(CloseAndWaitForExit(window, studio.process.hProcess), 0); // saved: nothing asked
    }
    {
        Program studio(Wide(STUDIO_EXE), folder, source);
        HWND window = studio.Window("JorvoStudio");
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(WideText(GetDlgItem(window, kTitleEdit)), L"La for\u00EAt en automne");
        EXPECT_EQ(SendMessageW(GetDlgItem(window, kQuestionList), LVM_GETITEMCOUNT, 0, 0), 6);
        EXPECT_EQ(WideText(GetDlgItem(window, kQuestionTextEdit)), L"Qui est-ce ?");
        EXPECT_EQ(SendMessageW(GetDlgItem(window, kProblemList), LVM_GETITEMCOUNT, 0, 0), 0);
        PostMessageW(window, WM_COMMAND, kCommandBuild, 0);
        ASSERT_TRUE(AnswerFileDialog(studio, built));
        AnswerMessage(studio, IDNO); // not scrambled
        const std::wstring said = AnswerMessage(studio, IDOK);
        EXPECT_NE(said.find(L"6 questions"), std::wstring::npos);
        EXPECT_TRUE(Exists(built));
        EXPECT_EQ(CloseAndWaitForExit(window, studio.process.hProcess), 0);
    }
    Program player(built, folder, L"");
    HWND window = player.Window("Jorvo");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WideText(window), L"La for\u00EAt en automne");
    HWND header = nullptr, panel = nullptr;
    ASSERT_TRUE(FindPanels(window, &header, &panel));
    TypeAndEnter(panel, 2, "herisson"); // question 2: "hérisson", one letter off
    EXPECT_TRUE(PumpMessagesUntil([&] { return ControlText(panel, 5002) == "Quasiment"; }))
        << ControlText(panel, 5002);
    TypeAndEnter(panel, 1, "\xE9\x63ureuil roux");
    EXPECT_TRUE(PumpMessagesUntil([&] { return ControlText(panel, 5001) == "BRAVO"; }))
        << ControlText(panel, 5001);
    CloseAndWaitForExit(window, player.process.hProcess);
}

} // namespace
