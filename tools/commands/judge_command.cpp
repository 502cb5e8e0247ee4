// jorvo-maker judge ACCEPTED TYPED: prints the verdict the player would give, so that authors can try
// the answers players are likely to type. Arguments and output are UTF-8; the judging is done on the
// Windows-1252 bytes the player works with.
#include <cstdio>
#include <string>
#include <vector>

#include "judging/text_ops.h"
#include "judging/verdict.h"
#include "tools/common/console.h"
#include "tools/common/messages.h"
#include "tools/common/cp1252.h"

namespace {

// The argument as the player's Windows-1252 text of at most `limit` characters, or a message on standard
// error saying why it cannot be.
bool ToPlayerText(const std::string& utf8, const char* which, unsigned limit, std::string* text) {
    std::string error;
    if (!Utf8ToCp1252(utf8, text, &error)) {
        PrintLine(stderr, "jorvo-maker judge: " + std::string(which) + ": " + error);
        return false;
    }
    if (text->size() > limit) {
        PrintLine(stderr, "jorvo-maker judge: " + Say(Msg::TextTooLong, {which, std::to_string(text->size()),
                                                                         std::to_string(limit)}));
        return false;
    }
    return true;
}

} // namespace

int RunJudgeCommand(int argc, char** argv) {
    if (argc != 2) {
        PrintLine(stderr, Say(Msg::UsageOf, {"judge ACCEPTED TYPED"}));
        return 2;
    }
    std::string accepted, typed;
    if (!ToPlayerText(argv[0], "ACCEPTED", kMaxTextLength, &accepted) ||
        !ToPlayerText(argv[1], "TYPED", kMaxAnswerLength, &typed))
        return 1;
    PrintLine(stdout, Cp1252ToUtf8(DecideVerdict(accepted.c_str(), typed.c_str())));
    return 0;
}
