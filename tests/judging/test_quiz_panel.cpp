#include "tests/judging/test_quiz_panel.h"

#include "judging/answer_judge.h"
#include "judging/panel_texts.h"
#include "judging/score_line.h"

namespace {

const char kPanelClass[] = "JorvoJudgingTestPanel";

void RegisterPanelClass() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kPanelClass;
    RegisterClassA(&windowClass); // a second registration fails harmlessly
}

HWND CreateChild(HWND parent, const char* windowClass, const char* text, DWORD style, int id) {
    return CreateWindowExA(0, windowClass, text, WS_CHILD | style, 0, 0, 80, 20, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                           nullptr);
}

std::string TextOf(HWND window, int id) {
    char text[kTextSize] = "";
    GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

} // namespace

TestQuizPanel::TestQuizPanel(const TestQuizSpec& spec) {
    RegisterPanelClass();
    const int count = static_cast<int>(spec.questions.size());
    document.questionCount = count;
    document.answersPerQuestion = spec.answersPerQuestion;
    document.revealMode = spec.revealMode;
    for (const TestQuestion& question : spec.questions)
        document.addQuestion(question.answer1, question.answer2, "question");

    panel = CreateWindowExA(0, kPanelClass, "questions", WS_OVERLAPPEDWINDOW, 0, 0, 900, 500, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    header = CreateWindowExA(0, kPanelClass, "header", WS_OVERLAPPEDWINDOW, 0, 0, 900, 100, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    document.questionPanel = panel;
    document.headerPanel = header;
    CreateChild(header, "Static", " 0 / 0", WS_VISIBLE, kScoreLineId);
    CreateChild(header, "Edit", "", WS_VISIBLE | ES_READONLY, kScoreCodeId);

    const int built = spec.builtQuestions < 0 ? count : spec.builtQuestions;
    for (int question = 1; question <= built; ++question) {
        if (spec.revealMode > 1)
            CreateChild(panel, "Static", "reveal", spec.revealMode == 5 ? WS_VISIBLE : 0,
                        kRevealLabelBase + question);
        HWND frame = CreateChild(panel, "Static", "", WS_VISIBLE | SS_BITMAP, kPictureFrameBase + question);
        HBITMAP placeholder = CreateBitmap(1, 1, 1, 32, nullptr);
        SendMessageA(frame, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(placeholder));
        placeholders_.push_back(placeholder);
        for (int slot = 1; slot <= spec.answersPerQuestion; ++slot) {
            const int field = (question - 1) * spec.answersPerQuestion + slot;
            CreateChild(panel, "Edit", "", WS_VISIBLE | ES_AUTOHSCROLL, kAnswerFieldBase + field);
            CreateChild(panel, "Static", "?", WS_VISIBLE, kVerdictLabelBase + field);
        }
    }
}

TestQuizPanel::~TestQuizPanel() {
    // The frames do not own their bitmaps: whatever they hold at the end is ours to delete.
    for (int question = 1; question <= static_cast<int>(placeholders_.size()); ++question)
        DeleteObject(FramePicture(question));
    DestroyWindow(panel);
    DestroyWindow(header);
}

void TestQuizPanel::Type(int field, const char* text) {
    SetDlgItemTextA(panel, kAnswerFieldBase + field, text);
}

void TestQuizPanel::Judge(int field) {
    JudgeAnswer(&document, panel, kAnswerFieldBase + field);
}

void TestQuizPanel::Answer(int field, const char* text) {
    Type(field, text);
    Judge(field);
}

std::string TestQuizPanel::Verdict(int field) const {
    return TextOf(panel, kVerdictLabelBase + field);
}

void TestQuizPanel::SetVerdict(int field, const char* text) {
    SetDlgItemTextA(panel, kVerdictLabelBase + field, text);
}

bool TestQuizPanel::RevealExists(int question) const {
    return GetDlgItem(panel, kRevealLabelBase + question) != nullptr;
}

bool TestQuizPanel::RevealShown(int question) const {
    HWND label = GetDlgItem(panel, kRevealLabelBase + question);
    return label && (GetWindowLongPtrA(label, GWL_STYLE) & WS_VISIBLE);
}

void TestQuizPanel::SetRevealShown(int question, bool shown) {
    ShowWindow(GetDlgItem(panel, kRevealLabelBase + question), shown ? SW_SHOWNORMAL : SW_HIDE);
}

HBITMAP TestQuizPanel::FramePicture(int question) const {
    return reinterpret_cast<HBITMAP>(
        SendDlgItemMessageA(panel, kPictureFrameBase + question, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

std::string TestQuizPanel::ScoreLine() const {
    return TextOf(header, kScoreLineId);
}

std::string TestQuizPanel::ScoreCode() const {
    return TextOf(header, kScoreCodeId);
}

void TestQuizPanel::SetScoreLine(const char* text) {
    SetDlgItemTextA(header, kScoreLineId, text);
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info;
    if (!bitmap || GetObjectA(bitmap, sizeof info, &info) != sizeof info) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}
