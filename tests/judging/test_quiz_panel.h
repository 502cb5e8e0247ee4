// A question panel and a header panel holding the judge's controls by id, around a quiz document, as
// the question panel builds them: reveal labels only when the reveal mode is above 1 (hidden except in
// mode 5), picture frames holding a placeholder bitmap, verdict labels reading "?".
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "quizdata/quiz_document.h"

struct TestQuestion {
    const char* answer1;
    const char* answer2;
};

struct TestQuizSpec {
    int answersPerQuestion;
    int revealMode;
    std::vector<TestQuestion> questions;
    int builtQuestions = -1; // questions whose controls exist so far; -1 all of them
};

class TestQuizPanel {
  public:
    explicit TestQuizPanel(const TestQuizSpec& spec);
    ~TestQuizPanel();
    TestQuizPanel(const TestQuizPanel&) = delete;
    TestQuizPanel& operator=(const TestQuizPanel&) = delete;

    // Types `text` into answer field n and judges it, as Enter does.
    void Answer(int field, const char* text);
    void Type(int field, const char* text);
    void Judge(int field);

    std::string Verdict(int field) const;
    void SetVerdict(int field, const char* text);
    bool RevealShown(int question) const;
    bool RevealExists(int question) const;
    void SetRevealShown(int question, bool shown);
    HBITMAP FramePicture(int question) const;
    HBITMAP PlaceholderPicture(int question) const { return placeholders_[question - 1]; }
    std::string ScoreLine() const;
    std::string ScoreCode() const;
    void SetScoreLine(const char* text);

    QuizDocument document;
    HWND panel = nullptr;
    HWND header = nullptr;

  private:
    std::vector<HBITMAP> placeholders_;
};

// Width and height of a bitmap, {0, 0} when it is none.
SIZE BitmapSize(HBITMAP bitmap);
