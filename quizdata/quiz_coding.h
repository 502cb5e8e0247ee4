// Portable writer side of the quiz data: the texts the loader parses, the LZW encoder that matches the
// decoder, and the optional scrambling pass. Used by the authoring tool, the build and the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using ByteVector = std::vector<uint8_t>;

// One question as an author gives it. Texts are Windows-1252 bytes.
struct QuestionContent {
    std::string answer1;
    std::string answer2;      // used when the quiz has two answer fields per question
    std::string questionText;
    std::string revealText;
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
    int32_t revealMode = 0;         // 0..6
    uint8_t red = 90, green = 95, blue = 150;
    std::vector<std::string> scoreMessages; // line k is the code for a score of k
};

// The decoded texts, byte for byte as the loader reads them.
ByteVector SerialiseQuiz(const QuizContent& quiz);                       // PATCH 104
ByteVector SerialiseScoreMessages(const std::vector<std::string>& lines); // PATCH 105
ByteVector SerialiseBuiltInBlock(const std::string& linkText, const std::string& footerText);

// A stream that the LZW decoder turns back into exactly `size` bytes of `data`.
ByteVector LzwEncode(const uint8_t* data, size_t size);

// XOR with the descrambling key from byte 1 on; keyPosition carries across pieces like the loader's.
void ScrambleBytes(ByteVector& coded, int& keyPosition);
