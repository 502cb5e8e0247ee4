// Every message box the program shows goes through ShowUserMessage, so that tests can record the
// messages instead of blocking on a modal box.
#pragma once

// Flags as MessageBoxA takes them.
constexpr unsigned kMessageOk = 0x00;
constexpr unsigned kMessageStopIcon = 0x10;
constexpr unsigned kMessageInformationIcon = 0x40;

using UserMessageHook = void (*)(const char* text, const char* caption, unsigned flags);

// When set, receives every message instead of the platform's message box (tests only).
extern UserMessageHook userMessageHook;

// A modal box without an owner window (Windows); natively, a line on standard error.
void ShowUserMessage(const char* text, const char* caption, unsigned flags);
