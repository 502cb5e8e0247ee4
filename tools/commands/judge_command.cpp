// jorvo-maker judge ACCEPTED TYPED: prints the verdict the player would give, so that authors can try
// the answers players are likely to type. ACCEPTED may list several spellings as a quiz source does,
// `Londres | London`. Arguments and output are UTF-8; the judging is done on the
// Windows-1252 bytes the player works with.
#include <cstdio>
#include <string>
#include <vector>

#include "judging/text_ops.h"
#include "judging/verdict.h"
#include "quizdata/extra_spellings.h"
#include "tools/common/console.h"
#include "tools/common/cp1252.h"
#include "tools/common/messages.h"
#include "tools/source/answer_spellings.h"

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
    const std::string given = argv[0];
    // An accepted answer without a bar is taken as it is, spaces included, as before spellings existed.
    const std::vector<std::string> written =
        given.find('|') == std::string::npos ? std::vector<std::string>{given} : SplitSpellings(given);
    if (written.size() > static_cast<size_t>(kMaxSpellings)) {
        PrintLine(stderr, "jorvo-maker judge: " +
                              Say(Msg::TooManySpellings,
                                  {std::to_string(written.size()), std::to_string(kMaxSpellings)}));
        return 1;
    }
    std::vector<std::string> accepted(written.size());
    std::vector<const char*> spellings;
    for (size_t i = 0; i < written.size(); ++i) {
        if (!ToPlayerText(written[i], "ACCEPTED", kMaxTextLength, &accepted[i])) return 1;
        spellings.push_back(accepted[i].c_str());
    }
    std::string typed;
    if (!ToPlayerText(argv[1], "TYPED", kMaxAnswerLength, &typed)) return 1;
    PrintLine(stdout, Cp1252ToUtf8(DecideVerdictAmong(spellings.data(), static_cast<int>(spellings.size()),
                                                      typed.c_str())));
    return 0;
}
