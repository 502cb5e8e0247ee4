// A quiz program's quiz written back as a quiz source and its media files: what `unpack` writes and what
// the Studio opens a program by. Packing that source again gives the same program.
#pragma once

#include <string>
#include <vector>

// Writes the quiz of the program at `programPath` into `dir` (made when missing): its media files as
// q<n>.<ext> and reward<n>.<ext>, the source as <program name>.quiz at *quizPath. *scrambled tells
// whether the program's quiz was scrambled; the source writer's notes go to `warnings`. False with
// *error (the user's language) when the program cannot be read, carries no quiz, or a file cannot be
// written.
bool UnpackQuizProgram(const std::string& programPath, const std::string& dir, std::string* quizPath,
                       bool* scrambled, std::vector<std::string>* warnings, std::string* error);
