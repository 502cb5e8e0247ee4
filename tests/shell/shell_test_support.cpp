#include "shell_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "header/answers_file.h"
#include "quizdata/user_message.h"

std::vector<RecordedMessage> recordedMessages;

void StartRecordingMessages() {
    recordedMessages.clear();
    userMessageHook = [](const char* text, const char* caption, unsigned flags) {
        recordedMessages.push_back({text, caption, flags});
    };
}

bool ReadWholeFile(const std::string& name, std::string* bytes) {
    std::ifstream file(name, std::ios::binary);
    if (!file) return false;
    bytes->assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

void WriteWholeFileForTest(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
}

bool FileExists(const std::string& name) {
    return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string EmptyLines(int count) {
    std::string lines;
    while (count-- > 0)
        lines += "\r\n";
    return lines;
}

std::string OwnAnswersFileName() {
    char name[MAX_PATH] = "";
    ProgramAnswersFileName(name, sizeof name);
    return name;
}

bool PumpMessagesUntil(const std::function<bool()>& done) {
    for (DWORD start = GetTickCount(); !done();) {
        if (GetTickCount() - start > 30000) return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

void ExpectShellLayout(HWND mainWindow, HWND headerPanel, HWND questionPanel) {
    RECT client{};
    GetClientRect(mainWindow, &client);
    const struct {
        const char* name;
        HWND child;
        LONG x, y, width, height;
    } expected[] = {
        {"header panel", headerPanel, 5, 2, client.right - 11, 49},
        {"question panel", questionPanel, 5, 50, client.right - 11, client.bottom - 68},
        {"footer label", GetDlgItem(mainWindow, 8000), client.right - 145, client.bottom - 16, 150, 15},
    };
    for (const auto& e : expected) {
        RECT rect{};
        GetWindowRect(e.child, &rect);
        MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, e.x) << e.name;
        EXPECT_EQ(rect.top, e.y) << e.name;
        EXPECT_EQ(rect.right - rect.left, e.width) << e.name << " in a client area " << client.right;
        EXPECT_EQ(rect.bottom - rect.top, e.height) << e.name << " in a client area " << client.bottom;
    }
}

std::string TextOf(HWND control) {
    char text[300] = "";
    if (!control) return "<none>";
    LRESULT length = SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return std::string(text, length > 0 ? size_t(length) : 0);
}

std::string ControlText(HWND parent, int id) {
    return TextOf(GetDlgItem(parent, id));
}

void PostKey(HWND window, WPARAM key, bool up) {
    const LPARAM scan = LPARAM(MapVirtualKeyA(UINT(key), MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(window, up ? WM_KEYUP : WM_KEYDOWN, key, scan | (up ? 0xC0000001 : 1));
}

void TypeAndEnter(HWND panel, int field, const std::string& text) {
    HWND edit = GetDlgItem(panel, 4000 + field);
    PostMessageA(edit, EM_SETSEL, 0, -1);
    for (unsigned char c : text)
        PostMessageA(edit, WM_CHAR, c, 1);
    PostKey(edit, VK_RETURN, false);
    PostMessageA(edit, WM_CHAR, '\r', 0x001C0001);
    PostKey(edit, VK_RETURN, true);
}

bool FindPanels(HWND mainWindow, HWND* header, HWND* panel) {
    HWND dialogs[3] = {};
    int count = 0;
    for (HWND child = GetWindow(mainWindow, GW_CHILD); child && count < 3;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char name[16];
        if (GetClassNameA(child, name, sizeof name) && !lstrcmpA(name, "#32770")) dialogs[count++] = child;
    }
    if (count != 2) return false;
    RECT first{}, second{};
    GetWindowRect(dialogs[0], &first);
    GetWindowRect(dialogs[1], &second);
    *header = first.top < second.top ? dialogs[0] : dialogs[1];
    *panel = first.top < second.top ? dialogs[1] : dialogs[0];
    return true;
}

long CloseAndWaitForExit(HWND window, HANDLE process) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD code = 0;
    if (!PumpMessagesUntil([process] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }) ||
        !GetExitCodeProcess(process, &code))
        return -1;
    return static_cast<long>(code);
}
