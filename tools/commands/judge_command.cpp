// jorvo-maker judge ACCEPTED TYPED: prints the verdict the player would give, so that authors can try
// the answers players are likely to type. ACCEPTED may list several spellings as a quiz source does,
// `Londres | London`. Arguments and output are UTF-8; the judging is done on the
// Windows-1252 bytes the player works with.
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

#include "judging/text_ops.h"
#include "judging/verdict.h"
#include "quizdata/extra_spellings.h"
#include "tools/common/cp1252.h"
#include "tools/source/answer_spellings.h"

namespace {

#ifdef _WIN32
// The narrow arguments have been through the ANSI code page, which loses every other character; the
// wide command line holds what was typed. Its first two entries are the program and the command name.
bool ReadWideArguments(std::vector<std::string>* arguments) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return false;
    arguments->clear();
    bool converted = true;
    for (int i = 2; i < count && converted; ++i) {
        const int size =
            WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide[i], -1, nullptr, 0, nullptr, nullptr);
        converted = size > 0;
        if (!converted) break;
        std::string utf8(static_cast<size_t>(size), '\0');
        WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide[i], -1, &utf8[0], size, nullptr, nullptr);
        utf8.resize(static_cast<size_t>(size - 1));
        arguments->push_back(utf8);
    }
    LocalFree(wide);
    return converted;
}

// A console shows UTF-16 faithfully whatever its code page; pipes and files get the UTF-8 bytes.
void PrintLine(const std::string& utf8) {
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode;
    if (GetConsoleMode(output, &mode)) {
        const std::string line = utf8 + "\r\n";
        std::vector<wchar_t> wide(line.size() + 1);
        const int length =
            MultiByteToWideChar(CP_UTF8, 0, line.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
        DWORD written;
        if (length > 1 &&
            WriteConsoleW(output, wide.data(), static_cast<DWORD>(length - 1), &written, nullptr))
            return;
    }
    std::printf("%s\n", utf8.c_str());
}
#else
void PrintLine(const std::string& utf8) {
    std::printf("%s\n", utf8.c_str());
}
#endif

// The argument as the player's Windows-1252 text of at most `limit` characters, or a message on standard
// error saying why it cannot be.
bool ToPlayerText(const std::string& utf8, const char* which, unsigned limit, const char* limitReason,
                  std::string* text) {
    std::string error;
    if (!Utf8ToCp1252(utf8, text, &error)) {
        std::fprintf(stderr, "jorvo-maker judge: the %s answer: %s\n", which, error.c_str());
        return false;
    }
    if (text->size() > limit) {
        std::fprintf(stderr, "jorvo-maker judge: the %s answer has %u characters; %s at most %u\n", which,
                     static_cast<unsigned>(text->size()), limitReason, limit);
        return false;
    }
    return true;
}

} // namespace

int RunJudgeCommand(int argc, char** argv) {
    std::vector<std::string> arguments(argv, argv + argc);
#ifdef _WIN32
    if (!ReadWideArguments(&arguments)) {
        std::fprintf(stderr, "jorvo-maker judge: the command line is not valid Unicode\n");
        return 1;
    }
#endif
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: jorvo-maker judge ACCEPTED TYPED\n");
        return 2;
    }
    // An accepted answer without a bar is taken as it is, spaces included, as before spellings existed.
    const std::vector<std::string> written = arguments[0].find('|') == std::string::npos
                                                 ? std::vector<std::string>{arguments[0]}
                                                 : SplitSpellings(arguments[0]);
    if (written.size() > static_cast<size_t>(kMaxSpellings)) {
        std::fprintf(stderr, "jorvo-maker judge: %u spellings; an answer keeps at most %d\n",
                     static_cast<unsigned>(written.size()), kMaxSpellings);
        return 1;
    }
    std::vector<std::string> accepted(written.size());
    std::vector<const char*> spellings;
    for (size_t i = 0; i < written.size(); ++i) {
        if (!ToPlayerText(written[i], "accepted", kMaxTextLength, "a quiz text holds", &accepted[i]))
            return 1;
        spellings.push_back(accepted[i].c_str());
    }
    std::string typed;
    if (!ToPlayerText(arguments[1], "typed", kMaxAnswerLength, "an answer field holds", &typed)) return 1;
    PrintLine(Cp1252ToUtf8(
        DecideVerdictAmong(spellings.data(), static_cast<int>(spellings.size()), typed.c_str())));
    return 0;
}
