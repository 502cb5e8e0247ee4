// Arbitrary bytes as a file to import, read both as a spreadsheet and as GIFT: the import never reads
// past its input, and every source it writes reads back without an error, within a quiz's 96 questions.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/import/csv_import.h"
#include "tools/import/gift_import.h"
#include "tools/import/quiz_import.h"
#include "tools/import/text_decoding.h"

namespace {

void CheckThat(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}
#define Check(holds) CheckThat(holds, #holds)

void ImportAndCheck(const ImportedQuiz& quiz, bool split) {
    ImportSettings settings;
    settings.title = "fuzz";
    settings.split = split;
    std::vector<ImportedSource> sources;
    std::vector<SourceMessage> notes;
    Check(BuildImportedSources(quiz, settings, &sources, &notes));
    for (const ImportedSource& source : sources) {
        QuizSource read;
        std::vector<SourceMessage> errors, warnings;
        Check(ParseQuizSource(source.text, &read, &errors, &warnings));
        Check(read.content.questions.size() == source.questions);
        Check(source.questions >= 1 && source.questions <= 96);
    }
    Check(split || sources.size() <= 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text, error;
    TextEncoding encoding;
    if (!DecodeImportedText(std::string(reinterpret_cast<const char*>(data), size), &text, &encoding, &error))
        return 0;
    ImportedQuiz csv, gift;
    CsvLayout layout;
    ImportCsv(text, &csv, &layout);
    ImportGift(text, &gift);
    LooksLikeGift(text);
    const bool split = size % 2;
    ImportAndCheck(csv, split);
    ImportAndCheck(gift, split);
    return 0;
}
