// jorvo-maker unpack QUIZ.exe DIR
// Writes a quiz program's quiz back as a quiz source and its media files into DIR (made when missing):
// packing that source again gives the same program.
#include <cstdio>
#include <string>

#include "tools/common/console.h"
#include "tools/common/messages.h"
#include "tools/source/quiz_unpacking.h"

namespace {

bool Fail(const std::string& message) {
    PrintLine(stderr, "jorvo-maker unpack: " + message);
    return false;
}

bool Unpack(const std::string& programPath, const std::string& dir) {
    std::string quizPath, error;
    bool scrambled = false;
    std::vector<std::string> warnings;
    const bool unpacked = UnpackQuizProgram(programPath, dir, &quizPath, &scrambled, &warnings, &error);
    for (const std::string& warning : warnings)
        PrintLine(stderr, Say(Msg::WarningLine, {warning}));
    if (!unpacked) return Fail(error);
    PrintLine(stdout, scrambled ? Say(Msg::UnpackWroteScrambled, {quizPath}) : quizPath);
    return true;
}

} // namespace

int RunUnpackCommand(int argc, char** argv) {
    if (argc != 2) {
        PrintLine(stderr, Say(Msg::UsageOf, {"unpack QUIZ.exe DIR"}));
        return 2;
    }
    return Unpack(argv[0], argv[1]) ? 0 : 1;
}
