// The one document of Jorvo Studio: the quiz being made, where its source lives and whether it changed
// since it was last read or saved. Portable: the Studio's windows read and write it, tests drive it
// natively.
#pragma once

#include <string>
#include <vector>

#include "tools/source/quiz_source.h"

struct StudioDocument {
    QuizSource source;   // texts in Windows-1252; media paths UTF-8, relative to the source's folder
    std::string path;    // the source file (UTF-8); empty until the quiz is first saved
    std::string heading; // every comment line the source held, in order, without its '#'
    bool changed = false;
    int selected = -1; // the question in the editor (from 0), -1 when there is none
};

// A new quiz: a picture quiz with one answer per question and no question yet.
void NewStudioDocument(StudioDocument* document);

// Reads source `bytes` saved at `path`. A source whose text cannot be read at all (UTF-16, Latin-1) is
// refused with *error in French and `document` untouched; any other mistake is kept for the problems
// list to show, and the quiz opens as far as it was understood.
bool ReadStudioSource(const std::string& bytes, const std::string& path, StudioDocument* document,
                      std::string* error);

// The source text the document saves as (UTF-8, media paths as held).
std::string StudioSourceText(const StudioDocument& document);

// A new empty question at `at` (0..count), selected; false when the quiz already holds 96.
bool InsertQuestion(StudioDocument* document, int at);
void DeleteQuestion(StudioDocument* document, int at);
// Exchanges question `at` with its neighbour `by` (-1 or +1) places away; false at either end.
bool MoveQuestion(StudioDocument* document, int at, int by);

// A question made from a dropped or chosen media file: the answer is the file's name without its folder
// and extension, '_' and '-' read as spaces (left empty when it does not fit Windows-1252). False when
// the quiz already holds 96 questions.
bool AddMediaQuestion(StudioDocument* document, const std::string& mediaPath);
std::string AnswerFromFileName(const std::string& path);

// How `mediaPath` (absolute, UTF-8) is written in a source saved at `sourcePath`: relative with '/' when
// it lies in the source's folder or below, as given otherwise.
std::string MediaPathFor(const std::string& sourcePath, const std::string& mediaPath);

// Moves the document to `newPath`, rewriting each relative media path so that it still names its file.
void RebaseStudioDocument(StudioDocument* document, const std::string& newPath);
