// A class's results: pupils' answers files judged exactly as the player judges them when it starts
// again (the same loader, the same line reading, the same judge, other spellings included), with the
// score, its code and the questions found; then how many files found each question.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "quizdata/byte_vector.h"
#include "quizdata/quiz_document.h"

// The quiz as the player holds it, from a quiz program's bytes or a quiz source's (told apart by the
// program's "MZ"). Null with *error when it cannot be read; the loader's own messages, which the player
// would show in message boxes, go to `notes` (UTF-8).
std::unique_ptr<QuizDocument> LoadQuizForResults(const ByteVector& bytes, std::string* error,
                                                 std::vector<std::string>* notes);

// Why `bytes` is not an answers file the player wrote for a quiz of `fieldCount` answer fields (binary
// data, line ends other than CR LF, a line longer than a field, another number of lines); empty when it
// is one. A last line without its CR LF is taken, as the player takes it.
std::string AnswersFileProblem(const ByteVector& bytes, int fieldCount);

struct PupilResult {
    std::string name;                  // the file as named on the command line (UTF-8)
    std::string problem;               // why it was skipped; empty when it was judged
    std::vector<std::string> verdicts; // one per answer field, Windows-1252 as the labels show them
    std::vector<int> found;            // the questions found, from 1
    std::string code;                  // the score's code, as the header shows it
};

// Judges one answers file, or says why it is skipped.
PupilResult JudgeAnswersFile(const QuizDocument& document, const std::string& name, const ByteVector& bytes);

// The table for the console: one line per file (file, score " k / N", code, questions found), then per
// question the number of judged files that found it. UTF-8; skipped files are left out (the caller
// names them).
std::string ResultsTable(const QuizDocument& document, const std::vector<PupilResult>& results);

// The same for a spreadsheet, one verdict per field: UTF-8 with a byte order mark, ';' between cells,
// CR LF line ends, so that a French spreadsheet program opens it as it is.
std::string ResultsCsv(const QuizDocument& document, const std::vector<PupilResult>& results);
