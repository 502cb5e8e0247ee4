// Where the quiz data code sends the messages the player must see: a function and its context, so that
// tests record them. A target without a function sends them to ShowUserMessage.
#pragma once

using MessageFunction = void (*)(void* context, const char* text, const char* caption, unsigned flags);

struct MessageTarget {
    MessageFunction show;
    void* context;
};

void SendUserMessage(const MessageTarget& target, const char* text, const char* caption, unsigned flags);
