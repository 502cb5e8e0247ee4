#include <windows.h>

#include "quizdata/user_message.h"

UserMessageHook userMessageHook = nullptr;
unsigned long messagesAsideThread = 0;
UserMessageHook messagesAside = nullptr;

void ShowUserMessage(const char* text, const char* caption, unsigned flags) {
    if (messagesAside && GetCurrentThreadId() == messagesAsideThread) {
        messagesAside(text, caption, flags);
        return;
    }
    if (userMessageHook) {
        userMessageHook(text, caption, flags);
        return;
    }
    MessageBoxA(nullptr, text, caption, flags);
}
