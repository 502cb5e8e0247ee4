#include "questionpanel/media_buttons.h"

#include "questionpanel/panel_controls.h"
#include "media/media_host.h"
#include "questionpanel/panel_ids.h"
#include "questionpanel/panel_state.h"
#include "questionpanel/question_blocks.h"

namespace {

// Deleting a file that is not there (nothing played yet, or stopped already) fails quietly.
void DeleteCurrentMediaFile() {
    if (currentMediaPath[0]) DeleteFileA(currentMediaPath);
}

// Only one item plays at a time: every player stops, the previous file goes, and item n is written
// afresh and started from its beginning.
void Play(const QuizDocument* document, HWND panel, int n) {
    const int questions = QuestionCountOf(document);
    for (int i = 1; i <= questions; ++i)
        StopMediaPlayer(&mediaSlots[i]);
    DeleteCurrentMediaFile();
    currentMedia = n;
    if (!ExtractMediaResource(panel, kQuestionPictureBase + n, document->quizKind - 1)) return;
    StartMediaPlayer(&mediaSlots[n], currentMediaPath);
}

} // namespace

// Whichever stop button is pressed, the item stopped is the one started last.
void StopCurrentMedia() {
    if (currentMedia >= 1 && currentMedia <= kMaxQuestions) StopMediaPlayer(&mediaSlots[currentMedia]);
    DeleteCurrentMediaFile();
}

void OnPanelCommand(const QuizDocument* document, HWND panel, WPARAM wParam) {
    if (!document || HIWORD(wParam) != BN_CLICKED) return;
    if (document->quizKind != kQuizAudio && document->quizKind != kQuizVideo) return;
    const int id = LOWORD(wParam);
    const int questions = QuestionCountOf(document);
    if (id > kPlayButtonBase && id <= kPlayButtonBase + questions)
        Play(document, panel, id - kPlayButtonBase);
    else if (id > kStopButtonBase && id <= kStopButtonBase + questions)
        StopCurrentMedia();
}

void ReleasePanelMedia() {
    // The players outlive their slots only inside their host windows, which go with the panel; a file
    // still open in a player could not be deleted.
    for (MediaSlot& slot : mediaSlots) {
        StopMediaPlayer(&slot);
        if (slot.controls) slot.controls->Release();
        if (slot.player) slot.player->Release();
        slot = MediaSlot{};
    }
    currentMedia = 0;
    DeleteCurrentMediaFile();
}
