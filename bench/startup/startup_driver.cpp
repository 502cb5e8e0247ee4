// Start-up time of a Windows program, measured from outside: from CreateProcess until its main window is
// idle after its first paint (WaitForInputIdle, then a message sent to the window and answered), over
// several runs in a given folder. The program is then closed with WM_CLOSE and waited for.
// Usage: startup_driver PROGRAM RUNS FOLDER [ANSWERS_FILE]
//   ANSWERS_FILE, when given, is copied into FOLDER under the program's answers-file name before every
//   run (a restarted quiz); otherwise any answers file there is removed first (a fresh one).
// Prints each run's milliseconds, then "median M min A max B" on the last line.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Milliseconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM argument) {
    auto* search = reinterpret_cast<WindowSearch*>(argument);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || GetWindow(window, GW_OWNER)) return TRUE;
    search->found = window;
    return FALSE;
}

// "quiz.exe" -> "quiz.txt": where the player keeps its answers.
std::string AnswersFileName(const std::string& program) {
    std::string name = program.substr(program.find_last_of("\\/") + 1);
    const size_t dot = name.find_last_of('.');
    return (dot == std::string::npos ? name : name.substr(0, dot)) + ".txt";
}

// One start: milliseconds until the main window answered, or a negative value when it never did.
double StartOnce(const std::string& program, const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program + "\"";
    const double start = Milliseconds();
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
        return -1;
    double elapsed = -1;
    WindowSearch search{process.dwProcessId, nullptr};
    if (WaitForInputIdle(process.hProcess, 60000) == 0) {
        // Input idle comes once the first window's queue empties; the main window may follow a message box
        // or come a moment later: look for it until it exists, then wait for an answer from it.
        for (int tries = 0; tries < 6000 && !search.found; ++tries) {
            EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
            if (!search.found) Sleep(1);
        }
        DWORD_PTR answer = 0;
        if (search.found && SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer))
            elapsed = Milliseconds() - start;
    }
    if (search.found) PostMessageA(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_driver PROGRAM RUNS FOLDER [ANSWERS_FILE]\n");
        return 2;
    }
    const std::string program = argv[1];
    const int runs = std::max(1, std::atoi(argv[2]));
    const std::string folder = argv[3];
    const std::string answers = folder + "\\" + AnswersFileName(program);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        if (argc > 4)
            CopyFileA(argv[4], answers.c_str(), FALSE);
        else
            DeleteFileA(answers.c_str());
        const double elapsed = StartOnce(program, folder);
        if (elapsed < 0) {
            std::fprintf(stderr, "run %d: the program's window never answered\n", run + 1);
            return 1;
        }
        std::printf("%.1f\n", elapsed);
        times.push_back(elapsed);
    }
    std::sort(times.begin(), times.end());
    std::printf("median %.1f min %.1f max %.1f\n", times[times.size() / 2], times.front(), times.back());
    return 0;
}
