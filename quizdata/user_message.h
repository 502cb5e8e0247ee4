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

// Windows: the messages of thread `messagesAsideThread` (a worker that must not show boxes of its own)
// go to `messagesAside` instead, before the hook or a box; the worker's results carry them to the
// user-interface thread, which shows them where it uses the results.
extern unsigned long messagesAsideThread;
extern UserMessageHook messagesAside;

// A modal box without an owner window (Windows); natively, a line on standard error.
void ShowUserMessage(const char* text, const char* caption, unsigned flags);
