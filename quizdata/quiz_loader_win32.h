// The loader on the program's own resources: the built-in block and the "PATCH" resources 104 and 105.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "quizdata/quiz_document.h"

// Fills the document from the executable's resources; problems are shown as message boxes "Jorvo".
void LoadQuiz(QuizDocument* document);

// The same from the resources of `module` (an executable or a DLL loaded as a data file), with the given
// built-in block bytes.
void LoadQuizFromModule(QuizDocument* document, HMODULE module, const uint8_t* builtInBlock,
                        size_t blockSize);
