// The resources a quiz program carries, as the player reads them: PATCH 104 (the quiz) and 105 (the
// score codes), and 106 (the answers' other spellings) when some answer has more than one; per question n its
// picture, sound or film as IMG 400 + n and its reward picture as IMG 10400 + n with the two halves of every
// byte exchanged; PNG pictures as RCDATA under the same ids, never exchanged.
#pragma once

#include <string>
#include <vector>

#include "quizdata/quiz_loader.h"
#include "tools/pe/pe_resources.h"
#include "tools/source/quiz_project.h"

constexpr uint16_t kQuizResourceId = 104;
constexpr uint16_t kScoreResourceId = 105;
constexpr uint16_t kSpellingsResourceId = kSpellingsPieceId; // only in a quiz with other spellings
constexpr uint16_t kFirstMediaId = 400;
constexpr uint16_t kFirstRewardId = 10400;

// Codes the quiz and puts its resources into `resources` in `language`. False with *error when a text
// cannot be coded.
bool AddQuizResources(const QuizProject& project, bool scramble, uint16_t language,
                      std::vector<Resource>* resources, std::string* error);

// What a quiz program carries, decoded: the texts, the media and reward files as the author gave them
// (indexed by question; empty when absent), and whether the coded pieces were scrambled.
struct UnpackedQuiz {
    QuizContent content;
    std::vector<ByteVector> media;
    std::vector<ByteVector> rewards;
    bool scrambled = false;
};

// Reads the quiz back from a program's resources. False with *error when there is no quiz, or its
// pieces do not decode.
bool ReadQuizResources(const std::vector<Resource>& resources, UnpackedQuiz* quiz, std::string* error);

bool IsPngData(const ByteVector& bytes);
// The two halves of every byte exchanged (its own inverse).
ByteVector SwapNibbles(ByteVector bytes);
