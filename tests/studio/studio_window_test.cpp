// The Studio's main window driven through its controls: every edit reaches the document, the lists and
// the title bar at once; the player's limits hold in the fields; drops, saves and opens keep the
// author's work whatever goes wrong.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "judging/verdict.h"
#include "questionpanel/panel_state.h"
#include "studio_fixture.h"
#include "tests/tools/media_samples.h"
#include "tools/pe/pe_resources.h"
#include "tools/source/quiz_resources.h"
#include "tools/source/quiz_source.h"
#include "tools/studio/studio_fields.h"
#include "tools/studio/studio_files.h"
#include "tools/studio/studio_ids.h"
#include "tools/studio/studio_text.h"
#include "tools/studio/studio_window.h"

namespace {

class StudioWindowTest : public ::testing::Test, public StudioFixture {
  protected:
    void SetUp() override { NewQuizForTest(); }
    static std::string Title() {
        wchar_t title[256] = L"";
        GetWindowTextW(Window(), title, 256);
        return Utf8FromWide(title);
    }
    static const QuizContent& Quiz() { return studioDocument->source.content; }
    static std::string Png() {
        const ByteVector png = TinyPng();
        return std::string(png.begin(), png.end());
    }
};

TEST_F(StudioWindowTest, EditsReachTheDocumentTheListsAndTheTitleBar) {
    EXPECT_EQ(Title(), "Nouveau quiz - Jorvo Studio");
    Type(kTitleEdit, "Les oiseaux d'\xE9t\xE9");
    EXPECT_EQ(Quiz().title, "Les oiseaux d'\xE9t\xE9");
    EXPECT_EQ(Title(), "Nouveau quiz * - Jorvo Studio");

    RunStudioCommand(Window(), kCommandAdd);
    ASSERT_EQ(Rows(kQuestionList), 1);
    EXPECT_EQ(GetFocus(), GetDlgItem(Window(), kQuestionTextEdit));
    EXPECT_EQ(Cell(kQuestionList, 0, 1), "erreur"); // no answer, no picture
    Type(kQuestionTextEdit, "Quel oiseau ?");
    Type(kAnswer1Edit, "m\xE9sange");
    EXPECT_EQ(Quiz().questions[0].answer1, "m\xE9sange");
    EXPECT_EQ(Cell(kQuestionList, 0, 2), "Quel oiseau ?");
    EXPECT_EQ(Cell(kQuestionList, 0, 3), "m\xC3\xA9sange");
    EXPECT_EQ(Rows(kProblemList), static_cast<int>(studioProblems->size()));
    // The whole quiz's problems first (a score code short), then the question's (no picture).
    EXPECT_EQ(Cell(kProblemList, 0, 0), "Quiz");
    EXPECT_EQ(Cell(kProblemList, 0, 1).compare(0, 16, "Avertissement : "), 0) << Cell(kProblemList, 0, 1);
    EXPECT_EQ(Cell(kProblemList, 1, 0), "Question 1");
    EXPECT_EQ(Cell(kProblemList, 1, 1).compare(0, 9, "Erreur : "), 0) << Cell(kProblemList, 1, 1);

    // A text list needs no picture: the question's problem goes, and the media field closes.
    Pick(kKindCombo, 0);
    EXPECT_EQ(Quiz().quizKind, 0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Window(), kMediaEdit)));
    EXPECT_EQ(Cell(kQuestionList, 0, 1), "");
    EXPECT_EQ(Rows(kProblemList), 1);
    Type(kAnswer1Edit, "pie"); // too short for a hint
    EXPECT_EQ(Cell(kQuestionList, 0, 1), "avert.");
    Type(kAnswer1Edit, "m\xE9sange");
    Type(kScoresEdit, "Bravo !\r\n\r\n");
    EXPECT_EQ(Quiz().scoreMessages, std::vector<std::string>{"Bravo !"});
    EXPECT_EQ(Cell(kQuestionList, 0, 1), "");
    EXPECT_EQ(Rows(kProblemList), 0);
    EXPECT_NE(Text(kScoresNote).find("Il en faut 1"), std::string::npos) << Text(kScoresNote);

    // Two answers: the second field and the row labels open, in a picture quiz only.
    Pick(kAnswersCombo, 1);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Window(), kAnswer2Edit)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Window(), kLabel1Edit)));
    Pick(kKindCombo, 1);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Window(), kLabel1Edit)));
    Type(kAnswer2Edit, "-");
    EXPECT_EQ(Cell(kQuestionList, 0, 3), "m\xC3\xA9sange / -");
}

