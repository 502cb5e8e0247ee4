#include "questionpanel/question_blocks.h"

#include <cstring>

#include "judging/answer_judge.h"
#include "judging/score_line.h"
#include "questionpanel/panel_controls.h"
#include "judging/text_ops.h"
#include "judging/verdict.h"
#include "media/media_host.h"
#include "media/picture_loader.h"
#include "media/picture_prefetch.h"
#include "media/picture_size.h"
#include "questionpanel/answer_field.h"
#include "questionpanel/panel_ids.h"
#include "questionpanel/panel_scroll.h"
#include "questionpanel/panel_state.h"
#include "questionpanel/restored_answers.h"
#include "questionpanel/saved_answers_reader.h"
#include "resources/resource_ids.h"

namespace {

constexpr DWORD kNumberStyle = WS_CHILD | WS_VISIBLE | SS_RIGHT;
constexpr DWORD kBoxStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_CENTER | SS_CENTERIMAGE;
constexpr DWORD kFieldStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL;
constexpr DWORD kRowLabelStyle = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kRevealStyle = WS_CHILD | WS_VISIBLE | SS_CENTER;
constexpr DWORD kPictureStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_BITMAP | SS_CENTERIMAGE;
constexpr DWORD kHostStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_ICON | BS_DEFPUSHBUTTON;

constexpr int kPictureBox = kPictureBoxSide; // fitted into 300 x 300 and centred in a 300-wide cell
constexpr int kRevealRowExtra = 140;         // a row's height below its fields when reveal labels show
constexpr int kPlainRowExtra = 60;

// What the build carries from block to block.
struct Build {
    QuizDocument* document;
    HWND panel;
    RestoredAnswers restored; // what each field takes from the answers file
    HFONT guiFont;
    HICON playIcon;
    HICON stopIcon;
    int rowTop;             // top of the current line or row of three
    int row;                // index of the current picture row
    int rowHeight;          // its tallest picture
    HBITMAP rowPictures[3]; // pictures of the row not yet handed to a frame
    bool rowDeferred[3];    // sized from their headers, decoded only for a frame that shows them
    SIZE rowSizes[3];
    // By question number: a picture sized from its header (its question is expected to show its reward
    // at once), and that size. Decided once, before the first block.
    bool deferred[kMaxQuestions + 3];
    SIZE deferredSize[kMaxQuestions + 3];
};

HWND CreateChild(HWND panel, const char* windowClass, const char* text, DWORD style, int x, int y, int width,
                 int height, int id, HFONT font) {
    // Named at creation (one call fewer per control, which counts under Wine), except a text beginning
    // with byte 0xFF, which creation may take for a resource number and drop.
    const bool nameLater = text && static_cast<unsigned char>(text[0]) == 0xFF;
    HWND child = CreateWindowExA(0, windowClass, text && !nameLater ? text : "", style, x, y, width, height,
                                 panel, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
    if (!child) return nullptr;
    KeepPanelControl(panel, id, child);
    if (font) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (nameLater) SetWindowTextA(child, text);
    return child;
}

// A control that the build hides at once is created hidden: under Wine showing a child and hiding it
// again costs several server requests, and nothing is painted in between anyway.
DWORD VisibleIf(bool visible, DWORD style) {
    return visible ? style : style & ~WS_VISIBLE;
}

HWND CreateAnswerField(Build* build, const char* text, int x, int y, int width, int id, bool visible = true) {
    HWND field = CreateChild(build->panel, "Edit", text, VisibleIf(visible, kFieldStyle), x, y, width, 20, id,
                             build->document->answerFont);
    if (field) SendMessageA(field, EM_LIMITTEXT, kMaxAnswerLength, 0);
    return field;
}

// A record's text copied with its end guaranteed, whatever the loader left in the array.
void CopyRecordText(const char* source, char* text) {
    lstrcpynA(text, source, kTextSize);
}

void BuildTextLine(Build* build, int n) {
    QuizDocument* document = build->document;
    const QuestionRecord* record = document->questionAt(n - 1);
    const int y = build->rowTop;
    char number[16];
    wsprintfA(number, "%d.", n);
    CreateChild(build->panel, "Static", number, kNumberStyle, 26, y + 2, 19, 17, kNumberLabelBase, nullptr);
    char question[kTextSize] = "";
    if (record) CopyRecordText(record->questionText, question);
    CreateChild(build->panel, "Static", question, kBoxStyle, 50, y, 550, 20, kQuestionTextId,
                document->answerFont);
    HWND field = CreateAnswerField(build, build->restored.text[n - 1], 610, y, 170, kAnswerFieldBase + n);
    CreateChild(build->panel, "Static", "?", kBoxStyle, 790, y, 100, 20, kVerdictLabelBase + n, nullptr);
    JudgeAnswer(document, build->panel, kAnswerFieldBase + n);
    SubclassAnswerField(field);
    build->rowTop = y + 25;
    document->contentWidth = 880;
    document->contentHeight = build->rowTop;
}

void ReleaseRowPictures(Build* build) {
    for (HBITMAP& picture : build->rowPictures) {
        if (picture) DeleteObject(picture);
        picture = nullptr;
    }
}

// Whether question n will show its reward as soon as its fields are judged: reveal mode 1 or 3, and every
// field's restored text right. A wrong guess costs only time.
bool RewardExpected(const Build* build, int n) {
    const QuizDocument* document = build->document;
    const int perQuestion = AnswersPerQuestionOf(document);
    if (n > QuestionCountOf(document) || (document->revealMode != 1 && document->revealMode != 3))
        return false;
    for (int slot = 1; slot <= perQuestion; ++slot)
        if (!SlotIsRight(document, n, slot, build->restored.text[(n - 1) * perQuestion + slot - 1]))
            return false;
    return true;
}

// The sizes of the row's three pictures; the row is as tall as the tallest. A deferred picture (see
// PlanPictures) has its header's size and is decoded only if its frame ends up needing it; any other
// picture is decoded now, so that one the loader cannot decode counts as missing: 300 wide and 0 high.
void LoadPictureRow(Build* build, int n) {
    ReleaseRowPictures(build);
    int tallest = 0;
    for (int column = 0; column < 3; ++column) {
        const int id = kQuestionPictureBase + n + column;
        SIZE size{kPictureBox, 0};
        HBITMAP picture = nullptr;
        build->rowDeferred[column] = build->deferred[n + column];
        if (build->rowDeferred[column]) {
            size = build->deferredSize[n + column];
        } else {
            picture =
                LoadPictureResourceAhead(GetModuleHandleA(nullptr), id, "IMG", kPictureBox, kPictureBox);
            BITMAP info{};
            if (picture && GetObjectA(picture, sizeof info, &info) != sizeof info) {
                DeleteObject(picture);
                picture = nullptr;
            }
            if (picture) size = SIZE{info.bmWidth, info.bmHeight};
        }
        build->rowPictures[column] = picture;
        build->rowSizes[column] = size;
        if (size.cy > tallest) tallest = size.cy;
    }
    build->rowHeight = tallest;
    if (build->row < kMaxQuestions / 3) build->document->rowHeights[build->row] = tallest;
    ++build->row;
}

// Before the first block: a question expected to show its reward at once has its picture deferred when
// the picture's header gives its size. Every picture the build will decode is queued in the order the
// build asks for them: each row's question pictures that are not deferred, then the rewards that the
// judgements of its blocks are expected to show.
void PlanPictures(Build* build, int questions) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    int ids[2 * kMaxQuestions];
    int count = 0;
    for (int first = 1; first <= questions; first += 3) {
        bool reward[3];
        for (int column = 0; column < 3; ++column) {
            const int n = first + column;
            reward[column] = RewardExpected(build, n); // false past the last question
            build->deferred[n] = reward[column] &&
                                 PictureResourceFittedSize(module, kQuestionPictureBase + n, "IMG",
                                                           kPictureBox, kPictureBox, &build->deferredSize[n]);
            if (n <= questions && !build->deferred[n]) ids[count++] = kQuestionPictureBase + n;
        }
        for (int column = 0; column < 3; ++column)
            if (reward[column]) ids[count++] = kRewardPictureBase + first + column;
    }
    StartPicturePrefetch(module, ids, count, kPictureBox, kPictureBox);
}

void CreatePictureFrame(Build* build, int n, int x, int column) {
    const SIZE size = build->rowSizes[column];
    CreateChild(build->panel, "Static", nullptr, kPictureStyle, x + (kPictureBox - size.cx) / 2,
                build->rowTop + (build->rowHeight - size.cy) / 2, size.cx, size.cy, kPictureFrameBase + n,
                nullptr);
}

// The question's picture goes into its frame unless the judge has put the reward there already (then a
// deferred picture is never decoded). Every bitmap that no frame keeps is deleted here.
void AttachQuestionPicture(Build* build, int n, int column) {
    HBITMAP picture = build->rowPictures[column];
    build->rowPictures[column] = nullptr;
    HWND frame = FindPanelControl(build->panel, kPictureFrameBase + n);
    if (frame && SendMessageA(frame, STM_GETIMAGE, IMAGE_BITMAP, 0)) {
        if (picture) DeleteObject(picture); // the reward stays
        return;
    }
    if (frame && build->rowDeferred[column])
        picture = LoadPictureResourceAhead(GetModuleHandleA(nullptr), kQuestionPictureBase + n, "IMG",
                                           kPictureBox, kPictureBox);
    PutPictureInFrame(frame, picture);
}

// Host window and player of an audio or video block; false when no player could be created.
bool CreateMediaPart(Build* build, int n, int x) {
    const bool video = build->document->quizKind == kQuizVideo;
    HWND host = CreateChild(build->panel, "Static", nullptr, kHostStyle, x, build->rowTop, video ? 300 : 0,
                            video ? 200 : 0, kPictureFrameBase + n, nullptr);
    // The slot records the host even when the player fails; play and stop pass over a slot without one.
    return CreateMediaPlayer(&mediaSlots[n], host) != 0;
}

void CreateMediaButtons(Build* build, int n, int x, int fieldY) {
    HWND play = CreateChild(build->panel, "Button", nullptr, kButtonStyle, x, fieldY, 20, 20,
                            kPlayButtonBase + n, nullptr);
    HWND stop = CreateChild(build->panel, "Button", nullptr, kButtonStyle, x, fieldY + 20, 20, 19,
                            kStopButtonBase + n, nullptr);
    if (play) SendMessageA(play, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(build->playIcon));
    if (stop) SendMessageA(stop, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(build->stopIcon));
}

// The anagram hint of reveal mode 5: "en 1 mot", "en 3 mots".
void FormatWordCount(const char* answer, char* text) {
    const int words = CountWords(answer);
    wsprintfA(text, "en %d mot%s", words, words == 1 ? "" : "s");
}

void CreateRevealLabel(Build* build, const QuestionRecord* record, int n, int x, int fieldY) {
    char text[kTextSize] = "";
    if (record) CopyRecordText(record->revealText, text);
    const bool wordCount = build->document->revealMode == 5;
    if (wordCount) {
        char answer[kTextSize] = "";
        if (record) CopyRecordText(record->answer1, answer);
        FormatWordCount(answer, text);
    }
    // The judge shows it once the question is found; the word count shows from the start.
    CreateChild(build->panel, "Static", text, VisibleIf(wordCount, kRevealStyle), x, fieldY + 46, 300, 65,
                kRevealLabelBase + n, build->guiFont);
}

void CreateFieldPair(Build* build, const QuestionRecord* record, int n, int x, int fieldY, int width) {
    for (int j = 1; j <= 2; ++j) {
        const int k = (n - 1) * 2 + j;
        const int y = fieldY + 19 * (j - 1);
        // The second field of a one-answer question reads "-" (right at once), whatever line was saved for
        // it, and stays out of sight with its verdict.
        const bool shown = j == 1 || !HasOneAnswer(record);
        HWND field = CreateAnswerField(build, build->restored.text[k - 1], x, y, width - 59,
                                       kAnswerFieldBase + k, shown);
        CreateChild(build->panel, "Static", "?", VisibleIf(shown, kBoxStyle), x + width - 60, y, 60, 20,
                    kVerdictLabelBase + k, build->guiFont);
        SubclassAnswerField(field);
        JudgeAnswer(build->document, build->panel, kAnswerFieldBase + k);
    }
}

void CreateAnswerFields(Build* build, const QuestionRecord* record, int n, int x, int fieldY, int width) {
    const int perQuestion = build->document->answersPerQuestion;
    if (perQuestion == 2) {
        CreateFieldPair(build, record, n, x, fieldY, width);
    } else if (perQuestion == 1) {
        HWND field =
            CreateAnswerField(build, build->restored.text[n - 1], x, fieldY, width, kAnswerFieldBase + n);
        CreateChild(build->panel, "Static", "?", kBoxStyle, x, fieldY + 19, width, 20, kVerdictLabelBase + n,
                    nullptr);
        SubclassAnswerField(field);
        JudgeAnswer(build->document, build->panel, kAnswerFieldBase + n);
    }
}

// One block of the grid of three columns; false when its player could not be created, which ends the
// build.
bool BuildGridBlock(Build* build, int n) {
    QuizDocument* document = build->document;
    const QuestionRecord* record = document->questionAt(n - 1);
    const int kind = document->quizKind;
    const bool twoFields = document->answersPerQuestion == 2;
    const int column = (n - 1) % 3;
    const int x = (twoFields ? 106 : 46) + 330 * column; // room for the answer-row labels
    int fieldY = build->rowTop;
    int dx = 20;
    int width = 280;
    if (kind == kQuizPictures) {
        if (column == 0) LoadPictureRow(build, n);
        CreatePictureFrame(build, n, x, column);
        fieldY = build->rowTop + build->rowHeight + 10;
        dx = 0;
        width = 300;
    } else {
        if (!CreateMediaPart(build, n, x)) return false;
        if (kind == kQuizVideo) fieldY = build->rowTop + 210;
    }

    char number[16];
    wsprintfA(number, "%d.", n);
    CreateChild(build->panel, "Static", number, kNumberStyle, x - 28, fieldY + 2, 27, 17,
                kNumberLabelBase + n, nullptr);
    if (twoFields && column == 0) {
        char label[kTextSize];
        CopyRecordText(document->answerLabel1, label);
        CreateChild(build->panel, "Static", label, kRowLabelStyle, 4, fieldY + 2, 95, 20, kAnswerRowLabelId,
                    build->guiFont);
        CopyRecordText(document->answerLabel2, label);
        CreateChild(build->panel, "Static", label, kRowLabelStyle, 3, fieldY + 22, 95, 20, kAnswerRowLabelId,
                    build->guiFont);
    }
    if (document->revealMode > 1) CreateRevealLabel(build, record, n, x, fieldY);
    CreateAnswerFields(build, record, n, x + dx, fieldY, width);
    if (kind == kQuizPictures)
        AttachQuestionPicture(build, n, column);
    else
        CreateMediaButtons(build, n, x, fieldY);

    const int below = document->revealMode > 1 ? kRevealRowExtra : kPlainRowExtra;
    if (n % 3 == 1) {
        document->contentWidth = 1010;
        document->contentHeight = fieldY + below;
    }
    if (n % 3 == 0) build->rowTop = fieldY + below;
    return true;
}

} // namespace

