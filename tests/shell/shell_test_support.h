// Helpers shared by the shell's Windows tests: recorded message boxes, files, message pumping and a
// running shell (main window and panels) built by the real start-up steps.
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

// Message boxes shown since the last ClearMessages (the hook is installed by StartRecordingMessages).
extern std::vector<RecordedMessage> recordedMessages;
void StartRecordingMessages();

// The whole file, and whether it exists.
bool ReadWholeFile(const std::string& name, std::string* bytes);
bool FileExists(const std::string& name);
void WriteWholeFileForTest(const std::string& name, const std::string& bytes);

// Dispatches this thread's messages until `done` answers true or about ten seconds have passed (a
// safety net for a broken build, not a timing check). Answers the last value of `done`.
bool PumpMessagesUntil(const std::function<bool()>& done);

// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);

// The answers file the program writes, named after this test program.
std::string OwnAnswersFileName();
