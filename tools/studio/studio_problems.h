// The problems list: the checks `jorvo-maker pack` makes, run on the document as it stands, each named
// by its question and field so that the Studio can take the author there.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/studio/studio_document.h"

enum class StudioField {
    None,
    Title,
    Author,
    Explanation,
    Kind,
    Answers,
    Label1,
    Label2,
    RevealMode,
    Colour,
    Scores,
    Question,
    Answer1,
    Answer2,
    Reveal,
    Picture,
    Reward
};

struct StudioProblem {
    bool error = false; // an error stops the build; a warning does not
    int question = 0;   // from 1; 0 for the quiz's settings or the whole quiz
    StudioField field = StudioField::None;
    std::string text; // UTF-8
};

// What the check of one media file found, kept by its path and use: reading and checking 96 pictures on
// every keystroke would take longer than the keystroke.
struct MediaVerdict {
    std::vector<std::string> errors, warnings;
};
using MediaChecks = std::map<std::string, MediaVerdict>;

// The problems of `document` in question order (the quiz's own first). `checks` keeps the media files'
// verdicts between calls; clear it when files on disk may have changed.
void CheckStudioDocument(const StudioDocument& document, MediaChecks* checks,
                         std::vector<StudioProblem>* problems);

// Whether any of `problems` is an error.
bool HasStudioErrors(const std::vector<StudioProblem>& problems);
