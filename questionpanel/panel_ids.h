// Control ids of the question panel, and the resource ids of its pictures: their one home, for the
// panel's blocks, its scrolling and colours, the judge and the answers file (n the field number from 1,
// q the question number from 1).
#pragma once

constexpr int kAnswerRowLabelId = 156;  // both labels left of the first column when a question has 2 fields
constexpr int kNumberLabelBase = 2000;  // + q in the grid kinds; 2000 itself for every line of a text list
constexpr int kQuestionTextId = 3000;   // every question text of a text list
constexpr int kAnswerFieldBase = 4000;  // + n: answer field
constexpr int kVerdictLabelBase = 5000; // + n: verdict label
constexpr int kPlayButtonBase = 6000;   // + q
constexpr int kStopButtonBase = 7000;   // + q
constexpr int kRevealLabelBase = 8000;  // + q: reveal label
constexpr int kPictureFrameBase = 9900; // + q: picture frame

constexpr int kQuestionPictureBase = 400; // + q: the question's "IMG" resource
constexpr int kRewardPictureBase = 10400; // + q: the reward picture's "IMG" resource
