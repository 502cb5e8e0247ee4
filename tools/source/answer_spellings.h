// An answer's accepted spellings as a quiz source writes them: `answer: Londres | London`. A bar
// separates two spellings, `\|` is a bar inside one, and spaces around each spelling do not count. The
// parser, the source writer, `jorvo-maker judge`, the importer and the Studio all go through here.
#pragma once

#include <string>
#include <vector>

// The spellings of `value`, in order, each trimmed of spaces and tabs. A value without a bar gives one
// spelling (the value itself, trimmed); an empty spelling between two bars is kept, as an empty text,
// for the caller to refuse.
std::vector<std::string> SplitSpellings(const std::string& value);

// The value that SplitSpellings reads back as `spellings`: " | " between them, each bar inside one
// written `\|`.
std::string JoinSpellings(const std::vector<std::string>& spellings);
