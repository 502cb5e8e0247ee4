// Jorvo Studio on the largest quiz an author can make: 96 picture questions (the picture demo's ten
// pictures, copied under 96 names). Times, under Wine, in this process: opening the source and showing it
// (settings, list, editor, thumbnail, problems with every picture read and checked); one keystroke in an
// answer field (the problems list made again, the pictures' verdicts kept); "Créer le programme" to the
// end of its write. Medians of a few rounds, in milliseconds.
#include <windows.h>

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
    static const char* const kPictures[] = {"allemagne.png", "autriche.jpg", "danemark.jpg", "france.png",
                                            "irlande.jpg",   "italie.jpg",   "japon.png",    "pays-bas.jpg",
                                            "suede.png",     "suisse.png"};
    std::string quiz =
        "title: Drapeaux\nkind: pictures\nanswers: 2\nreveal-mode: 3\nlabel1: Pays\nlabel2: Capitale\n";
    for (int n = 1; n <= kQuestions; ++n) {
        const std::string source = kPictures[(n - 1) % 10];
        const std::string name = "p" + std::to_string(n) + source.substr(source.find('.'));
        ByteVector bytes;
        if (!ReadFileBytes(examples + "/pictures/" + source, &bytes) ||
            !WriteFileBytes(folder + "/" + name, bytes))
            return "";
        quiz += "question: Drapeau " + std::to_string(n) + "\n  answer: Pays " + std::to_string(n) +
                "\n  answer2: Capitale " + std::to_string(n) + "\n  reveal: Vu " + std::to_string(n) +
                "\n  picture: " + name + "\n  reward: " + name + "\n";
    }
    for (int n = 1; n <= kQuestions; ++n)
        quiz += "score: Niveau " + std::to_string(n) + "\n";
    return WriteFileText(folder + "/drapeaux.quiz", quiz) ? folder + "/drapeaux.quiz" : "";
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
    ByteVector program;
    ReadFileBytes(buildTarget, &program);
    std::printf("96-question picture quiz, medians of %d rounds under this system:\n", kRounds);
    std::printf("  open and show:            %7.1f ms\n", Median(opens));
    std::printf("  one keystroke (problems): %7.1f ms  (%zu problems listed)\n", Median(keys),
                studioProblems->size());
    std::printf("  build the program:        %7.1f ms  (%zu bytes)\n", Median(builds), program.size());
    DestroyWindow(window);
    StopStudio();
    return 0;
}
