// Jorvo Studio on the largest quiz an author can make: 96 picture questions (the picture demo's six
// JPEG pictures made 96 distinct photos of 100 KB). Times, under Wine: jorvo-studio.exe started with the quiz
// until its list shows every question (when its path is given after the examples folder); in this process,
// opening the source and showing it (settings, list, editor, thumbnail, problems with every picture read and
// checked); one keystroke in an answer field (the problems list made again, the pictures' verdicts kept);
// the build of the program ("Cr\xE9er le programme") to the end of its write. Medians of a few rounds, in
// milliseconds.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/common/file_bytes.h"
#include "tools/studio/studio_files.h"
#include "tools/studio/studio_ids.h"
#include "tools/studio/studio_startup.h"
#include "tools/studio/studio_state.h"
#include "tools/studio/studio_text.h"
#include "tools/studio/studio_window.h"

namespace {

constexpr int kQuestions = 96;
constexpr int kRounds = 7;

double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The quiz in a folder of its own; its path, or empty.
std::string MakeQuiz(const std::string& examples) {
    wchar_t temporary[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temporary);
    const std::string folder = Utf8FromWide(temporary) + "studio-bench";
    CreateDirectoryW(WidePath(folder).c_str(), nullptr);
    // The demo's JPEG pictures, each copy made a photo's size (about 100 KB) and a file of its own by two
    // comment segments after its start marker, which the picture's readers pass over.
    static const char* const kPictures[] = {"autriche.jpg", "danemark.jpg", "irlande.jpg",
                                            "italie.jpg",   "pays-bas.jpg", "badge-france.jpg"};
    std::string quiz =
        "title: Drapeaux\nkind: pictures\nanswers: 2\nreveal-mode: 3\nlabel1: Pays\nlabel2: Capitale\n";
    for (int n = 1; n <= kQuestions; ++n) {
        const std::string name = "p" + std::to_string(n) + ".jpg";
        ByteVector bytes;
        if (!ReadFileBytes(examples + "/pictures/" + kPictures[(n - 1) % 6], &bytes) || bytes.size() < 2)
            return "";
        uint32_t state = static_cast<uint32_t>(n) * 2654435761u;
        for (int segment = 0; segment < 2; ++segment) {
            ByteVector comment = {0xFF, 0xFE, 0xC3, 0x52}; // 50002 bytes long, its length field included
            while (comment.size() < 2 + 50002) {
                state = state * 1664525u + 1013904223u;
                comment.push_back(static_cast<uint8_t>(state >> 24));
            }
            bytes.insert(bytes.begin() + 2, comment.begin(), comment.end());
        }
        if (!WriteFileBytes(folder + "/" + name, bytes)) return "";
        quiz += "question: Drapeau " + std::to_string(n) + "\n  answer: Pays " + std::to_string(n) +
                "\n  answer2: Capitale " + std::to_string(n) + "\n  reveal: Vu " + std::to_string(n) +
                "\n  picture: " + name + "\n  reward: " + name + "\n";
    }
    for (int n = 1; n <= kQuestions; ++n)
        quiz += "score: Niveau " + std::to_string(n) + "\n";
    return WriteFileText(folder + "/drapeaux.quiz", quiz) ? folder + "/drapeaux.quiz" : "";
}

// The Studio started as a program with the quiz on its command line, until its question list holds
// every question: what the author waits for after a double-click on the source. Milliseconds, or -1.
double StartAndShow(const std::string& studio, const std::string& quiz) {
    std::wstring commandLine = L"\"" + WidePath(studio) + L"\" \"" + WidePath(quiz) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = Now();
    if (!CreateProcessW(WidePath(studio).c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return -1;
    double shown = -1;
    while (shown < 0 && Now() - start < 30000 && WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT) {
        HWND window = FindWindowW(L"JorvoStudio", nullptr);
        DWORD owner = 0;
        if (window) GetWindowThreadProcessId(window, &owner);
        if (owner == process.dwProcessId && IsWindowVisible(window) &&
            SendDlgItemMessageW(window, kQuestionList, LVM_GETITEMCOUNT, 0, 0) == kQuestions)
            shown = Now() - start;
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return shown;
}

std::string buildTarget;
std::string ChooseTarget(const char*) {
    return buildTarget;
}
int AnswerNo(const std::string&, UINT) {
    return IDNO;
}

} // namespace

int main(int argc, char** argv) {
    const std::string quiz = MakeQuiz(argc > 1 ? argv[1] : "examples");
    if (quiz.empty()) {
        std::fprintf(stderr, "studio_bench: cannot make the quiz (give the examples folder)\n");
        return 1;
    }
    buildTarget = quiz.substr(0, quiz.size() - 5) + ".exe";
    StartStudio(GetModuleHandleW(nullptr));
    HWND window = OpenStudioWindow(GetModuleHandleW(nullptr), "", SW_SHOWNORMAL);
    studioMessageHook = AnswerNo;
    studioChoiceHook = ChooseTarget;
    Pump();

    std::vector<double> opens, keys, builds;
    for (int round = 0; round < kRounds; ++round) {
        studioDocument->changed = false;
        mediaChecks->clear(); // every picture read and checked again, as on a fresh start
        double start = Now();
        OpenStudioFile(window, quiz);
        UpdateWindow(window);
        Pump();
        opens.push_back(Now() - start);

        HWND answer = GetDlgItem(window, kAnswer1Edit);
        SendMessageW(answer, EM_SETSEL, 0x7FFF, 0x7FFF);
        start = Now();
        for (int key = 0; key < 10; ++key)
            SendMessageW(answer, WM_CHAR, static_cast<WPARAM>('a' + key), 1);
        keys.push_back((Now() - start) / 10);

        start = Now();
        RunStudioCommand(window, kCommandBuild);
        builds.push_back(Now() - start);
    }
    std::vector<double> starts;
    for (int round = 0; argc > 2 && round < kRounds; ++round)
        starts.push_back(StartAndShow(argv[2], quiz));
    ByteVector program;
    ReadFileBytes(buildTarget, &program);
    std::printf("96-question picture quiz, medians of %d rounds under this system:\n", kRounds);
    if (!starts.empty())
        std::printf("  start, open and show:     %7.1f ms  (jorvo-studio.exe QUIZ)\n", Median(starts));
    std::printf("  open and show:            %7.1f ms  (Fichier, Ouvrir in a running Studio)\n",
                Median(opens));
    std::printf("  one keystroke (problems): %7.1f ms  (%zu problems listed)\n", Median(keys),
                studioProblems->size());
    std::printf("  build the program:        %7.1f ms  (%zu bytes)\n", Median(builds), program.size());
    DestroyWindow(window);
    StopStudio();
    return 0;
}
