// How the tests name a quiz source's message: "line N: text", or the text alone for line 0. The tool
// itself puts the file's path in front instead ("capitals.quiz:12: text"), as compilers do.
#pragma once

#include <string>

#include "tools/source/quiz_source.h"

inline std::string FormatSourceMessage(const SourceMessage& message) {
    return message.line ? "line " + std::to_string(message.line) + ": " + message.text : message.text;
}
