#include <windows.h>

#include "quizdata/user_message.h"

UserMessageHook userMessageHook = nullptr;

void ShowUserMessage(const char* text, const char* caption, unsigned flags) {
    if (userMessageHook) {
        userMessageHook(text, caption, flags);
        return;
    }
    MessageBoxA(nullptr, text, caption, flags);
}
