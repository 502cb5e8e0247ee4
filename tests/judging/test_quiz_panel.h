// A question panel and a header panel holding the judge's controls by id around a quiz document, as the
// question panel builds them: reveal labels only in reveal modes above 1 (hidden except in mode 5),
// picture frames holding a placeholder bitmap, verdict labels reading "?".
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "header/header_ids.h"
#include "questionpanel/panel_controls.h"
#include "judging/score_line.h"
#include "questionpanel/panel_ids.h"
#include "quizdata/quiz_document.h"

struct TestQuizLayout {
    int answersPerQuestion;
    int revealMode;
    std::vector<std::vector<const char*>> answers; // answer1 and answer2 of each question
    int builtQuestions = -1;                       // questions whose controls exist yet; -1 all
};

struct TestQuizPanel {
    explicit TestQuizPanel(const TestQuizLayout& layout);
    ~TestQuizPanel();

    void Type(int field, const char* text) { SetDlgItemTextA(panel, kAnswerFieldBase + field, text); }
    void Judge(int field);
    void Answer(int field, const char* text) { Type(field, text), Judge(field); }
    std::string Verdict(int field) const { return TextOf(panel, kVerdictLabelBase + field); }
    std::string ScoreLine() const { return TextOf(header, kScoreLabelId); }
    std::string ScoreCode() const { return TextOf(header, kCodeFieldId); }
    bool RevealShown(int question) const;
    void ShowReveal(int question, bool shown);
    HBITMAP FramePicture(int question) const;
    static std::string TextOf(HWND window, int id);

    QuizDocument document;
    HWND panel = nullptr;
    HWND header = nullptr;
    std::vector<HBITMAP> placeholders; // the frames' first pictures, by question - 1
};

// Width and height of a bitmap; {0, 0} when it is none.
SIZE BitmapSize(HBITMAP bitmap);
