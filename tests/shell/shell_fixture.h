// A running shell for in-process tests: the real class, main window and panels over a test document,
// torn down by the real teardown. One shell serves a whole test suite: under Wine without a window
// manager, taking a shown top-level window down costs about two seconds.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

class RunningShell : public testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    static HWND mainWindow;
};

// Registers the "Jorvo" class the first time; true once it exists.
bool EnsureMainWindowClass();

// Handles every message waiting for this thread and drops the quit message.
void DrainMessages();
