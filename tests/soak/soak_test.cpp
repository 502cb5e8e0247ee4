// A picture quiz with reward pictures played for a long time on the real shell: verdict changes that
// swap the frames' bitmaps, "Cacher" ticked and cleared, saves. Each load runs after a warm-up and must
// leave GDI objects, USER objects (or, where those cannot be read, the windows) and private bytes
// within a small fixed allowance. JORVO_SOAK=long runs the full counts; the default runs a tenth.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "header/header_ids.h"
#include "header/save_answers.h"
#include "judging/answer_judge.h"
#include "process_figures.h"
#include "questionpanel/panel_ids.h"
#include "shell/shell_state.h"
#include "shell/startup.h"
#include "shell_fixture.h"
#include "shell_test_support.h"

namespace {

constexpr int kQuestions = 3;
const char* const kAnswers[kQuestions] = {"Paris", "Rome", "Oslo"};

// Settled after the warm-up, a run leaks nothing; the allowance absorbs the heap's own rounding. One
// leaked 300 x 150 reward bitmap per found question would exceed it within the short run.
constexpr int kGdiAllowance = 3;
constexpr int kUserAllowance = 3;
constexpr SIZE_T kPrivateBytesAllowance = 1 << 20;
constexpr int kWarmUpRounds = 30;

struct Counts {
    int verdicts, cacherRounds, saves;
};

Counts SoakCounts() {
    const char* soak = std::getenv("JORVO_SOAK");
    if (soak && std::strcmp(soak, "long") == 0) return {10000, 1000, 1000};
    return {1000, 100, 100};
}

std::string Text(HWND window, int id) {
    char text[260] = "";
    GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

HBITMAP FramePicture(int question) {
    return reinterpret_cast<HBITMAP>(SendDlgItemMessageA(questionPanelWindow, kPictureFrameBase + question,
                                                         STM_GETIMAGE, IMAGE_BITMAP, 0));
}

class SoakTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!EnsureMainWindowClass()) return;
        DeleteFileA(OwnAnswersFileName().c_str());
        windowBrush = CreateSolidBrush(kWindowColour);
        quizDocument = new QuizDocument;
        lstrcpyA(quizDocument->title, "Soak");
        quizDocument->quizKind = kQuizPictures;
        quizDocument->revealMode = 3; // reveal text and reward picture
        quizDocument->answersPerQuestion = 1;
        quizDocument->questionCount = kQuestions;
        for (const char* answer : kAnswers)
            quizDocument->addQuestion(answer, "", "?");
        mainWindow = CreateMainWindow(GetModuleHandleA(nullptr), quizDocument->title);
        if (!mainWindow) return;
        CreatePanels(GetModuleHandleA(nullptr), mainWindow);
        ShowShell(mainWindow);
        DrainMessages();
    }
    static void TearDownTestSuite() {
        TearDownShell(mainWindow, nullptr);
        DrainMessages();
        headerPanelWindow = nullptr;
        questionPanelWindow = nullptr;
        DeleteFileA(OwnAnswersFileName().c_str());
    }
    void SetUp() override {
        ASSERT_NE(mainWindow, nullptr);
        ASSERT_NE(GetDlgItem(headerPanelWindow, kHideBoxId), nullptr) << "a picture quiz has the hide box";
        StartRecordingMessages();
    }
    void TearDown() override { EXPECT_TRUE(recordedMessages.empty()) << recordedMessages[0].text; }

    // Runs `step` for the warm-up, then `times` more between two readings, and checks the allowance.
    static void Soak(const char* what, int times, const std::function<void(int)>& step) {
        for (int i = 0; i < kWarmUpRounds; ++i)
            step(i);
        DrainMessages();
        const ProcessFigures before = ReadProcessFigures();
        for (int i = 0; i < times; ++i)
            step(kWarmUpRounds + i);
        DrainMessages();
        const ProcessFigures after = ReadProcessFigures();
        const std::string report =
            std::string(what) + " x " + std::to_string(times) + ": " + DescribeChange(before, after);
        std::printf("[  FIGURES ] %s\n", report.c_str());
        testing::Test::RecordProperty(what, report);
        if (before.gdiObjects >= 0) {
            EXPECT_LE(after.gdiObjects, before.gdiObjects + kGdiAllowance) << report;
        }
        if (before.userObjects >= 0) {
            EXPECT_LE(after.userObjects, before.userObjects + kUserAllowance) << report;
        }
        EXPECT_EQ(after.threadWindows, before.threadWindows) << report;
        if (before.privateBytes > 0) {
            EXPECT_LE(after.privateBytes, before.privateBytes + kPrivateBytesAllowance) << report;
        }
    }

    // Types the right or a wrong answer into question q's field and judges it.
    static void Answer(int question, bool right) {
        SetDlgItemTextA(questionPanelWindow, kAnswerFieldBase + question,
                        right ? kAnswers[question - 1] : "zzz");
        JudgeAnswer(quizDocument, questionPanelWindow, kAnswerFieldBase + question);
    }

    static HWND mainWindow;
};

