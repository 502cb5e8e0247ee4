// A question panel from the player's own template (1001) holding the controls a grid quiz builds, at
// the places it builds them, and routing its scroll, wheel and size messages as the real panel does;
// beside it a header holding the hide box. Both sit in one shown parent window.
#pragma once

#include <windows.h>

#include <vector>

#include "header/header_ids.h"
#include "quizdata/quiz_document.h"

struct StandInLayout {
    int questions;
    int answersPerQuestion;
    int revealMode;
    std::vector<int> rowHeights; // one per row of three
};

struct StandInPanel {
    StandInPanel(const StandInLayout& layout, int clientWidth, int clientHeight);
    ~StandInPanel();

    // Resizes the panel so that its client area is width x height (the bars stay, shown or disabled).
    void SetClientSize(int width, int height);
    void Tick(bool ticked);
    void Send(UINT message, WPARAM wParam) { SendMessageA(panel, message, wParam, 0); }
    int Position(int bar) const { return GetScrollPos(panel, bar); }
    SCROLLINFO Bar(int bar) const {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        GetScrollInfo(panel, bar, &info);
        return info;
    }
    // A control's top-left corner in content coordinates (client position plus scroll positions).
    POINT ContentPosition(int id) const;
    bool Shown(int id) const;

    QuizDocument document;
    HWND parent = nullptr;
    HWND panel = nullptr;
    HWND header = nullptr;
};

// The panels' parent, shown (a hidden window's children do not scroll with it) and kept for the whole
// program: taking a shown top-level window down costs seconds under Wine.
HWND SharedParent();

// Handles every message waiting for this thread.
void DrainMessages();

// The control ids the stand-in builds for question n with M fields per question.
std::vector<int> BlockControlIds(int question, int answersPerQuestion);
