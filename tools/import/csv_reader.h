// Records of a delimited text file as spreadsheet programs save them: fields separated by ';', ',' or a
// tab, records by CR LF, LF or CR; a field in double quotes may hold the separator, line breaks and
// doubled quotes.
#pragma once

#include <string>
#include <vector>

#include "tools/source/quiz_source.h"

struct CsvRecord {
    int line = 0; // the line the record starts on, from 1
    std::vector<std::string> cells;
};

// Splits `text` with `separator`. Records whose cells are all empty are left out. A quote left open runs
// to the end of the file: it is told in `problems` with the line it opened on, and its text is kept.
void SplitCsv(const std::string& text, char separator, std::vector<CsvRecord>* records,
              std::vector<SourceMessage>* problems);

// The separator the file is written with, of ';', tab and ',': the one whose first record holds the most
// known column names (`recognised` counts them), then the one that splits most of the first records into
// the same number of cells (at least two), then in that order (a French spreadsheet program writes ';',
// and commas are common in question texts).
char FindCsvSeparator(const std::string& text, int (*recognised)(const std::vector<std::string>& cells));