HWND SoakTest::mainWindow = nullptr;

// The readings must see a leak of the kind the soak looks for, or a pass would prove nothing.
TEST_F(SoakTest, ReadingsSeeLeakedBitmapsWindowsAndMemory) {
    const ProcessFigures before = ReadProcessFigures();
    HDC screen = GetDC(nullptr);
    HBITMAP bitmaps[kGdiAllowance + 5];
    for (HBITMAP& bitmap : bitmaps)
        bitmap = CreateCompatibleBitmap(screen, 300, 150);
    ReleaseDC(nullptr, screen);
    HWND window =
        CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    void* block = VirtualAlloc(nullptr, 2 * kPrivateBytesAllowance, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (block) std::memset(block, 1, 2 * kPrivateBytesAllowance); // Wine counts resident pages only
    const ProcessFigures after = ReadProcessFigures();
    VirtualFree(block, 0, MEM_RELEASE);
    DestroyWindow(window);
    for (HBITMAP bitmap : bitmaps)
        DeleteObject(bitmap);
    const std::string report = DescribeChange(before, after);
    std::printf("[  FIGURES ] calibration: %s\n", report.c_str());
    if (before.gdiObjects >= 0) {
        EXPECT_GE(after.gdiObjects, before.gdiObjects + kGdiAllowance + 5) << report;
    }
    if (before.userObjects >= 0) {
        EXPECT_GE(after.userObjects, before.userObjects + 1) << report; // the window
    }
    EXPECT_EQ(after.threadWindows, before.threadWindows + 1) << report;
    if (before.privateBytes > 0) {
        EXPECT_GT(after.privateBytes, before.privateBytes + kPrivateBytesAllowance) << report;
    }
}

TEST_F(SoakTest, VerdictChangesSwappingRewardPicturesLeakNothing) {
    int unchanged = 0, rewardsNotSwapped = 0, replacedStillAlive = 0;
    Soak("verdict changes", SoakCounts().verdicts, [&](int i) {
        const int question = i % kQuestions + 1;
        const bool right = (i / kQuestions) % 2 == 0;
        const std::string verdict = Text(questionPanelWindow, kVerdictLabelBase + question);
        const HBITMAP shown = FramePicture(question);
        Answer(question, right);
        unchanged += Text(questionPanelWindow, kVerdictLabelBase + question) == verdict;
        // A found question takes a fresh reward; the picture it replaces is destroyed.
        if (right) {
            rewardsNotSwapped += FramePicture(question) == shown || !FramePicture(question);
            replacedStillAlive += shown && GetObjectType(shown) != 0;
        }
    });
    EXPECT_EQ(unchanged, 0) << "every step must change the verdict";
    EXPECT_EQ(rewardsNotSwapped, 0);
    EXPECT_EQ(replacedStillAlive, 0);
}

TEST_F(SoakTest, CacherTickedAndClearedLeaksNothing) {
    for (int question = 1; question <= kQuestions; ++question)
        Answer(question, true);
    HWND hideBox = GetDlgItem(headerPanelWindow, kHideBoxId);
    int wrongState = 0;
    Soak("Cacher ticked and cleared", SoakCounts().cacherRounds, [&](int) {
        for (bool ticked : {true, false}) {
            SendMessageA(hideBox, BM_CLICK, 0, 0);
            const bool checked = SendMessageA(hideBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
            // Every question is found: ticked hides each picture, cleared shows it again.
            const bool pictureShown = IsWindowVisible(GetDlgItem(questionPanelWindow, kPictureFrameBase + 2));
            wrongState += checked != ticked || pictureShown == ticked;
        }
    });
    EXPECT_EQ(wrongState, 0);
}

TEST_F(SoakTest, SavesLeakNothingAndEachWritesTheWholeFile) {
    for (int question = 1; question <= kQuestions; ++question)
        Answer(question, true);
    const std::string name = OwnAnswersFileName();
    int wrongFiles = 0;
    Soak("saves", SoakCounts().saves, [&](int) {
        DeleteFileA(name.c_str());
        SaveAnswers(quizDocument);
        std::string bytes;
        wrongFiles +=
            !ReadWholeFile(name, &bytes) || bytes != "Paris\r\nRome\r\nOslo\r\n" || FileExists(name + ".new");
    });
    EXPECT_EQ(wrongFiles, 0);
}

} // namespace
