// Portable writer side of the quiz data: the texts the loader parses, the LZW encoder that matches the
// decoder, and the optional scrambling pass. Used by the authoring tool, the build and the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "quizdata/byte_vector.h"

// One question as an author gives it. Texts are Windows-1252 bytes.
struct QuestionContent {
    std::string answer1; // the first accepted spelling of each field (the one the word-count hint counts)
    std::string answer2; // used when the quiz has two answer fields per question
    std::string questionText;
    std::string revealText;
    // The fields' other accepted spellings, in the author's order (at most kMaxSpellings - 1 each).
    std::vector<std::string> extraSpellings1{};
    std::vector<std::string> extraSpellings2{}; // used with answer2
};

// A whole quiz as an author gives it. Texts are Windows-1252 bytes.
struct QuizContent {
    int32_t quizKind = 0;           // 0 text list, 1 pictures, 2 audio, 3 video (coded as kind + 1)
    int32_t answersPerQuestion = 1; // 1 or 2
    std::string title;
    std::string author;
    std::string explanation;
    std::string answerLabel1;
    std::string answerLabel2;
    std::vector<QuestionContent> questions;
    int32_t revealMode = 0; // 0..6
    uint8_t red = 90, green = 95, blue = 150;
    std::vector<std::string> scoreMessages; // line k is the code for a score of k
};

// Why the loader could not read the quiz back as given (a text too long or holding '|', a count out of
// range), in a sentence for the author; empty when the quiz can be serialised.
std::string DescribeQuizProblem(const QuizContent& quiz);

// The decoded texts, byte for byte as the loader reads them. Each is empty when it cannot be represented:
// SerialiseQuiz when DescribeQuizProblem finds a problem; SerialiseScoreMessages for a line above 259
// characters or holding CR or LF (no line at all gives one empty line: a coded piece is never empty);
// SerialiseBuiltInBlock for a link above 24 or a footer above 42 characters, or either holding '|'.
ByteVector SerialiseQuiz(const QuizContent& quiz);                        // PATCH 104
ByteVector SerialiseScoreMessages(const std::vector<std::string>& lines); // PATCH 105
ByteVector SerialiseBuiltInBlock(const std::string& linkText, const std::string& footerText);
// PATCH 106, the fields' other spellings (see quizdata/extra_spellings.h); empty when no field of the
// quiz has any, or DescribeQuizProblem finds a problem. Such a quiz carries no PATCH 106 at all.
ByteVector SerialiseExtraSpellings(const QuizContent& quiz);

// A stream that the LZW decoder turns back into exactly `size` bytes of `data`. Empty when the decoder
// could not hand the data back: no data, more than 120000 bytes, or a coded form above 32768 bytes.
ByteVector LzwEncode(const uint8_t* data, size_t size);

// Another stream of the same data for each variant (0..kLzwLastVariant; 0 is LzwEncode's): `variant` idle
// reset codes after the first code, 9 bits each. Used when a scrambled stream happens to decode as it stands.
constexpr int kLzwLastVariant = 8;
ByteVector LzwEncodeVariant(const uint8_t* data, size_t size, int variant);

// XOR with the descrambling key from byte 1 on; keyPosition carries across pieces like the loader's.
void ScrambleBytes(ByteVector& coded, int& keyPosition);

// LzwEncode followed by ScrambleBytes, checked: the loader takes a piece that decodes as it stands without
// descrambling it, so the scrambled stream must not decode; when it does, another stream of the same data
// is tried. Empty (keyPosition unchanged) when the data cannot be coded.
ByteVector LzwEncodeScrambled(const uint8_t* data, size_t size, int& keyPosition);

// The 70 bytes of the built-in block: the coded SerialiseBuiltInBlock text padded with zeros after the end
// code, scrambled when asked (keyPosition then moves on by 69). Empty when the texts cannot be carried
// (see SerialiseBuiltInBlock) or their coded form needs more than 70 bytes.
ByteVector CodeBuiltInBlock(const std::string& linkText, const std::string& footerText, bool scramble,
                            int& keyPosition);
