// The Studio's main window in this test process, driven through its controls as an author would, with
// its message boxes and file choices answered by the test.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "tools/studio/studio_state.h"

struct StudioFixture {
    // Starts the Studio once for the test program; each test begins with a new, unchanged quiz.
    static void SetUpStudio();
    static void NewQuizForTest();

    static HWND Window() { return studioWindow; }
    // Replaces the text of field `id` by `cp1252` as typing would (its limit holds, its change is told).
    static void Type(int id, const std::string& cp1252);
    // Picks item `index` of combo box `id` as the mouse would.
    static void Pick(int id, int index);
    static std::string Text(int id); // Windows-1252
    // Cell (row, column) of list view `id`, in UTF-8.
    static std::string Cell(int id, int row, int column);
    static int Rows(int id);
    // Drops `files` (UTF-8 paths) on the window at `point` in client coordinates.
    static void Drop(const std::vector<std::string>& files, POINT point);
    // The centre of control `id`, in the window's client coordinates.
    static POINT CentreOf(int id);
};

// Message boxes shown since the last NewQuizForTest (texts in Windows-1252), each answered with
// `messageAnswer`; file and folder choices answered from `choices` by purpose (missing: cancelled).
extern std::vector<std::string> shownMessages;
extern int messageAnswer;
extern std::map<std::string, std::string> choices;
extern std::vector<std::string> askedChoices;

// A fresh folder under the temporary folder (UTF-8, backslashes), and files written there.
std::string ScratchFolderForTest();
void WriteFileForTest(const std::string& utf8Path, const std::string& bytes);
bool ReadFileForTest(const std::string& utf8Path, std::string* bytes);