void BuildQuestionBlocks(QuizDocument* document, HWND panel) {
    if (!rightAnswerBrush) rightAnswerBrush = CreateSolidBrush(RGB(0, 255, 0));
    if (!document) return;
    document->contentWidth = 0;
    document->contentHeight = 0;
    SettleDeclaredShape(document);
    for (MediaSlot& slot : mediaSlots)
        slot = MediaSlot{};

    Build build{};
    build.document = document;
    build.panel = panel;
    build.guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const int kind = document->quizKind;
    if (kind == kQuizAudio || kind == kQuizVideo) {
        build.playIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PLAY));
        build.stopIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_STOP));
    }
    SavedAnswers saved;
    OpenSavedAnswers(&saved);
    RestoreAnswers(document, saved.bytes, saved.size, &build.restored);
    CloseSavedAnswers(&saved);
    BeginPanelBuild(panel);
    HoldScoreRefresh(); // one count of the restored verdicts at the end, not one per field
    if (!document->answerFont) {
        LOGFONTA description{};
        description.lfHeight = 15;
        description.lfWeight = 100;
        document->answerFont = CreateFontIndirectA(&description);
    }

    build.rowTop = 5;
    const int questions = QuestionCountOf(document); // the panel holds at most 96 blocks
    if (kind == kQuizPictures) PlanPictures(&build, questions);
    for (int n = 1; n <= questions; ++n) {
        if (kind == kQuizText) {
            BuildTextLine(&build, n);
        } else if (kind >= kQuizPictures && kind <= kQuizVideo && !BuildGridBlock(&build, n)) {
            break; // no player: the blocks built so far stay, the file is still closed and the ranges set
        }
    }
    ReleaseRowPictures(&build); // pictures of a last row's missing questions
    StopPicturePrefetch();      // and rewards expected for questions that were not found after all
    EndPanelBuild();
    document->contentWidth += document->answersPerQuestion == 2 ? 80 : 20;

    ReleaseScoreRefresh(document, panel);
    SetPanelScrollRanges(document, panel);
}
