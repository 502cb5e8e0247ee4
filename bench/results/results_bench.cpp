// `jorvo-maker results` without its file reads: a 96-question, two-answer quiz source whose answers have
// three spellings each, loaded as the player loads it, then 30 answers files judged (right, slipped and
// empty answers mixed) and the table and spreadsheet written.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "tools/source/class_results.h"

namespace {

std::string Word(int question, int slot, int spelling) {
    return "Reponse" + std::to_string(question) + (slot == 1 ? "a" : "b") + "v" + std::to_string(spelling);
}

std::string Source() {
    std::string text = "kind: pictures\nanswers: 2\n";
    for (int q = 1; q <= 96; ++q) {
        text += "question: q" + std::to_string(q) + "\n  picture: p.png\n";
        text += "  answer: " + Word(q, 1, 1) + " | " + Word(q, 1, 2) + " | " + Word(q, 1, 3) + "\n";
        text += "  answer2: " + Word(q, 2, 1) + " | " + Word(q, 2, 2) + " | " + Word(q, 2, 3) + "\n";
        text += "score: code " + std::to_string(q) + "\n";
    }
    return text;
}

// Pupil p: a right spelling, a slip, a swapped pair or nothing, by field.
ByteVector AnswersFile(int pupil) {
    std::string text;
    for (int q = 1; q <= 96; ++q)
        for (int slot = 1; slot <= 2; ++slot) {
            std::string word = Word(q, slot, 1 + (q + pupil) % 3);
            switch ((q * 7 + slot * 3 + pupil) % 5) {
            case 0: word.clear(); break;
            case 1: word.pop_back(); break;
            case 2: std::swap(word[1], word[2]); break;
            default: break;
            }
            text += word + "\r\n";
        }
    return ByteVector(text.begin(), text.end());
}

void BM_ResultsOfThirtyFiles(benchmark::State& state) {
    const std::string source = Source();
    const ByteVector quiz(source.begin(), source.end());
    std::vector<ByteVector> files;
    for (int pupil = 0; pupil < 30; ++pupil)
        files.push_back(AnswersFile(pupil));
    for (auto _ : state) {
        std::string error;
        std::vector<std::string> notes;
        const std::unique_ptr<QuizDocument> document = LoadQuizForResults(quiz, &error, &notes);
        if (!document) {
            state.SkipWithError(error.c_str());
            return;
        }
        std::vector<PupilResult> results;
        for (int pupil = 0; pupil < 30; ++pupil)
            results.push_back(JudgeAnswersFile(*document, "pupil" + std::to_string(pupil) + ".txt",
                                               files[static_cast<size_t>(pupil)]));
        if (!results[0].problem.empty()) {
            state.SkipWithError(results[0].problem.c_str());
            return;
        }
        benchmark::DoNotOptimize(ResultsTable(*document, results));
        benchmark::DoNotOptimize(ResultsCsv(*document, results));
    }
}
BENCHMARK(BM_ResultsOfThirtyFiles)->Unit(benchmark::kMillisecond);

} // namespace
