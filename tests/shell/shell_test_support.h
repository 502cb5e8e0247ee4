// Helpers shared by the shell's Windows tests.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct RecordedMessage {
    std::string text;
    std::string caption;
    unsigned flags;
};

// Message boxes shown since StartRecordingMessages, instead of showing them.
extern std::vector<RecordedMessage> recordedMessages;
void StartRecordingMessages();

bool ReadWholeFile(const std::string& name, std::string* bytes);
void WriteWholeFileForTest(const std::string& name, const std::string& bytes);
bool FileExists(const std::string& name);

// `count` empty CR LF lines: the answers file of fields left empty.
std::string EmptyLines(int count);

// The answers file the program writes, named after this test program.
std::string OwnAnswersFileName();

// Dispatches this thread's messages until `done` answers true, giving up after about thirty seconds (a
// safety net for a broken build, not a timing check). Answers the last value of `done`.
bool PumpMessagesUntil(const std::function<bool()>& done);

// Expects the main window's layout for its current client size: header panel, question panel and the
// footer label (id 8000).
void ExpectShellLayout(HWND mainWindow, HWND headerPanel, HWND questionPanel);

// What the end-to-end drivers use on a player running in another process.
// The text of control `control`, asked for with WM_GETTEXT (GetWindowText would not ask an edit control
// of another process); "<none>" when it does not exist.
std::string TextOf(HWND control);
std::string ControlText(HWND parent, int id);
// Posts a key press (`up` false) or release to `window`, with the key's scan code.
void PostKey(HWND window, WPARAM key, bool up);
// Replaces the text of answer field 4000 + `field` of `panel` by typing `text`, then presses Enter.
void TypeAndEnter(HWND panel, int field, const std::string& text);
// The main window's two dialogs, the header being the upper one; false unless there are exactly two.
bool FindPanels(HWND mainWindow, HWND* header, HWND* panel);
// Closes `window` as a user would and waits for `process` to end: its exit code, or -1 when it stays.
long CloseAndWaitForExit(HWND window, HANDLE process);