TEST_F(StudioWindowTest, TabGoesThroughTheFieldsInTheirOrder) {
    RunStudioCommand(Window(), kCommandAdd);
    const int order[] = {kTitleEdit,       kAuthorEdit,   kExplanationEdit, kKindCombo,    kAnswersCombo,
                         kRevealModeCombo, kColourButton, kScoresEdit,      kQuestionList, kCommandAdd};
    SetFocus(GetDlgItem(Window(), order[0]));
    for (size_t i = 1; i < sizeof order / sizeof order[0]; ++i) {
        MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {}};
        IsDialogMessageW(Window(), &tab);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), order[i]) << "after " << order[i - 1];
    }
}

TEST_F(StudioWindowTest, FieldsHoldAtMostWhatThePlayerHolds) {
    const struct {
        int id;
        int limit;
    } fields[] = {{kTitleEdit, 259},
                  {kAuthorEdit, 259},
                  {kExplanationEdit, 259},
                  {kLabel1Edit, 259},
                  {kLabel2Edit, 259},
                  {kQuestionTextEdit, 259},
                  {kRevealEdit, 259},
                  {kTryEdit, 55},
                  // an answer field holds up to 8 spellings, 259 characters in all, " | " between them
                  {kAnswer1Edit, 259 + 3 * 7},
                  {kAnswer2Edit, 259 + 3 * 7}};
    RunStudioCommand(Window(), kCommandAdd);
    for (const auto& field : fields) {
        EXPECT_EQ(SendDlgItemMessageW(Window(), field.id, EM_GETLIMITTEXT, 0, 0), field.limit) << field.id;
        // Typed text beyond the limit is refused as the keyboard's would be.
        HWND edit = GetDlgItem(Window(), field.id);
        EnableWindow(edit, TRUE);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(std::wstring(300, L'a').c_str()));
        EXPECT_EQ(GetWindowTextLengthW(edit), field.limit) << field.id;
    }
}

TEST_F(StudioWindowTest, QuestionsAreAddedMovedAndDeletedWithButtonsAndKeys) {
    for (const char* text : {"un", "deux", "trois"}) {
        RunStudioCommand(Window(), kCommandAdd);
        Type(kQuestionTextEdit, text);
    }
    RunStudioCommand(Window(), kCommandUp); // "trois" above "deux"
    EXPECT_EQ(Cell(kQuestionList, 1, 2), "trois");
    EXPECT_EQ(Text(kQuestionTextEdit), "trois");
    HWND list = GetDlgItem(Window(), kQuestionList);
    SetFocus(list);
    SendMessageW(list, WM_KEYDOWN, VK_DELETE, 0);
    ASSERT_EQ(Rows(kQuestionList), 2);
    EXPECT_EQ(Cell(kQuestionList, 1, 2), "deux");
    EXPECT_EQ(Text(kQuestionTextEdit), "deux");
    SendMessageW(list, WM_KEYDOWN, VK_INSERT, 0);
    EXPECT_EQ(Rows(kQuestionList), 3);
    EXPECT_EQ(studioDocument->selected, 1);
    EXPECT_EQ(Cell(kQuestionList, 2, 0), "3");

    // Clicking a row (its selection) shows that question.
    LVITEMW item{};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(studioDocument->selected, 0);
    EXPECT_EQ(Text(kQuestionTextEdit), "un");

    while (Quiz().questions.size() < 96)
        RunStudioCommand(Window(), kCommandAdd);
    EXPECT_TRUE(shownMessages.empty());
    RunStudioCommand(Window(), kCommandInsert);
    EXPECT_EQ(Quiz().questions.size(), 96u);
    ASSERT_EQ(shownMessages.size(), 1u);
    EXPECT_NE(shownMessages[0].find("96 questions"), std::string::npos) << shownMessages[0];
}

