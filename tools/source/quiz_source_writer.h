// A quiz source written from its parsed form: the inverse of ParseQuizSource, every key it knows.
#pragma once

#include <string>
#include <vector>

#include "tools/source/quiz_source.h"

// UTF-8 source text for `source` (texts in Windows-1252, media paths as given). `heading` becomes the
// first comment lines. A text the format cannot carry as it is (spaces at either end, a line break)
// is written trimmed or joined, and said in `warnings`.
std::string WriteQuizSource(const QuizSource& source, const std::string& heading,
                            std::vector<std::string>* warnings);
