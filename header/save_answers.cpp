#include "header/save_answers.h"

#include <windows.h>

#include "header/answers_file.h"
#include "questionpanel/panel_controls.h"

SaveWriteFileProc saveWriteFile = WriteFile;

namespace {

constexpr int kMaxFields = kMaxQuestions * 2;
constexpr int kMaxLine = kTextSize + 2; // a field's text and CR LF

int Clamp(int value, int low, int high) {
    return value < low ? low : value > high ? high : value;
}

// Writes `bytes` to a file beside `name`, makes sure they reach the disk, then moves the file over
// `name`. On any failure the old file stays byte for byte as it was and the partial one is removed.
void ReplaceFileContent(const char* name, const char* bytes, DWORD size) {
    // A read-only answers file is kept, as writing it in place would be refused. Windows' move refuses
    // to replace it as well, but Wine's does not: ask first. A folder of that name cannot be replaced.
    const DWORD attributes = GetFileAttributesA(name);
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return;
    char partial[MAX_PATH + 8];
    if (lstrlenA(name) + 5 > static_cast<int>(sizeof partial)) return;
    lstrcpyA(partial, name);
    lstrcatA(partial, ".new");
    HANDLE file =
        CreateFileA(partial, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    BOOL complete = size == 0 || (saveWriteFile(file, bytes, size, &written, nullptr) && written == size);
    // Without the flush a power cut after the move could leave an empty or short file under the name.
    complete = complete && FlushFileBuffers(file);
    complete = CloseHandle(file) && complete;
    if (!complete || !MoveFileExA(partial, name, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        DeleteFileA(partial);
}

} // namespace

void SaveAnswers(QuizDocument* document) {
    // Without the panel there are no fields: writing would replace the saved answers with empty lines.
    if (!document || !IsWindow(document->questionPanel)) return;
    char modulePath[1024];
    DWORD length = GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
    if (length == 0 || length >= sizeof modulePath) return; // a cut path would name the wrong file
    char name[MAX_PATH];
    if (!AnswersFileName(modulePath, name, sizeof name)) return;

    // The panel never builds more than 96 questions of at most two fields.
    const int fieldCount =
        Clamp(document->questionCount, 0, kMaxQuestions) * Clamp(document->answersPerQuestion, 0, 2);
    HANDLE heap = GetProcessHeap();
    char* bytes = static_cast<char*>(HeapAlloc(heap, 0, kMaxFields * kMaxLine));
    if (!bytes) return;
    DWORD size = 0;
    for (int field = 1; field <= fieldCount; ++field) {
        HWND edit = FindPanelControl(document->questionPanel, kAnswerFieldBase + field);
        int textLength = edit ? GetWindowTextA(edit, bytes + size, kTextSize) : 0;
        size += textLength > 0 ? textLength : 0;
        bytes[size++] = '\r';
        bytes[size++] = '\n';
    }
    ReplaceFileContent(name, bytes, size);
    HeapFree(heap, 0, bytes);
}
