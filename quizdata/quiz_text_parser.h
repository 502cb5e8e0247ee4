// Reads the decoded texts of the three coded pieces into the document. Reading stops at the end of the
// text: a field without its closing '|' ends there, and what is missing keeps its value from before.
#pragma once

#include <cstddef>
#include <cstdint>

#include "quizdata/quiz_document.h"

// Bytes 0 and 1 skipped, then the fields linkText and footerText.
void ParseBuiltInBlockText(QuizDocument* document, const uint8_t* text, size_t length);

// Header bytes, header fields, question groups, reveal mode and section, colour (PATCH 104).
void ParseQuizText(QuizDocument* document, const uint8_t* text, size_t length);

// One CR LF line per question into scoreMessages (PATCH 105); lines past the text stay empty.
void ParseScoreText(QuizDocument* document, const uint8_t* text, size_t length);

// The accent colour and a new background brush of it; the brush it replaces is deleted.
void SetBackgroundColour(QuizDocument* document, uint8_t red, uint8_t green, uint8_t blue);
