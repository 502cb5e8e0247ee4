#include "tools/studio/studio_files.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "tools/common/atomic_write.h"
#include "tools/common/file_bytes.h"
#include "tools/source/quiz_unpacking.h"
#include "tools/studio/studio_fields.h"
#include "tools/studio/studio_ids.h"
#include "tools/studio/studio_state.h"
#include "tools/studio/studio_text.h"

namespace {

constexpr wchar_t kQuizFilter[] = L"Quiz Jorvo (*.quiz)\0*.quiz\0Tous les fichiers\0*.*\0";
constexpr wchar_t kProgramFilter[] = L"Programme Jorvo (*.exe)\0*.exe\0";

std::string LowerExtension(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    std::string extension = path.substr(dot + 1);
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return extension;
}

// The open or save dialog; empty when the author cancels.
std::string AskForFile(HWND window, const char* purpose, bool save, const wchar_t* filter,
                       const wchar_t* extension, const std::string& suggested) {
    if (studioChoiceHook) return studioChoiceHook(purpose);
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring start = WidePath(suggested);
    if (start.size() < file.size()) std::copy(start.begin(), start.end(), file.begin());
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = extension;
    dialog.Flags =
        OFN_EXPLORER | OFN_HIDEREADONLY |
        (save ? OFN_OVERWRITEPROMPT | OFN_NOREADONLYRETURN : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    return chosen ? Utf8FromWide(file.data()) : std::string();
}

// A folder the author picks for an unpacked program; empty when cancelled.
std::string AskForFolder(HWND window, const std::string& prompt) {
    if (studioChoiceHook) return studioChoiceHook("folder");
    const std::wstring title = WideFrom1252(prompt);
    BROWSEINFOW browse{};
    browse.hwndOwner = window;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    LPITEMIDLIST chosen = SHBrowseForFolderW(&browse);
    if (!chosen) return std::string();
    wchar_t folder[MAX_PATH] = L"";
    const bool found = SHGetPathFromIDListW(chosen, folder) != FALSE;
    CoTaskMemFree(chosen);
    return found ? Utf8FromWide(folder) : std::string();
}

void ShowOpenedDocument(HWND window, StudioDocument&& document) {
    *studioDocument = std::move(document);
    mediaChecks->clear();
    ShowStudioDocument(window);
}

bool OpenSource(HWND window, const std::string& path) {
    ByteVector bytes;
    if (!ReadFileBytes(path, &bytes)) {
        StudioMessage("Impossible de lire le fichier " + PathInMessage(path) + ".", MB_ICONERROR);
        return false;
    }
    StudioDocument document;
    std::string error;
    if (!ReadStudioSource(std::string(bytes.begin(), bytes.end()), path, &document, &error)) {
        StudioMessage(PathInMessage(path) + " :\n\n" + error, MB_ICONERROR);
        return false;
    }
    ShowOpenedDocument(window, std::move(document));
    return true;
}

bool OpenProgram(HWND window, const std::string& path) {
    const std::string folder = AskForFolder(
        window, "Dans quel dossier mettre le quiz de ce programme (sa source et ses fichiers) ?");
    if (folder.empty()) return false;
    std::string quizPath, error;
    bool scrambled = false;
    std::vector<std::string> notes; // the source writer's: nothing the player showed is lost
    if (!UnpackQuizProgram(path, folder, &quizPath, &scrambled, &notes, &error)) {
        StudioMessage("Impossible d'ouvrir le programme " + PathInMessage(path) +
                          " : ce n'est pas un programme Jorvo, ou il est endommag\xE9.\n\n" +
                          Cp1252FromWide(WidePath(error)),
                      MB_ICONERROR);
        return false;
    }
    return OpenSource(window, quizPath);
}

bool WriteSource(const StudioDocument& document) {
    const std::string text = StudioSourceText(document);
    if (WriteFileAtomically(document.path, ByteVector(text.begin(), text.end()))) return true;
    StudioMessage("Impossible d'enregistrer " + PathInMessage(document.path) +
                      " : le dossier est peut-\xEAtre en lecture seule, ou le disque plein.\n\n"
                      "Rien n'est perdu : votre quiz reste ouvert. Enregistrez-le ailleurs "
                      "(Fichier, Enregistrer sous).",
                  MB_ICONERROR);
    return false;
}

const wchar_t* MediaFilter() {
    switch (studioDocument->source.content.quizKind) {
    case kQuizAudio: return L"Sons (*.wav, *.mp3, *.wma, *.mid)\0*.wav;*.mp3;*.wma;*.mid;*.midi\0Tous\0*.*\0";
    case kQuizVideo:
        return L"Films (*.wmv, *.avi, *.mpg, *.mp4)\0*.wmv;*.avi;*.mpg;*.mpeg;*.mp4\0Tous\0*.*\0";
    default: return L"Images (*.png, *.jpg, *.gif, *.bmp)\0*.png;*.jpg;*.jpeg;*.gif;*.bmp\0Tous\0*.*\0";
    }
}

// The media field under the drop point, or 0.
int FieldAt(HWND window, HDROP drop) {
    POINT point{};
    DragQueryPoint(drop, &point);
    HWND child = ChildWindowFromPointEx(window, point, CWP_SKIPINVISIBLE);
    const int id = child ? GetDlgCtrlID(child) : 0;
    return (id == kMediaEdit || id == kRewardEdit) && IsWindowEnabled(child) ? id : 0;
}

void AddDroppedMedia(HWND window, const std::vector<std::string>& files) {
    const int first = static_cast<int>(studioDocument->source.content.questions.size());
    size_t added = 0;
    while (added < files.size() && AddMediaQuestion(studioDocument, files[added]))
        ++added;
    if (added < files.size())
        StudioMessage("Le quiz a d\xE9j\xE0 96 questions, le plus qu'un quiz Jorvo peut avoir : " +
                          std::to_string(files.size() - added) +
                          " fichier(s) n'ont pas \xE9t\xE9 ajout\xE9s.",
                      MB_ICONWARNING);
    if (!added) return;
    RefreshQuestionList(window);
    SelectQuestion(window, first);
    RefreshProblems(window);
    RefreshTitleBar(window);
}

} // namespace

std::string PathInMessage(const std::string& utf8) {
    return "\xAB " + Cp1252FromWide(WidePath(utf8)) + " \xBB";
}

bool ConfirmDiscard(HWND window) {
    if (!studioDocument->changed) return true;
    const int answer = StudioMessage("Le quiz a chang\xE9 depuis son dernier enregistrement. L'enregistrer ?",
                                     MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) return false;
    return answer == IDNO || SaveQuiz(window);
}

void NewQuiz(HWND window) {
    if (!ConfirmDiscard(window)) return;
    StudioDocument document;
    NewStudioDocument(&document);
    ShowOpenedDocument(window, std::move(document));
}

void OpenQuizDialog(HWND window) {
    if (!ConfirmDiscard(window)) return;
    const std::string path = AskForFile(window, "open", false, kQuizFilter, L"quiz", "");
    if (!path.empty()) OpenSource(window, path);
}

void OpenProgramDialog(HWND window) {
    if (!ConfirmDiscard(window)) return;
    const std::string path = AskForFile(window, "program", false, kProgramFilter, L"exe", "");
    if (!path.empty()) OpenProgram(window, path);
}

bool OpenStudioFile(HWND window, const std::string& path) {
    if (!ConfirmDiscard(window)) return false;
    return LowerExtension(path) == "exe" ? OpenProgram(window, path) : OpenSource(window, path);
}

bool SaveQuiz(HWND window) {
    if (studioDocument->path.empty()) return SaveQuizAs(window);
    if (!WriteSource(*studioDocument)) return false;
    studioDocument->changed = false;
    RefreshTitleBar(window);
    return true;
}

bool SaveQuizAs(HWND window) {
    const std::string path = AskForFile(window, "save", true, kQuizFilter, L"quiz", studioDocument->path);
    if (path.empty()) return false;
    StudioDocument moved = *studioDocument;
    RebaseStudioDocument(&moved, path);
    if (!WriteSource(moved)) return false;
    moved.changed = false;
    *studioDocument = std::move(moved);
    mediaChecks->clear();
    ShowSelectedQuestion(window);
    RefreshProblems(window);
    RefreshTitleBar(window);
    return true;
}

void BrowseMediaFile(HWND window, int fieldId) {
    const std::string path = AskForFile(
        window, "media", false,
        fieldId == kRewardEdit ? L"Images\0*.png;*.jpg;*.jpeg;*.gif;*.bmp\0Tous\0*.*\0" : MediaFilter(),
        nullptr, "");
    if (path.empty()) return;
    SetControlTextUtf8(window, fieldId, MediaPathFor(studioDocument->path, path)); // EN_CHANGE takes it
    SetFocus(GetDlgItem(window, fieldId));
}

void TakeDroppedFiles(HWND window, HDROP drop) {
    std::vector<std::string> files;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::vector<wchar_t> name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size()));
        files.push_back(Utf8FromWide(name.data()));
    }
    const int field = FieldAt(window, drop);
    DragFinish(drop);
    for (const std::string& file : files) {
        const std::string extension = LowerExtension(file);
        if (extension == "quiz" || extension == "exe") {
            OpenStudioFile(window, file);
            return;
        }
    }
    if (field && files.size() == 1) {
        SetControlTextUtf8(window, field, MediaPathFor(studioDocument->path, files[0]));
        return;
    }
    AddDroppedMedia(window, files);
}
