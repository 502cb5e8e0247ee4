#include <cstdio>

#include "quizdata/user_message.h"

UserMessageHook userMessageHook = nullptr;

void ShowUserMessage(const char* text, const char* caption, unsigned flags) {
    if (userMessageHook) {
        userMessageHook(text, caption, flags);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", caption, text);
}
