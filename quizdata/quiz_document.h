// The one record per process that holds the loaded quiz, the answer state, the panels' fonts and
// brushes, the two panel handles and the question panel's layout state.
#pragma once

#include <cstdint>

// The Windows handle types, declared the way windows.h declares them (STRICT), so that this header
// stays free of windows.h and the portable core can be built and tested natively.
struct HFONT__;
struct HBRUSH__;
struct HWND__;
using FontHandle = HFONT__*;
using BrushHandle = HBRUSH__*;
using WindowHandle = HWND__*;

struct ExtraSpellings; // quizdata/extra_spellings.h

constexpr int kMaxQuestions = 96;
constexpr int kTextSize = 260; // 259 characters and the terminating NUL

struct QuestionRecord {
    char answer1[kTextSize];
    char answer2[kTextSize];
    char questionText[kTextSize];
    char revealText[kTextSize];
    int32_t solved;
    QuestionRecord* prev;
    QuestionRecord* next;
};

// Quiz kinds.
enum : int32_t { kQuizText = 0, kQuizPictures = 1, kQuizAudio = 2, kQuizVideo = 3 };

struct QuizDocument {
    int32_t contentWidth;
    int32_t contentHeight;
    int32_t quizKind;
    char title[kTextSize];
    char author[kTextSize];
    char explanation[kTextSize];
    char answerLabel1[kTextSize];
    char answerLabel2[kTextSize];
    int32_t questionCount;
    int32_t answersPerQuestion;
    char scoreMessages[kMaxQuestions][kTextSize];
    int32_t revealMode;
    FontHandle answerFont;
    FontHandle scoreFont;
    FontHandle titleFont;
    int32_t allRevealed;
    WindowHandle questionPanel;
    int32_t rowHeights[kMaxQuestions / 3];
    int32_t questionStates[kMaxQuestions + 1]; // indexed by question number 1..96; entry 0 is spare
    uint8_t backgroundColour[3];               // red, blue, green (in that order)
    BrushHandle backgroundBrush;
    BrushHandle wrongBrush;
    BrushHandle anagramBrush;
    BrushHandle hintBrush;
    BrushHandle questionBrush;
    WindowHandle headerPanel;
    char mediaDirectory[512];
    char linkText[25];
    char footerText[43];
    QuestionRecord* firstQuestion;
    QuestionRecord* lastQuestion;
    ExtraSpellings* extraSpellings; // the fields' other accepted spellings; null when the quiz has none

    QuizDocument();
    ~QuizDocument();
    QuizDocument(const QuizDocument&) = delete;
    QuizDocument& operator=(const QuizDocument&) = delete;

    void addQuestion(const char* answer1, const char* answer2, const char* questionText);
    QuestionRecord* questionAt(int index) const;
};

// Colour value as Windows builds it: red | green << 8 | blue << 16.
constexpr uint32_t MakeRgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}