TEST_F(StudioWindowTest, DroppedPicturesBecomeQuestionsAndADropOnAFieldSetsIt) {
    const std::string folder = ScratchFolderForTest();
    const std::vector<std::string> files = {folder + "\\\xC3\xA9\x63ureuil_roux.png",
                                            folder + "\\ch\xC3\xA2teau-fort.png"};
    for (const std::string& file : files)
        WriteFileForTest(file, Png());
    Drop(files, POINT{10, 10});
    ASSERT_EQ(Rows(kQuestionList), 2);
    EXPECT_EQ(Quiz().questions[0].answer1, "\xE9\x63ureuil roux");
    EXPECT_EQ(Quiz().questions[1].answer1, "ch\xE2teau fort");
    EXPECT_EQ(Cell(kQuestionList, 1, 4), "ch\xC3\xA2teau-fort.png");
    EXPECT_EQ(studioDocument->selected, 0);
    for (const StudioProblem& problem : *studioProblems)
        EXPECT_NE(problem.field, StudioField::Picture) << problem.text; // the pictures were read

    const std::string other = folder + "\\autre \xC3\xA9t\xC3\xA9.png";
    WriteFileForTest(other, Png());
    Drop({other}, CentreOf(kMediaEdit));
    EXPECT_EQ(Quiz().questions.size(), 2u);
    EXPECT_EQ(studioDocument->source.media[0].picture, other);
    EXPECT_EQ(ControlTextUtf8(Window(), kMediaEdit), other);
}

TEST_F(StudioWindowTest, SavedSourceReadsBackAsTheSameQuizAndOpensAgain) {
    const std::string folder = ScratchFolderForTest();
    WriteFileForTest(folder + "\\chat.png", Png());
    Drop({folder + "\\chat.png"}, POINT{10, 10});
    Type(kTitleEdit, "Animaux");
    Type(kScoresEdit, "Bien");
    choices["save"] = folder + "\\animaux.quiz";
    RunStudioCommand(Window(), kCommandSave); // never saved: asks where
    EXPECT_EQ(askedChoices, std::vector<std::string>{"save"});
    EXPECT_FALSE(studioDocument->changed);
    EXPECT_EQ(Title(), "animaux.quiz - Jorvo Studio");
    std::string saved;
    ASSERT_TRUE(ReadFileForTest(folder + "\\animaux.quiz", &saved));
    EXPECT_NE(saved.find("picture: chat.png\n"), std::string::npos) << saved; // relative to the source
    QuizSource parsed;
    std::vector<SourceMessage> errors, warnings;
    EXPECT_TRUE(ParseQuizSource(saved, &parsed, &errors, &warnings)) << errors.size();
    EXPECT_EQ(parsed.content.title, "Animaux");
    EXPECT_EQ(parsed.content.questions[0].answer1, "chat");

    Type(kTitleEdit, "Chang\xE9");
    messageAnswer = IDCANCEL; // asked about the change: the author cancels, nothing opens
    choices["open"] = folder + "\\animaux.quiz";
    RunStudioCommand(Window(), kCommandOpen);
    EXPECT_EQ(Quiz().title, "Chang\xE9");
    ASSERT_EQ(shownMessages.size(), 1u);
    messageAnswer = IDNO; // this time the change is dropped
    RunStudioCommand(Window(), kCommandOpen);
    EXPECT_EQ(Quiz().title, "Animaux");
    EXPECT_FALSE(studioDocument->changed);
    EXPECT_EQ(Text(kTitleEdit), "Animaux");
    EXPECT_EQ(Text(kAnswer1Edit), "chat");
}

TEST_F(StudioWindowTest, BadFilesGiveAFrenchMessageAndLoseNothing) {
    const std::string folder = ScratchFolderForTest();
    Type(kTitleEdit, "Mon travail");
    const struct {
        const char* name;
        std::string bytes;
        const char* says;
    } cases[] = {
        {"utf16.quiz", std::string("\xFF\xFEt\0i\0t\0", 8), "UTF-16"},
        {"latin1.quiz", "title: Caf\xE9\n", "Latin-1"},
        {"abime.exe", "MZ pas un programme", "endommag\xE9"},
    };
    choices["folder"] = folder + "\\sortie";
    for (const auto& c : cases) {
        shownMessages.clear();
        WriteFileForTest(folder + "\\" + c.name, c.bytes);
        messageAnswer = IDNO;
        EXPECT_FALSE(OpenStudioFile(Window(), folder + "\\" + c.name));
        EXPECT_EQ(Quiz().title, "Mon travail") << c.name;
        ASSERT_FALSE(shownMessages.empty()) << c.name;
        EXPECT_NE(shownMessages.back().find(c.says), std::string::npos) << shownMessages.back();
    }
    studioDocument->changed = true;
    // A save that cannot be written keeps the quiz open, changed, where it was.
    studioDocument->path = folder + "\\absent\\quiz.quiz";
    shownMessages.clear();
    RunStudioCommand(Window(), kCommandSave);
    ASSERT_EQ(shownMessages.size(), 1u);
    EXPECT_NE(shownMessages[0].find("Rien n'est perdu"), std::string::npos) << shownMessages[0];
    EXPECT_TRUE(studioDocument->changed);
    EXPECT_EQ(Quiz().title, "Mon travail");

    // A missing picture is told in the problems list, in French, by its name.
    RunStudioCommand(Window(), kCommandAdd);
    Type(kAnswer1Edit, "castor");
    Type(kMediaEdit, "absente.png");
    const StudioProblem* missing = nullptr;
    for (const StudioProblem& problem : *studioProblems)
        if (problem.field == StudioField::Picture) missing = &problem;
    ASSERT_NE(missing, nullptr);
    EXPECT_TRUE(missing->error);
    EXPECT_NE(missing->text.find("impossible de lire"), std::string::npos) << missing->text;
    EXPECT_NE(missing->text.find("absente.png"), std::string::npos) << missing->text;
    EXPECT_NE(missing->text.find("ce fichier n'existe pas"), std::string::npos) << missing->text;
}

