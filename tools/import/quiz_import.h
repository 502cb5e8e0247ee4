// Imported questions fitted to what a quiz holds and written as quiz sources, each read back with the
// tool's own source reader: what the reader would refuse never reaches a file.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/import/imported_quiz.h"
#include "tools/source/media_format.h"

struct ImportSettings {
    std::string title;   // the quiz's title when the file gives none (the file's name)
    std::string heading; // the first comment lines of each source
    bool split = false;  // more questions than a quiz holds: several sources rather than the first ones
    // What a media file named in the file holds (it may not exist yet: then Unknown).
    std::function<MediaKind(const std::string& file)> mediaKind;
};

struct ImportedSource {
    std::string text; // the quiz source, UTF-8
    size_t questions = 0;
    int firstLine = 0; // the imported file's lines of its first and last questions
    int lastLine = 0;
};

// One source, or with `split` as many as the questions need; none when no question could be carried
// over. Everything left behind is added to `notes` with its line in the imported file; messages the
// source reader gives on a written source are added with the line of the question they concern. False,
// with no source, when the reader refuses a source written (the fitting missed a limit).
bool BuildImportedSources(const ImportedQuiz& quiz, const ImportSettings& settings,
                          std::vector<ImportedSource>* sources, std::vector<SourceMessage>* notes);

// The quiz kind files of this name suggest, from their extension: Unknown when it tells nothing.
MediaKind MediaKindOfName(const std::string& file);
