// A quiz source read with everything it names: the parsed texts and the bytes of every media file,
// checked for what the player can use. `pack` and `code` start from here.
#pragma once

#include <string>
#include <vector>

#include "quizdata/quiz_coding.h"
#include "tools/source/quiz_source.h"

struct QuizProject {
    QuizSource source; // texts in Windows-1252; media paths as written
    std::vector<ByteVector>
        media; // per question: its picture, sound or film (resource 400 + n); may be empty
    std::vector<ByteVector> rewards; // per question: its reward picture as in its file; may be empty
};

// Reads the quiz source at `quizPath` (media paths relative to its folder) and every media file it
// names, and checks each file against the quiz's kind. Problems go to `errors` and `warnings` as
// "FILE:LINE: what" (or "FILE: what" when no line applies); answers true when there is no error.
// Prints nothing. Files the quiz would not use (a picture in a text list) are not read.
bool LoadQuizProject(const std::string& quizPath, QuizProject* project, std::vector<std::string>* errors,
                     std::vector<std::string>* warnings);

// Reads and checks one media file named in the quiz source at `quizPath`, as LoadQuizProject does: the
// question's picture, sound or film in a quiz of kind `quizKind` (1 to 3), or a reward picture when
// `reward`. Its problems are LoadQuizProject's sentences without the place they start with.
bool LoadQuizMedia(const std::string& quizPath, const std::string& file, int quizKind, bool reward,
                   ByteVector* bytes, std::vector<std::string>* errors, std::vector<std::string>* warnings);

// Where a media file named in the quiz source lies: relative names are taken from the source's folder
// (either slash separates folders, for the Windows build).
std::string MediaFilePath(const std::string& quizPath, const std::string& file);