TEST_F(StudioWindowTest, TriedAnswersGetThePlayersVerdictAndColour) {
    RunStudioCommand(Window(), kCommandAdd);
    Type(kAnswer1Edit, "girafe");
    HWND verdict = GetDlgItem(Window(), kTryVerdict);
    const struct {
        const char* typed;
        HBRUSH brush; // null: the window's own colours
    } cases[] = {{"", nullptr},
                 {"GIRAFE ", rightAnswerBrush},
                 {"zebre", judgeDocument->wrongBrush},
                 {"giraef", judgeDocument->anagramBrush},
                 {"girafz", judgeDocument->hintBrush}};
    for (const auto& c : cases) {
        Type(kTryEdit, c.typed);
        EXPECT_EQ(Text(kTryVerdict), DecideVerdict("girafe", c.typed)) << c.typed;
        HDC dc = GetDC(verdict);
        const LRESULT brush = SendMessageW(Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(verdict));
        ReleaseDC(verdict, dc);
        if (c.brush)
            EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), c.brush) << c.typed;
        else
            EXPECT_NE(reinterpret_cast<HBRUSH>(brush), rightAnswerBrush) << c.typed;
    }
    // Every spelling the answer field gives is accepted, as the player accepts them.
    Type(kAnswer1Edit, "Londres | London");
    EXPECT_EQ(Quiz().questions[0].answer1, "Londres");
    EXPECT_EQ(Quiz().questions[0].extraSpellings1, std::vector<std::string>{"London"});
    Type(kTryEdit, "london");
    EXPECT_STREQ(Text(kTryVerdict).c_str(), kVerdictRight);
    Type(kTryEdit, "Londre");
    EXPECT_STREQ(Text(kTryVerdict).c_str(), kVerdictOneSlip);
    EXPECT_EQ(Cell(kQuestionList, 0, 3), "Londres | London");
    // The verdict follows the accepted answer too.
    Type(kTryEdit, "lion");
    Type(kAnswer1Edit, "lion");
    EXPECT_STREQ(Text(kTryVerdict).c_str(), kVerdictRight);
    // With two answers, a text right for the second is right; answer 2 of a one-answer quiz counts for
    // nothing.
    Type(kAnswer2Edit, "tigre");
    Type(kTryEdit, "tigre");
    EXPECT_STREQ(Text(kTryVerdict).c_str(), DecideVerdict("lion", "tigre"));
    EXPECT_STRNE(Text(kTryVerdict).c_str(), kVerdictRight);
    Pick(kAnswersCombo, 1);
    Type(kAnswer2Edit, "tigre");
    EXPECT_STREQ(Text(kTryVerdict).c_str(), kVerdictRight);
    Type(kTryEdit, "tigres");
    EXPECT_STREQ(Text(kTryVerdict).c_str(), DecideVerdict("tigre", "tigres"));
}

