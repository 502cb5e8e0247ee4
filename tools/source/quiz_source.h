// The quiz source an author writes: UTF-8 text, one `key: value` per line, `#` starts a comment line.
//
//   title: Capitales          kind: text|pictures|audio|video     answers: 1|2
//   author: ...               explanation: ...                    label1: ...   label2: ...
//   reveal-mode: 0..6         colour: RED GREEN BLUE
//   question: TEXT            (starts a question; the keys below belong to the last question)
//     answer: ...  answer2: ...  reveal: ...  picture: FILE  reward: FILE
//   score: TEXT               (one per score, in order: the first is the code for a score of 1)
//
// Keys that would do nothing in the quiz as written (a picture in a text list, a second answer in a
// one-answer quiz, a key given twice) draw a warning and are ignored or replaced, never refused.
#pragma once

#include <string>
#include <vector>

#include "quizdata/quiz_coding.h"

struct QuestionMedia {
    std::string picture; // file of the question's picture, sound or film (resource 400 + n); may be empty
    std::string reward;  // file of the reward picture (resource 10400 + n); may be empty
    int line = 0;        // the lines of the question's `question:`, `picture:` and `reward:` keys
    int pictureLine = 0;
    int rewardLine = 0;
};

struct QuizSource {
    QuizContent content;              // texts already in Windows-1252
    std::vector<QuestionMedia> media; // one per question, paths as written (relative to the source)
};

struct SourceMessage {
    int line; // 0 when it concerns the whole file
    std::string text;
};

// Parses and checks a quiz source (its file bytes). Every mistake goes to `errors`, every doubtful but
// usable line to `warnings`; answers true when there is no error.
bool ParseQuizSource(const std::string& bytes, QuizSource* quiz, std::vector<SourceMessage>* errors,
                     std::vector<SourceMessage>* warnings);

// "line N: text", or the text alone for line 0.
std::string FormatSourceMessage(const SourceMessage& message);
