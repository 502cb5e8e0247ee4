#include "tests/judging/test_quiz_panel.h"

#include "header/header_ids.h"
#include "judging/answer_judge.h"
#include "questionpanel/panel_ids.h"

namespace {

HWND CreateControl(HWND parent, const char* windowClass, const char* text, DWORD style, int id) {
    return CreateWindowExA(0, windowClass, text, style, 0, 0, 80, 20, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                           nullptr);
}

} // namespace

TestQuizPanel::TestQuizPanel(const TestQuizLayout& layout) {
    document.questionCount = static_cast<int32_t>(layout.answers.size());
    document.answersPerQuestion = layout.answersPerQuestion;
    document.revealMode = layout.revealMode;
    for (const auto& answers : layout.answers)
        document.addQuestion(answers[0], answers.size() > 1 ? answers[1] : "", "?");

    // Hidden top-level windows: a control's own WS_VISIBLE bit still tells whether it was shown.
    panel = CreateControl(nullptr, "Static", "questions", WS_OVERLAPPEDWINDOW, 0);
    header = CreateControl(nullptr, "Static", "header", WS_OVERLAPPEDWINDOW, 0);
    document.questionPanel = panel;
    document.headerPanel = header;
    CreateControl(header, "Static", " 0 / 0", WS_CHILD, kScoreLabelId);
    CreateControl(header, "Edit", "", WS_CHILD | ES_READONLY, kCodeFieldId);

    const int built = layout.builtQuestions < 0 ? document.questionCount : layout.builtQuestions;
    for (int question = 1; question <= built; ++question) {
        if (layout.revealMode > 1)
            CreateControl(panel, "Static", "reveal", WS_CHILD | (layout.revealMode == 5 ? WS_VISIBLE : 0),
                          kRevealLabelBase + question);
        HWND frame = CreateControl(panel, "Static", "", WS_CHILD | WS_VISIBLE | SS_BITMAP,
                                   kPictureFrameBase + question);
        placeholders.push_back(CreateBitmap(1, 1, 1, 32, nullptr));
        SendMessageA(frame, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(placeholders.back()));
        for (int slot = 1; slot <= layout.answersPerQuestion; ++slot) {
            const int field = (question - 1) * layout.answersPerQuestion + slot;
            CreateControl(panel, "Edit", "", WS_CHILD | WS_VISIBLE, kAnswerFieldBase + field);
            CreateControl(panel, "Static", "?", WS_CHILD | WS_VISIBLE, kVerdictLabelBase + field);
        }
    }
}

TestQuizPanel::~TestQuizPanel() {
    // Frames do not own their bitmaps: whatever they hold at the end is ours.
    for (size_t question = 1; question <= placeholders.size(); ++question)
        DeleteObject(FramePicture(static_cast<int>(question)));
    DestroyWindow(panel);
    DestroyWindow(header);
}

void TestQuizPanel::Judge(int field) {
    JudgeAnswer(&document, panel, kAnswerFieldBase + field);
}

bool TestQuizPanel::RevealShown(int question) const {
    HWND label = GetDlgItem(panel, kRevealLabelBase + question);
    return label && (GetWindowLongPtrA(label, GWL_STYLE) & WS_VISIBLE);
}

void TestQuizPanel::ShowReveal(int question, bool shown) {
    ShowWindow(GetDlgItem(panel, kRevealLabelBase + question), shown ? SW_SHOWNORMAL : SW_HIDE);
}

HBITMAP TestQuizPanel::FramePicture(int question) const {
    return reinterpret_cast<HBITMAP>(
        SendDlgItemMessageA(panel, kPictureFrameBase + question, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

std::string TestQuizPanel::TextOf(HWND window, int id) {
    char text[kTextSize] = "";
    GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info;
    if (!bitmap || GetObjectA(bitmap, sizeof info, &info) != sizeof info) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}
