// jorvo-maker results QUIZ FILE... [--csv OUT]: a class's answers files judged as the player judges
// them when it starts again, in a table (and a spreadsheet with one verdict per field).
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/common/atomic_write.h"
#include "tools/common/file_bytes.h"
#include "tools/source/class_results.h"

namespace {

const char kUsage[] = "usage: jorvo-maker results QUIZ FILE... [--csv OUT.csv]\n";

int Fail(const std::string& message) {
    std::fprintf(stderr, "jorvo-maker results: %s\n", message.c_str());
    return 1;
}

} // namespace

int RunResultsCommand(int argc, char** argv) {
    std::string quizPath, csvPath;
    std::vector<std::string> files;
    for (int i = 0; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--csv") && i + 1 < argc)
            csvPath = argv[++i];
        else if (argv[i][0] == '-' && argv[i][1])
            return std::fprintf(stderr, "jorvo-maker results: unknown option '%s'\n%s", argv[i], kUsage), 2;
        else if (quizPath.empty())
            quizPath = argv[i];
        else
            files.push_back(argv[i]);
    }
    if (quizPath.empty() || files.empty()) return std::fprintf(stderr, "%s", kUsage), 2;

    ByteVector bytes;
    if (!ReadFileBytes(quizPath, &bytes)) return Fail("cannot read " + quizPath);
    std::string error;
    std::vector<std::string> notes;
    const std::unique_ptr<QuizDocument> document = LoadQuizForResults(bytes, &error, &notes);
    for (const std::string& note : notes)
        std::fprintf(stderr, "jorvo-maker results: %s: %s\n", quizPath.c_str(), note.c_str());
    if (!document) return Fail(quizPath + ": " + error);

    std::vector<PupilResult> results;
    int skipped = 0;
    for (const std::string& file : files) {
        PupilResult result;
        if (!ReadFileBytes(file, &bytes)) {
            result.name = file;
            result.problem = "it cannot be read";
        } else {
            result = JudgeAnswersFile(*document, file, bytes);
        }
        if (!result.problem.empty()) {
            std::fprintf(stderr, "jorvo-maker results: %s is skipped, not an answers file of this quiz: %s\n",
                         file.c_str(), result.problem.c_str());
            ++skipped;
        }
        results.push_back(result);
    }
    if (skipped < static_cast<int>(results.size()))
        std::printf("%s", ResultsTable(*document, results).c_str());
    if (!csvPath.empty()) {
        const std::string csv = ResultsCsv(*document, results);
        if (!WriteFileAtomically(csvPath, ByteVector(csv.begin(), csv.end())))
            return Fail("cannot write " + csvPath);
    }
    return skipped ? 1 : 0;
}
