// The quiz source an author writes: UTF-8 text, one `key: value` per line, `#` starts a comment line.
//
//   title: Capitales          kind: text|pictures|audio|video     answers: 1|2
//   author: ...               explanation: ...                    label1: ...   label2: ...
//   reveal-mode: 0..6         colour: RED GREEN BLUE
//   question: TEXT            (starts a question; the keys below belong to the last question)
//     answer: ...  answer2: ...  reveal: ...  picture: FILE  reward: FILE
//   score: TEXT               (one per score, in order: the first is the code for a score of 1)
#pragma once

#include <string>
#include <vector>

#include "quizdata/quiz_coding.h"

struct QuestionMedia {
    std::string picture; // file of the question's picture, sound or film (resource 400 + n); may be empty
    std::string reward;  // file of the reward picture (resource 10400 + n); may be empty
};

struct QuizSource {
    QuizContent content;              // texts already in Windows-1252
    std::vector<QuestionMedia> media; // one per question, paths as written (relative to the source)
};

// Parses and checks a quiz source. On failure answers false with "line N: what is wrong" in *error.
bool ParseQuizSource(const std::string& utf8Text, QuizSource* quiz, std::string* error);
