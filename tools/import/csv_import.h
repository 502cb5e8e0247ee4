// Questions from a spreadsheet saved as CSV or tab-separated text. The first row names the columns, in
// French or English, or holds a question: then the columns are question, answer, answer 2 in that order.
#pragma once

#include <string>

#include "tools/import/imported_quiz.h"

struct CsvLayout {
    char separator = ';';
    bool header = false;
};

// `utf8` is the file's text already decoded. A cell `a | b` gives two spellings; `\|` is a bar.
void ImportCsv(const std::string& utf8, ImportedQuiz* quiz, CsvLayout* layout);

// The column a header cell names (case, accents, spaces, '-' and '_' aside), or -1: the index into
// "question", "answer", "answer2", "reveal", "media", "reward".
int CsvColumnNamed(const std::string& cell);

// `cell` cut into spellings as a quiz source's answer is (SplitSpellings), each trimmed of line breaks
// too, empty pieces left out.
std::vector<std::string> SplitCellSpellings(const std::string& cell);
