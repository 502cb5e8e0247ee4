// From the file's bytes to the checked quiz source, as `jorvo-maker import` does it (without the disk).
#include <benchmark/benchmark.h>

#include "tools/import/csv_import.h"
#include "tools/import/gift_import.h"
#include "tools/import/quiz_import.h"
#include "tools/import/text_decoding.h"

namespace {

// A French spreadsheet saved as CSV: Windows-1252, ';', quoted cells with separators and line breaks.
std::string SpreadsheetRows(int rows) {
    std::string csv = "Question;R\xE9ponse;R\xE9ponse 2;R\xE9v\xE9lation;Image\r\n";
    for (int i = 1; i <= rows; ++i) {
        const std::string n = std::to_string(i);
        csv += "\"Quelle est la ville num\xE9ro " + n +
               " ; celle o\xF9 l'on \"\"r\xEAve\"\"\r\nde vivre ?\";" +
               "Montr\xE9"
               "al " +
               n + " | Montreal " + n +
               ";Qu\xE9"
               "bec;La r\xE9v\xE9lation " +
               n + " tient en une phrase;images/ville" + n + ".jpg\r\n";
    }
    return csv;
}

std::string GiftBank(int questions) {
    std::string gift = "// banque\n$CATEGORY: $course$/top/Villes\n\n";
    for (int i = 1; i <= questions; ++i) {
        const std::string n = std::to_string(i);
        gift += "::Q" + n + "::Quelle est la ville num\xC3\xA9ro " + n +
                " \\: la plus grande ?{\n=Montr\xC3\xA9"
                "al " +
                n + "#bien\n=Montreal " + n + "\n=%50%Mtl\n}\n\n";
    }
    return gift;
}

void Import(benchmark::State& state, const std::string& bytes, bool gift) {
    ImportSettings settings;
    settings.title = "villes";
    size_t questions = 0;
    for (auto _ : state) {
        std::string text, error;
        TextEncoding encoding;
        DecodeImportedText(bytes, &text, &encoding, &error);
        ImportedQuiz quiz;
        if (gift) {
            ImportGift(text, &quiz);
        } else {
            CsvLayout layout;
            ImportCsv(text, &quiz, &layout);
        }
        std::vector<ImportedSource> sources;
        std::vector<SourceMessage> notes;
        BuildImportedSources(quiz, settings, &sources, &notes);
        questions = sources.empty() ? 0 : sources[0].questions;
        benchmark::DoNotOptimize(sources.data());
    }
    if (questions != 96) state.SkipWithError("the import did not give 96 questions");
    state.counters["questions"] = static_cast<double>(questions);
}

void BM_ImportSpreadsheet96Rows(benchmark::State& state) {
    Import(state, SpreadsheetRows(96), false);
}
void BM_ImportGift96Questions(benchmark::State& state) {
    Import(state, GiftBank(96), true);
}

BENCHMARK(BM_ImportSpreadsheet96Rows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportGift96Questions)->Unit(benchmark::kMillisecond);

} // namespace
