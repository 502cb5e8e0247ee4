// The real question panel, created from its dialog template over a test document inside one visible
// parent window that serves the whole suite (under Wine, taking a shown top-level window down is slow).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quizdata/quiz_document.h"

struct TestQuestion {
    const char* answer1;
    const char* answer2 = "";
    const char* questionText = "";
    const char* revealText = "";
};

struct TestQuiz {
    int kind;
    int answersPerQuestion;
    int revealMode;
    std::vector<TestQuestion> questions;
};

class PanelTest : public testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Fills quizDocument from `quiz` and creates the panel (900 x 300), which builds its blocks.
    HWND Build(const TestQuiz& quiz);
    void DestroyPanel();

    std::string Text(int id) const;
    // A control's place in the panel's client area: left, top, width, height.
    RECT Place(HWND control) const;
    HWND Item(int id) const { return GetDlgItem(panel, id); }

    static HWND parent;
    HWND panel = nullptr;
};

// The answers file the panel reads, named after this test program, in the current directory.
std::string OwnAnswersFile();
void WriteAnswersFile(const std::string& bytes);

// Every child of `panel` with control id `id`, in creation order.
std::vector<HWND> ChildrenWithId(HWND panel, int id);
