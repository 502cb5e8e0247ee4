#include "questionpanel/question_panel.h"

#include "questionpanel/panel_controls.h"
#include "questionpanel/media_buttons.h"
#include "questionpanel/panel_colours.h"
#include "questionpanel/panel_ids.h"
#include "questionpanel/panel_scroll.h"
#include "questionpanel/panel_state.h"
#include "questionpanel/question_blocks.h"
#include "shell/shell_helpers.h"
#include "shell/shell_state.h"

namespace {

// Static controls do not delete the bitmaps they show: the question and reward pictures go here.
void DeleteFramePictures(HWND panel) {
    if (!quizDocument || quizDocument->quizKind != kQuizPictures) return;
    for (int n = 1; n <= kMaxQuestions; ++n) {
        HWND frame = FindPanelControl(panel, kPictureFrameBase + n);
        if (!frame) continue;
        auto picture = reinterpret_cast<HBITMAP>(SendMessageA(frame, STM_SETIMAGE, IMAGE_BITMAP, 0));
        if (picture) DeleteObject(picture);
    }
}

// The brush goes only now, when no control is left to ask for it.
void OnDestroy(HWND panel) {
    ReleasePanelMedia();
    DeleteFramePictures(panel);
    if (rightAnswerBrush) DeleteObject(rightAnswerBrush);
    rightAnswerBrush = nullptr;
}

} // namespace

INT_PTR CALLBACK QuestionPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: BuildQuestionBlocks(quizDocument, panel); return TRUE;
    case WM_SIZE: ResizePanel(quizDocument, panel); return TRUE;
    case WM_VSCROLL: ScrollPanelVertically(quizDocument, panel, wParam); return TRUE;
    case WM_HSCROLL: ScrollPanelHorizontally(panel, wParam); return TRUE;
    case WM_MOUSEWHEEL: WheelToScrollCode(panel, wParam); return TRUE;
    case WM_COMMAND: OnPanelCommand(quizDocument, panel, wParam); return FALSE;
    case WM_CTLCOLORDLG: return PanelBackground(quizDocument);
    case WM_CTLCOLORSTATIC:
        return PanelLabelColour(quizDocument, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE: StopCurrentMedia(); return FALSE;
    case WM_DESTROY: OnDestroy(panel); return FALSE;
    default: return FALSE;
    }
}
