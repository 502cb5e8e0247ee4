// A quiz program made from the player template and a quiz project: what `pack` writes, and what the
// Studio makes, in memory.
#pragma once

#include <string>

#include "quizdata/quiz_coding.h"
#include "tools/source/quiz_project.h"

// Checks that `templateImage` is the player without a quiz (of `arch`, "i686" or "x86_64", unless
// empty) and writes `project` into a copy of it. False with *error, naming the template as
// `templateName`, when the template is not one or the quiz does not fit.
bool MakeQuizProgram(const ByteVector& templateImage, const std::string& templateName,
                     const std::string& arch, const QuizProject& project, bool scramble, ByteVector* program,
                     std::string* error);
