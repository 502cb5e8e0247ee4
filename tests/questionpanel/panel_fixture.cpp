#include "panel_fixture.h"

#include <fstream>

#include "header/answers_file.h"
#include "questionpanel/question_panel.h"
#include "quizdata/user_message.h"
#include "resources/resource_ids.h"
#include "shell/shell_state.h"

HWND PanelTest::parent = nullptr;

void PanelTest::SetUpTestSuite() {
    parent = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 700, nullptr, nullptr,
                             nullptr, nullptr);
}

void PanelTest::SetUp() {
    userMessageHook = [](const char*, const char*, unsigned) {}; // a real message box would block
    DeleteFileA(OwnAnswersFile().c_str());
}

void PanelTest::TearDown() {
    DestroyPanel();
    delete quizDocument;
    quizDocument = nullptr;
    userMessageHook = nullptr;
    DeleteFileA(OwnAnswersFile().c_str());
}

HWND PanelTest::Build(int kind, int perQuestion, int revealMode, const std::vector<TestQuestion>& questions) {
    DestroyPanel();
    delete quizDocument;
    quizDocument = new QuizDocument;
    quizDocument->quizKind = kind;
    quizDocument->answersPerQuestion = perQuestion;
    quizDocument->revealMode = revealMode;
    quizDocument->questionCount = static_cast<int32_t>(questions.size());
    lstrcpyA(quizDocument->answerLabel1, "Titre");
    lstrcpyA(quizDocument->answerLabel2, "Auteur");
    int n = 0;
    for (const TestQuestion& question : questions) {
        const std::string text = "Q" + std::to_string(++n);
        quizDocument->addQuestion(question.answer1, question.answer2, text.c_str());
        lstrcpyA(quizDocument->lastQuestion->revealText, question.revealText);
    }
    panel = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_QUESTION_PANEL), parent, QuestionPanelProc, 0);
    quizDocument->questionPanel = panel; // as the shell does once the build has returned
    SetWindowPos(panel, nullptr, 0, 0, 900, 300, SWP_NOZORDER | SWP_SHOWWINDOW);
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

std::string OwnAnswersFile() {
    char name[MAX_PATH] = "";
    ProgramAnswersFileName(name, sizeof name);
    return name;
}

void WriteAnswersFile(const std::string& bytes) {
    std::ofstream(OwnAnswersFile(), std::ios::binary) << bytes;
}
