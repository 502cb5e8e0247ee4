#include "panel_fixture.h"

#include <fstream>

#include "header/answers_file.h"
#include "questionpanel/question_panel.h"
#include "quizdata/user_message.h"
#include "resources/resource_ids.h"
#include "shell/shell_state.h"

HWND PanelTest::parent = nullptr;

void PanelTest::SetUpTestSuite() {
    parent = CreateWindowExA(0, "Static", "panel tests", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 700, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
}

void PanelTest::TearDownTestSuite() {
    DestroyWindow(parent);
    parent = nullptr;
}

void PanelTest::SetUp() {
    ASSERT_NE(parent, nullptr);
    userMessageHook = [](const char*, const char*, unsigned) {}; // a real message box would block
    DeleteFileA(OwnAnswersFile().c_str());
    quizDocument = new QuizDocument;
}

void PanelTest::TearDown() {
    DestroyPanel();
    delete quizDocument;
    quizDocument = nullptr;
    userMessageHook = nullptr;
    DeleteFileA(OwnAnswersFile().c_str());
}

HWND PanelTest::Build(const TestQuiz& quiz) {
    quizDocument->quizKind = quiz.kind;
    quizDocument->answersPerQuestion = quiz.answersPerQuestion;
    quizDocument->revealMode = quiz.revealMode;
    quizDocument->questionCount = static_cast<int32_t>(quiz.questions.size());
    lstrcpyA(quizDocument->answerLabel1, "Titre");
    lstrcpyA(quizDocument->answerLabel2, "Auteur");
    for (const TestQuestion& question : quiz.questions) {
        quizDocument->addQuestion(question.answer1, question.answer2, question.questionText);
        lstrcpyA(quizDocument->lastQuestion->revealText, question.revealText);
    }
    panel = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_QUESTION_PANEL), parent,
                               QuestionPanelProc, 0);
    if (!panel) return nullptr;
    quizDocument->questionPanel = panel; // as the shell does once the build has returned
    SetWindowPos(panel, nullptr, 0, 0, 900, 300, SWP_NOZORDER);
    ShowWindow(panel, SW_SHOWNORMAL);
    return panel;
}

void PanelTest::DestroyPanel() {
    if (panel) DestroyWindow(panel);
    panel = nullptr;
}

std::string PanelTest::Text(int id) const {
    char text[kTextSize] = "";
    GetDlgItemTextA(panel, id, text, sizeof text);
    return text;
}

RECT PanelTest::Place(HWND control) const {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::string OwnAnswersFile() {
    char path[MAX_PATH] = "";
    char name[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    AnswersFileName(path, name, sizeof name);
    return name;
}

void WriteAnswersFile(const std::string& bytes) {
    std::ofstream(OwnAnswersFile(), std::ios::binary) << bytes;
}

std::vector<HWND> ChildrenWithId(HWND panel, int id) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) == id) found.push_back(child);
    return found;
}
