#include "judging/answer_judge.h"

#include <cstring>

#include "questionpanel/panel_controls.h"
#include "judging/field_judging.h"
#include "judging/score_line.h"
#include "judging/verdict.h"
#include "media/picture_loader.h"
#include "media/picture_prefetch.h"
#include "questionpanel/panel_ids.h"

namespace {

// Reveal modes: what a question shows once every one of its fields is right.
constexpr int32_t kRevealPicture = 1;
constexpr int32_t kRevealText = 2;
constexpr int32_t kRevealTextAndPicture = 3;
constexpr int32_t kRevealAllAtTheEnd = 4;
constexpr int32_t kRevealWordCount = 5; // the hint stays visible whatever the verdicts

constexpr int kRewardBoxSize = 300; // reward pictures are fitted into 300 x 300

// Every field of the question compared with its slot's spellings, the other fields read afresh (the one
// just judged, `judgedSlot`, reads `judgedText`); the verdict labels are not consulted.
bool QuestionIsFound(const QuizDocument* document, HWND panel, int question, int perQuestion, int judgedSlot,
                     const char* judgedText) {
    for (int slot = 1; slot <= perQuestion; ++slot) {
        char typed[kTextSize];
        if (slot != judgedSlot)
            ReadControlText(panel, kAnswerFieldBase + (question - 1) * perQuestion + slot, typed, kTextSize);
        if (!SlotIsRight(document, question, slot, slot == judgedSlot ? judgedText : typed)) return false;
    }
    return true;
}

// A reward that cannot be loaded leaves the frame its picture.
void ShowRewardPicture(HWND panel, int question) {
    PutPictureInFrame(FindPanelControl(panel, kPictureFrameBase + question),
                      LoadPictureResourceAhead(GetModuleHandleA(nullptr), kRewardPictureBase + question,
                                               "IMG", kRewardBoxSize, kRewardBoxSize));
}

// Reveal mode 4: every reveal label appears once every field of the quiz reads "BRAVO".
void RevealAllWhenAllRight(QuizDocument* document, HWND panel) {
    const int questions = QuestionCountOf(document);
    const int fields = questions * AnswersPerQuestionOf(document);
    for (int field = 1; field <= fields; ++field)
        if (!VerdictLabelIsRight(panel, field)) return;
    document->allRevealed = 1;
    for (int question = 1; question <= questions; ++question)
        ShowPanelControl(panel, kRevealLabelBase + question, SW_SHOWNORMAL);
}

} // namespace

void JudgeAnswer(QuizDocument* document, HWND panel, int fieldId) {
    if (!document) return;
    const int perQuestion = AnswersPerQuestionOf(document);
    const int field = fieldId - kAnswerFieldBase;
    if (field < 1 || field > QuestionCountOf(document) * perQuestion) return;
    int question = 0, slot = 0;
    PlaceOfField(document, field, &question, &slot);
    QuestionRecord* record = document->questionAt(question - 1);
    if (!record) return;

    HWND verdictLabel = FindPanelControl(panel, kVerdictLabelBase + field);
    char current[kTextSize] = "";
    if (verdictLabel) GetWindowTextA(verdictLabel, current, kVerdictReadLimit);
    char typed[kTextSize];
    ReadControlText(panel, fieldId, typed, kTextSize);

    // Decided before any call that changes a window: a repaint or a focus change may judge again.
    const char* verdict = FieldVerdict(document, field, typed);
    if (std::strcmp(verdict, current) == 0) return; // judged again without change: nothing happens
    if (verdictLabel) SetWindowTextA(verdictLabel, verdict);

    const int32_t mode = document->revealMode;
    if (std::strcmp(verdict, kVerdictRight) == 0) {
        if (QuestionIsFound(document, panel, question, perQuestion, slot, typed)) {
            record->solved = 1;
            if (mode == kRevealText || mode == kRevealTextAndPicture)
                ShowPanelControl(panel, kRevealLabelBase + question, SW_SHOWNORMAL);
            if (mode == kRevealPicture || mode == kRevealTextAndPicture) ShowRewardPicture(panel, question);
        }
    } else {
        // A reward picture once shown stays, and so does `solved`.
        if (mode != kRevealWordCount) ShowPanelControl(panel, kRevealLabelBase + question, SW_HIDE);
        document->allRevealed = 0;
    }
    if (mode == kRevealAllAtTheEnd && !document->allRevealed) RevealAllWhenAllRight(document, panel);
    RefreshScore(document, panel);
}
