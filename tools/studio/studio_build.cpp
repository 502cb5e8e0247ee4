#include "tools/studio/studio_build.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

#include "tools/common/atomic_write.h"
#include "tools/common/file_bytes.h"
#include "tools/common/file_access.h"
#include "tools/common/messages.h"
#include "tools/common/player_template.h"
#include "tools/source/quiz_program.h"
#include "tools/source/quiz_project.h"
#include "tools/studio/studio_files.h"
#include "tools/studio/studio_fields.h"
#include "tools/studio/studio_ids.h"
#include "tools/studio/studio_state.h"
#include "tools/studio/studio_text.h"

namespace {

// False, after telling the author and taking them to the first error, while the problems list holds one.
bool NoErrorsLeft(HWND window, const char* action) {
    RefreshProblems(window);
    int errors = 0, first = -1;
    for (size_t i = 0; i < studioProblems->size(); ++i)
        if ((*studioProblems)[i].error && errors++ == 0) first = static_cast<int>(i);
    if (!errors) return true;
    StudioMessage(
        std::string(action) + " : " + std::to_string(errors) +
            (errors == 1 ? " erreur reste" : " erreurs restent") +
            " dans la liste des probl\xE8mes.\n\nCorrigez-les d'abord (Entr\xE9\x65 ou double clic sur "
            "une erreur pour y aller).",
        MB_ICONWARNING);
    HWND list = GetDlgItem(window, kProblemList);
    LVITEMW item{};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(first), reinterpret_cast<LPARAM>(&item));
    SetFocus(list);
    return false;
}

// The program's bytes for the document as it stands, made as `pack` makes them: from a copy of the
// source written beside the program, its media paths made absolute, so that an unsaved quiz builds too.
// False with a message when they cannot be made.
bool MakeProgram(const std::string& folder, bool scramble, ByteVector* program) {
    StudioDocument copy = *studioDocument;
    RebaseStudioDocument(&copy, folder + "/jorvo-studio-source.quiz");
    const std::string text = StudioSourceText(copy);
    std::vector<std::string> errors, warnings;
    QuizProject project;
    std::string error, from;
    ByteVector playerTemplate;
    bool made = WriteFileAtomically(copy.path, ByteVector(text.begin(), text.end()));
    if (!made) error = Say(Msg::CannotWrite, {copy.path});
    made = made && LoadQuizProject(copy.path, &project, &errors, &warnings);
    if (!made && error.empty() && !errors.empty()) error = errors.front();
    RemoveFile(copy.path);
    made = made && LoadPlayerTemplate("i686", &playerTemplate, &from, &error) &&
           MakeQuizProgram(playerTemplate, from, "i686", project, scramble, program, &error);
    if (made) return true;
    StudioMessage("Le programme n'a pas pu \xEAtre fait :\n\n" + Cp1252FromWide(WidePath(error)),
                  MB_ICONERROR);
    return false;
}

std::string SuggestedProgramName() {
    std::string name = studioDocument->path;
    const size_t dot = name.find_last_of('.');
    const size_t slash = name.find_last_of("/\\");
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) name.erase(dot);
    return name.empty() ? "quiz.exe" : name + ".exe";
}

std::string AskWhereToBuild(HWND window) {
    if (studioChoiceHook) return studioChoiceHook("build");
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring start = WidePath(SuggestedProgramName());
    if (start.size() < file.size()) std::copy(start.begin(), start.end(), file.begin());
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window;
    dialog.lpstrFilter = L"Programme Jorvo (*.exe)\0*.exe\0";
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = L"exe";
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOREADONLYRETURN;
    return GetSaveFileNameW(&dialog) ? Utf8FromWide(file.data()) : std::string();
}

std::string SizeText(size_t bytes) {
    if (bytes < 1024 * 1024) return std::to_string((bytes + 1023) / 1024) + " Ko";
    const size_t tenths = (bytes * 10 + 512 * 1024) / (1024 * 1024);
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " Mo";
}

// A fresh folder of its own under the temporary folder, for one try.
std::wstring FreshTryFolder() {
    wchar_t temporary[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temporary);
    std::wstring base = std::wstring(temporary) + L"Jorvo Studio";
    CreateDirectoryW(base.c_str(), nullptr);
    for (unsigned n = 1;; ++n) {
        const std::wstring folder =
            base + L"\\essai-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(n);
        if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return std::wstring();
    }
}

} // namespace

void BuildProgram(HWND window) {
    if (!NoErrorsLeft(window, "Le programme ne peut pas \xEAtre cr\xE9\xE9")) return;
    const std::string target = AskWhereToBuild(window);
    if (target.empty()) return;
    const int scramble = StudioMessage("Brouiller le quiz ?\n\nUn quiz brouill\xE9 se joue de la m\xEAme "
                                       "fa\xE7on, mais ses r\xE9ponses ne se "
                                       "lisent pas en ouvrant le programme dans un \xE9\x64iteur.",
                                       MB_YESNOCANCEL | MB_ICONQUESTION);
    if (scramble == IDCANCEL) return;
    const std::wstring folder = FreshTryFolder();
    ByteVector program;
    const bool made =
        !folder.empty() && MakeProgram(Utf8FromWide(folder.c_str()), scramble == IDYES, &program);
    RemoveDirectoryW(folder.c_str());
    if (!made) return;
    if (!WriteFileAtomically(target, program)) {
        StudioMessage(
            "Impossible d'\xE9\x63rire " + PathInMessage(target) +
                " : le dossier est peut-\xEAtre en lecture seule, ou le disque plein. Aucun fichier "
                "n'a \xE9t\xE9 \xE9\x63rit ni remplac\xE9.",
            MB_ICONERROR);
        return;
    }
    StudioMessage("Le programme est cr\xE9\xE9 : " + PathInMessage(target) + " (" + SizeText(program.size()) +
                      ", " + std::to_string(studioDocument->source.content.questions.size()) + " questions).",
                  MB_ICONINFORMATION);
}

void TryQuiz(HWND window) {
    if (!NoErrorsLeft(window, "Le quiz ne peut pas \xEAtre essay\xE9")) return;
    const std::wstring folder = FreshTryFolder();
    const std::wstring path = folder + L"\\essai.exe";
    ByteVector program;
    if (folder.empty() || !MakeProgram(Utf8FromWide(folder.c_str()), false, &program)) return;
    if (!WriteFileAtomically(Utf8FromWide(path.c_str()), program)) {
        StudioMessage("Impossible d'\xE9\x63rire le programme d'essai dans le dossier temporaire.",
                      MB_ICONERROR);
        return;
    }
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // The quiz runs in its own folder, which is its current directory: its answers file lands there.
    if (!CreateProcessW(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process)) {
        StudioMessage("Le programme d'essai n'a pas pu d\xE9marrer.", MB_ICONERROR);
        return;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
