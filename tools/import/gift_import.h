// Questions from Moodle's GIFT text format. Short-answer questions are carried over with every right
// answer as a spelling; the other kinds, feedback and partial weights are named in the notes with their
// line.
//
//   // a comment line                        $CATEGORY: top/Geography
//   ::Title::[html]Text {=answer =other#feedback ~wrong ####general feedback}
//
// Questions are separated by blank lines; \: \= \~ \# \{ \} \\ \n are escapes.
#pragma once

#include <string>

#include "tools/import/imported_quiz.h"

// `utf8` is the file's text already decoded. The quiz's title is the last part of the category when the
// file names one category only.
void ImportGift(const std::string& utf8, ImportedQuiz* quiz);

// Whether a text file reads as GIFT rather than as delimited text: a category line, or a question with a
// title or an answer block.
bool LooksLikeGift(const std::string& utf8);
