#include "quizdata/message_target.h"

#include "quizdata/user_message.h"

void SendUserMessage(const MessageTarget& target, const char* text, const char* caption, unsigned flags) {
    if (target.show)
        target.show(target.context, text, caption, flags);
    else
        ShowUserMessage(text, caption, flags);
}
