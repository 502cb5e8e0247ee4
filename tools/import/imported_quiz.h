// Questions read from another program's file, as that file gives them (UTF-8), before they are fitted to
// what a quiz can hold.
#pragma once

#include <string>
#include <vector>

#include "tools/source/quiz_source.h"

struct ImportedQuestion {
    int line = 0; // where the question starts in the imported file
    std::string text;
    std::vector<std::string> answer;  // accepted spellings, the first one first
    std::vector<std::string> answer2; // the second field's, when the file has one
    std::string reveal;
    std::string media;  // picture, sound or film file, as written
    std::string reward; // reward picture file, as written
};

struct ImportedQuiz {
    std::string title; // may be empty: the importer then names the quiz after the file
    std::vector<ImportedQuestion> questions;
    std::vector<SourceMessage> notes; // what the file holds that the quiz does not carry, by line
};
