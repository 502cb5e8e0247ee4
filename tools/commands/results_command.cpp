// jorvo-maker results QUIZ FILE... [--csv OUT]: a class's answers files judged as the player judges
// them when it starts again, in a table (and a spreadsheet with one verdict per field).
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/common/atomic_write.h"
#include "tools/common/console.h"
#include "tools/common/file_bytes.h"
#include "tools/common/messages.h"
#include "tools/source/class_results.h"

namespace {

const char kArguments[] = "results QUIZ FILE... [--csv OUT.csv]";

void Tell(const std::string& message) {
    PrintLine(stderr, "jorvo-maker results: " + message);
}

int Fail(const std::string& message) {
    Tell(message);
    return 1;
}

int Usage() {
    PrintLine(stderr, Say(Msg::UsageOf, {kArguments}));
    return 2;
}

} // namespace

int RunResultsCommand(int argc, char** argv) {
    std::string quizPath, csvPath;
    std::vector<std::string> files;
    for (int i = 0; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--csv") && i + 1 < argc)
            csvPath = argv[++i];
        else if (argv[i][0] == '-' && argv[i][1])
            return Usage();
        else if (quizPath.empty())
            quizPath = argv[i];
        else
            files.push_back(argv[i]);
    }
    if (quizPath.empty() || files.empty()) return Usage();

    ByteVector bytes;
    if (!ReadFileBytes(quizPath, &bytes)) return Fail(Say(Msg::CannotRead, {quizPath}));
    std::string error;
    std::vector<std::string> notes;
    const std::unique_ptr<QuizDocument> document = LoadQuizForResults(bytes, &error, &notes);
    for (const std::string& note : notes)
        Tell(quizPath + ": " + note);
    if (!document) return Fail(quizPath + ": " + error);

    std::vector<PupilResult> results;
    int skipped = 0;
    for (const std::string& file : files) {
        PupilResult result;
        if (!ReadFileBytes(file, &bytes)) {
            result.name = file;
            result.problem = Say(Msg::AnswersUnreadable);
        } else {
            result = JudgeAnswersFile(*document, file, bytes);
        }
        if (!result.problem.empty()) {
            Tell(Say(Msg::ResultsSkipped, {file, result.problem}));
            ++skipped;
        }
        results.push_back(result);
    }
    if (skipped < static_cast<int>(results.size())) PrintText(stdout, ResultsTable(*document, results));
    if (!csvPath.empty()) {
        const std::string csv = ResultsCsv(*document, results);
        if (!WriteFileAtomically(csvPath, ByteVector(csv.begin(), csv.end())))
            return Fail(Say(Msg::CannotWrite, {csvPath}));
    }
    return skipped ? 1 : 0;
}