TEST_F(StudioWindowTest, AProblemTakesTheAuthorToItsQuestionAndField) {
    for (int i = 0; i < 3; ++i) {
        RunStudioCommand(Window(), kCommandAdd);
        Type(kQuestionTextEdit, "q");
        Type(kAnswer1Edit, "abcdef");
    }
    studioDocument->source.media[0].picture = studioDocument->source.media[2].picture = "x.png";
    const std::string tooLong = "abcd | " + std::string(56, 'x'); // question 3's second spelling
    Type(kAnswer1Edit, tooLong);
    RunStudioCommand(Window(), kCommandAdd);
    SelectQuestion(Window(), 0);
    int row = -1;
    for (size_t i = 0; i < studioProblems->size(); ++i)
        if ((*studioProblems)[i].question == 3 && (*studioProblems)[i].field == StudioField::Answer1)
            row = static_cast<int>(i);
    ASSERT_GE(row, 0);
    HWND problems = GetDlgItem(Window(), kProblemList);
    LVITEMW item{};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(problems, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    NMHDR header{problems, kProblemList, static_cast<UINT>(NM_DBLCLK)};
    SendMessageW(Window(), WM_NOTIFY, kProblemList, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(studioDocument->selected, 2);
    EXPECT_EQ(GetFocus(), GetDlgItem(Window(), kAnswer1Edit));
    EXPECT_EQ(Text(kAnswer1Edit), tooLong);

    // Enter on the problem does the same, through the dialog keys as the message loop hands it over.
    SelectQuestion(Window(), 0);
    SetFocus(problems);
    MSG enter{problems, WM_KEYDOWN, VK_RETURN, 0x001C0001, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(Window(), &enter));
    EXPECT_EQ(studioDocument->selected, 2);
    EXPECT_EQ(GetFocus(), GetDlgItem(Window(), kAnswer1Edit));
}

TEST_F(StudioWindowTest, LayoutFollowsTheWindowAndKeepsAMinimumSize) {
    MINMAXINFO limits{};
    SendMessageW(Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, kStudioMinimumWidth);
    EXPECT_EQ(limits.ptMinTrackSize.y, kStudioMinimumHeight);
    for (SIZE size : {SIZE{kStudioMinimumWidth, kStudioMinimumHeight}, SIZE{1400, 950}}) {
        SetWindowPos(Window(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        RECT client{};
        GetClientRect(Window(), &client);
        const int ids[] = {kTitleEdit,        kAuthorEdit,  kScoresEdit, kQuestionList, kCommandDown,
                           kQuestionTextEdit, kMediaBrowse, kTryVerdict, kProblemList};
        for (int id : ids) {
            RECT rect{};
            GetWindowRect(GetDlgItem(Window(), id), &rect);
            MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&rect), 2);
            EXPECT_GE(rect.left, 0) << id;
            EXPECT_LE(rect.right, client.right) << id << " at " << size.cx;
            EXPECT_LE(rect.bottom, client.bottom) << id << " at " << size.cy;
            EXPECT_GT(rect.right - rect.left, 20) << id;
        }
        // The lists take what the window gains.
        RECT list{}, problems{};
        GetWindowRect(GetDlgItem(Window(), kQuestionList), &list);
        GetWindowRect(GetDlgItem(Window(), kProblemList), &problems);
        EXPECT_GT(list.bottom - list.top, client.bottom / 2);
        EXPECT_GT(problems.bottom - problems.top, 60);
        EXPECT_LE(list.right, problems.left);
    }
}

} // namespace

namespace {

// A two-question picture quiz with no problem left, its pictures in `folder`.
void MakeGoodQuiz(StudioFixture& studio, const std::string& folder) {
    const ByteVector png = TinyPng();
    std::vector<std::string> files;
    for (const char* name : {"\\hibou.png", "\\\xC3\xA9tourneau.png"}) {
        WriteFileForTest(folder + name, std::string(png.begin(), png.end()));
        files.push_back(folder + name);
    }
    studio.Drop(files, POINT{10, 10});
    studio.Type(kTitleEdit, "Oiseaux de nuit");
    studio.Type(kScoresEdit, "Un\r\nDeux");
}

bool ReadsAsQuiz(const std::string& program, UnpackedQuiz* quiz) {
    std::string bytes;
    std::vector<Resource> resources;
    std::string error;
    return ReadFileForTest(program, &bytes) &&
           ReadPeResources(ByteVector(bytes.begin(), bytes.end()), &resources, &error) &&
           ReadQuizResources(resources, quiz, &error);
}

TEST_F(StudioWindowTest, BuildIsRefusedWhileAnErrorRemainsAndThenWritesTheProgram) {
    const std::string folder = ScratchFolderForTest();
    RunStudioCommand(Window(), kCommandAdd); // no answer, no picture
    choices["build"] = folder + "\\quiz.exe";
    RunStudioCommand(Window(), kCommandBuild);
    EXPECT_TRUE(askedChoices.empty()); // not even asked where
    ASSERT_EQ(shownMessages.size(), 1u);
    EXPECT_NE(shownMessages[0].find("erreur"), std::string::npos) << shownMessages[0];
    EXPECT_EQ(GetFocus(), GetDlgItem(Window(), kProblemList));

    RunStudioCommand(Window(), kCommandDelete);
    MakeGoodQuiz(*this, folder);
    ASSERT_FALSE(HasStudioErrors(*studioProblems));
    const std::string target = folder + "\\for\xC3\xAAt de nuit.exe";
    for (int scramble : {IDNO, IDYES}) {
        shownMessages.clear();
        choices["build"] = target;
        messageAnswer = scramble;
        RunStudioCommand(Window(), kCommandBuild);
        ASSERT_EQ(shownMessages.size(), 2u); // the scrambling asked, the size said
        EXPECT_NE(shownMessages[1].find("Ko, 2 questions"), std::string::npos) << shownMessages[1];
        UnpackedQuiz quiz;
        ASSERT_TRUE(ReadsAsQuiz(target, &quiz));
        EXPECT_EQ(quiz.content.title, "Oiseaux de nuit");
        EXPECT_EQ(quiz.content.questions[1].answer1, "\xE9tourneau");
        EXPECT_EQ(quiz.scrambled, scramble == IDYES);
    }

    // A program that cannot be written leaves nothing behind, and says so.
    shownMessages.clear();
    choices["build"] = folder + "\\absent\\quiz.exe";
    messageAnswer = IDNO;
    RunStudioCommand(Window(), kCommandBuild);
    ASSERT_EQ(shownMessages.size(), 2u);
    EXPECT_NE(shownMessages[1].find("Aucun fichier n'a \xE9t\xE9 \xE9\x63rit"), std::string::npos)
        << shownMessages[1];
    std::string none;
    EXPECT_FALSE(ReadFileForTest(folder + "\\absent\\quiz.exe.part", &none));
}

TEST_F(StudioWindowTest, AJorvoProgramOpensUnpackedIntoTheChosenFolder) {
    const std::string folder = ScratchFolderForTest();
    MakeGoodQuiz(*this, folder);
    choices["build"] = folder + "\\oiseaux.exe";
    RunStudioCommand(Window(), kCommandBuild);
    studioDocument->changed = false;
    choices["folder"] = folder + "\\d\xC3\xA9paquet\xC3\xA9";
    ASSERT_TRUE(OpenStudioFile(Window(), folder + "\\oiseaux.exe"));
    EXPECT_EQ(studioDocument->path, folder + "\\d\xC3\xA9paquet\xC3\xA9/oiseaux.quiz");
    EXPECT_EQ(Text(kTitleEdit), "Oiseaux de nuit");
    ASSERT_EQ(Rows(kQuestionList), 2);
    EXPECT_EQ(Cell(kQuestionList, 1, 4), "q2.png");
    EXPECT_FALSE(HasStudioErrors(*studioProblems)); // its pictures were written beside it
}

BOOL CALLBACK FindPlayer(HWND window, LPARAM found) {
    char name[16] = "";
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != GetCurrentProcessId() && GetClassNameA(window, name, sizeof name) &&
        !lstrcmpA(name, "Jorvo")) {
        *reinterpret_cast<DWORD*>(found) = owner;
        return FALSE;
    }
    return TRUE;
}

TEST_F(StudioWindowTest, TryingTheQuizStartsItInAFolderOfItsOwn) {
    const std::string folder = ScratchFolderForTest();
    MakeGoodQuiz(*this, folder);
    choices["save"] = folder + "\\oiseaux.quiz";
    RunStudioCommand(Window(), kCommandSave);
    RunStudioCommand(Window(), kCommandTryQuiz);
    EXPECT_TRUE(shownMessages.empty()) << shownMessages[0];
    DWORD player = 0;
    const DWORD until = GetTickCount() + 30000;
    while (!player && GetTickCount() < until) {
        EnumWindows(FindPlayer, reinterpret_cast<LPARAM>(&player));
        Sleep(100);
    }
    ASSERT_NE(player, 0u);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, player);
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
    // Nothing of the try lands beside the author's source.
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((WidePath(folder) + L"\\*.exe").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

} // namespace
