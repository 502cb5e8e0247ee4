// A file imported as `jorvo-maker import` does it, and its written source read back by the source reader.
#pragma once

#include <string>
#include <vector>

#include "tools/import/imported_quiz.h"
#include "tools/import/quiz_import.h"
#include "tools/source/quiz_source.h"

struct ImportResult {
    std::vector<ImportedSource> sources;
    std::vector<QuizSource> read; // each source as the reader gives it back
    std::vector<SourceMessage> notes;
    char separator = 0; // 0 for GIFT
    bool header = false;
};

ImportResult ImportBytes(const std::string& bytes, bool gift, bool split = false);
std::string ReadTestFile(const std::string& name); // from tests/import/data
// Whether a note of `line` holds `text`.
bool HasNote(const ImportResult& result, int line, const std::string& text);
std::string AllNotes(const ImportResult& result);
