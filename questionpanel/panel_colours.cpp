#include "questionpanel/panel_colours.h"

#include <cstring>

#include "questionpanel/panel_controls.h"
#include "judging/verdict.h"
#include "questionpanel/panel_ids.h"
#include "questionpanel/panel_state.h"
#include "questionpanel/question_blocks.h"

namespace {

INT_PTR AsResult(BrushHandle brush) {
    return reinterpret_cast<INT_PTR>(brush);
}

// Number, answer-row and reveal labels: transparent text on the panel's own colour, white on a dark
// background. The blue component does not count (backgroundColour holds red, blue, green).
INT_PTR OnBackground(const QuizDocument* document, HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    const bool dark = document->backgroundColour[0] <= 69 && document->backgroundColour[2] <= 69;
    SetTextColor(dc, dark ? RGB(255, 255, 255) : RGB(0, 0, 0));
    return AsResult(document->backgroundBrush);
}

INT_PTR VerdictColour(const QuizDocument* document, HDC dc, HWND label) {
    char verdict[kTextSize] = "";
    GetWindowTextA(label, verdict, kTextSize);
    HBRUSH brush = nullptr;
    if (std::strcmp(verdict, kVerdictAnagram) == 0)
        brush = document->anagramBrush;
    else if (std::strcmp(verdict, kVerdictRight) == 0)
        brush = rightAnswerBrush;
    else if (std::strcmp(verdict, kVerdictWrong) == 0)
        brush = document->wrongBrush;
    else if (std::strcmp(verdict, kVerdictEmpty) == 0)
        return FALSE;
    else
        brush = document->hintBrush;
    SetBkMode(dc, TRANSPARENT); // the text sits on the box's colour
    return AsResult(brush);
}

} // namespace

INT_PTR PanelBackground(const QuizDocument* document) {
    return document ? AsResult(document->backgroundBrush) : FALSE;
}

INT_PTR PanelLabelColour(const QuizDocument* document, HDC dc, HWND label) {
    if (!document) return FALSE;
    const int id = GetDlgCtrlID(label);
    const int fields = QuestionCountOf(document) * AnswersPerQuestionOf(document);
    if ((id >= kNumberLabelBase && id <= kNumberLabelBase + 240 + fields) || id == kAnswerRowLabelId ||
        (id > kRevealLabelBase && id <= kRevealLabelBase + fields))
        return OnBackground(document, dc);
    if (id > kVerdictLabelBase && id <= kVerdictLabelBase + fields) return VerdictColour(document, dc, label);
    if (id == kQuestionTextId) {
        SetBkMode(dc, TRANSPARENT);
        return AsResult(document->questionBrush);
    }
    return FALSE; // pictures and media hosts
}
