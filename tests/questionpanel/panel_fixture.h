// The real question panel, created from its dialog template over a test document, inside one visible
// parent window that serves the whole suite (under Wine, taking a shown top-level window down is slow).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "questionpanel/panel_controls.h"
#include "quizdata/quiz_document.h"

struct TestQuestion {
    const char* answer1;
    const char* answer2 = "";
    const char* revealText = "";
};

class PanelTest : public testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite() { DestroyWindow(parent); }
    void SetUp() override;
    void TearDown() override;

    // A fresh document of `kind` and the panel (900 x 300) built over it; question n's text is "Qn".
    HWND Build(int kind, int perQuestion, int revealMode, const std::vector<TestQuestion>& questions);
    void DestroyPanel();
    std::string Text(int id) const;
    HWND Item(int id) const { return GetDlgItem(panel, id); }

    static HWND parent;
    HWND panel = nullptr;
};

// The answers file the panel reads: named after this program, in the current directory.
std::string OwnAnswersFile();
void WriteAnswersFile(const std::string& bytes);
