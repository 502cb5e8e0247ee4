// Accepted answers as a player can type them. Text pasted from a word processor brings characters no
// keyboard gives (curly apostrophes, guillemets, non-breaking spaces); the judge compares bytes, so such
// an answer could never be judged right.
#pragma once

#include <string>
#include <vector>

// `utf8` with every such character replaced by the one a keyboard types; each change, and each letter
// few players can type (oe and ae joined), is described in `notes` for the author.
std::string KeyboardAnswer(const std::string& utf8, std::vector<std::string>* notes);
