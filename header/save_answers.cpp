#include "header/save_answers.h"

#include <windows.h>

#include "header/answers_file.h"
#include "questionpanel/panel_controls.h"
#include "questionpanel/panel_ids.h"

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
    char name[MAX_PATH];
    if (!ProgramAnswersFileName(name, sizeof name)) return;

    // The panel never builds more than 96 questions of at most two fields.
    const int fieldCount =
        Clamp(document->questionCount, 0, kMaxQuestions) * Clamp(document->answersPerQuestion, 0, 2);
    // One block: every field's text, then the file's bytes built from them.
    HANDLE heap = GetProcessHeap();
    char* texts = static_cast<char*>(HeapAlloc(heap, 0, kMaxFields * kTextSize + kMaxFields * kMaxLine));
    if (!texts) return;
    char* bytes = texts + kMaxFields * kTextSize;
    const char* fieldTexts[kMaxFields];
    for (int field = 0; field < fieldCount; ++field) {
        char* text = texts + field * kTextSize;
        HWND edit = FindPanelControl(document->questionPanel, kAnswerFieldBase + field + 1);
        const int textLength = edit ? GetWindowTextA(edit, text, kTextSize) : 0;
        text[textLength > 0 ? textLength : 0] = '\0';
        fieldTexts[field] = text;
    }
    const size_t size = AnswersFileBytes(fieldTexts, fieldCount, bytes, kMaxFields * kMaxLine);
    ReplaceFileContent(name, bytes, static_cast<DWORD>(size));
    HeapFree(heap, 0, texts);
}
