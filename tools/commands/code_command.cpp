// jorvo-maker code QUIZ OUTDIR [--scramble]
// Codes a quiz source into the resources the player reads: OUTDIR/patch104.bin (the quiz),
// OUTDIR/patch105.bin (the score codes), the reward pictures nibble-swapped, and OUTDIR/quiz.rc, a
// resource script that names them all (for windres). OUTDIR is created when missing.
#include <cstdio>
#include <cstring>
#include <string>

#include "quizdata/quiz_coding.h"
#include "tools/common/console.h"
#include "tools/common/file_access.h"
#include "tools/common/file_bytes.h"
#include "tools/common/messages.h"
#include "tools/source/quiz_resources.h"
#include "tools/source/quiz_project.h"

namespace {

constexpr int kQuizResource = 104;
constexpr int kScoreResource = 105;
constexpr int kFirstMediaId = 400;
constexpr int kFirstRewardId = 10400;

bool Fail(const std::string& message) {
    PrintLine(stderr, "jorvo-maker code: " + message);
    return false;
}

// Adds one media file to the script: PNG files as raw data, others as IMG (rewards nibble-swapped).
bool AddMedia(const std::string& quizPath, const std::string& outDir, const std::string& file,
              const ByteVector& bytes, int id, bool reward, std::string* script) {
    const std::string path = MediaFilePath(quizPath, file);
    if (path.find('"') != std::string::npos) return Fail(Say(Msg::NoQuoteInName, {path}));
    std::string stored = path;
    const bool png = IsPngData(bytes);
    if (reward && !png) {
        stored = outDir + "/reward" + std::to_string(id) + ".bin";
        if (!WriteFileBytes(stored, SwapNibbles(bytes))) return Fail(Say(Msg::CannotWrite, {stored}));
    }
    *script += std::to_string(id) + (png ? " RCDATA \"" : " IMG \"") + stored + "\"\n";
    return true;
}

bool CodePiece(const ByteVector& text, bool scramble, int* keyPosition, const std::string& path) {
    const ByteVector coded = scramble ? LzwEncodeScrambled(text.data(), text.size(), *keyPosition)
                                      : LzwEncode(text.data(), text.size());
    if (text.empty() || coded.empty()) return Fail(Say(Msg::CannotCode, {path}));
    if (!WriteFileBytes(path, coded)) return Fail(Say(Msg::CannotWrite, {path}));
    return true;
}

bool Code(const std::string& quizPath, const std::string& outDir, bool scramble) {
    // Every file is read and checked before anything is written.
    QuizProject project;
    std::vector<std::string> errors, warnings;
    const bool loaded = LoadQuizProject(quizPath, &project, &errors, &warnings);
    for (const std::string& warning : warnings)
        PrintLine(stderr, Say(Msg::WarningLine, {warning}));
    for (const std::string& error : errors)
        PrintLine(stderr, Say(Msg::ErrorLine, {error}));
    if (!loaded) return false;
    const QuizSource& source = project.source;

    if (!MakeDirectories(outDir)) return Fail(Say(Msg::CannotMakeFolder, {outDir}));

    // One score line per possible score, so that every score finds its line (empty when not given).
    std::vector<std::string> scores = source.content.scoreMessages;
    scores.resize(source.content.questions.size());

    const std::string quizFile = outDir + "/patch104.bin";
    const std::string scoreFile = outDir + "/patch105.bin";
    std::string script = "// Coded from " + quizPath + " by jorvo-maker code.\n";
    script += std::to_string(kQuizResource) + " PATCH \"" + quizFile + "\"\n";
    script += std::to_string(kScoreResource) + " PATCH \"" + scoreFile + "\"\n";
    for (size_t i = 0; i < source.media.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        if (!project.media[i].empty() && !AddMedia(quizPath, outDir, source.media[i].picture,
                                                   project.media[i], kFirstMediaId + n, false, &script))
            return false;
        if (!project.rewards[i].empty() && !AddMedia(quizPath, outDir, source.media[i].reward,
                                                     project.rewards[i], kFirstRewardId + n, true, &script))
            return false;
    }

    // The built-in block is stored plain, so the quiz's pass starts at key position 0, as does the codes'.
    int keyPosition = 0;
    if (!CodePiece(SerialiseQuiz(source.content), scramble, &keyPosition, quizFile)) return false;
    keyPosition = 0;
    if (!CodePiece(SerialiseScoreMessages(scores), scramble, &keyPosition, scoreFile)) return false;
    if (!WriteFileText(outDir + "/quiz.rc", script))
        return Fail(Say(Msg::CannotWrite, {outDir + "/quiz.rc"}));
    return true;
}

} // namespace

int RunCodeCommand(int argc, char** argv) {
    const bool scramble = argc == 3 && !std::strcmp(argv[2], "--scramble");
    if (argc != 2 && !scramble) {
        PrintLine(stderr, Say(Msg::UsageOf, {"code QUIZ OUTDIR [--scramble]"}) + "\n" +
                              Say(Msg::HelpTellsMore, {"code"}));
        return 2;
    }
    return Code(argv[0], argv[1], scramble) ? 0 : 1;
}
