#include "header/save_answers.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "header/answers_file.h"

namespace {

constexpr int kFirstAnswerFieldId = 4000;

// Writes `bytes` to a file beside `name` and moves it over `name`; on any failure the old file stays
// as it was and the partial new one is removed.
void ReplaceFileContent(const std::string& name, const std::string& bytes) {
    std::string partial = name + ".new";
    HANDLE file = CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    BOOL complete = bytes.empty() ||
                    (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                     written == bytes.size());
    complete = CloseHandle(file) && complete;
    if (!complete ||
        !MoveFileExA(partial.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        DeleteFileA(partial.c_str());
}

} // namespace

void SaveAnswers(QuizDocument* document) {
    // Without the panel there are no fields: writing would replace the saved answers with empty lines.
    if (!document || !IsWindow(document->questionPanel)) return;
    char modulePath[1024];
    DWORD length = GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
    if (length == 0 || length >= sizeof modulePath) return; // a cut path would name the wrong file
    std::string name = AnswersFileName(std::string(modulePath, length));
    if (name.empty()) return;

    // The panel never builds more than 96 questions of at most two fields.
    int fieldCount = std::clamp(document->questionCount, 0, kMaxQuestions) *
                     std::clamp(document->answersPerQuestion, 0, 2);
    std::vector<std::string> texts;
    texts.reserve(fieldCount);
    for (int field = 1; field <= fieldCount; ++field) {
        char text[kTextSize] = "";
        HWND edit = GetDlgItem(document->questionPanel, kFirstAnswerFieldId + field);
        int textLength = edit ? GetWindowTextA(edit, text, sizeof text) : 0;
        texts.emplace_back(text, std::max(textLength, 0));
    }
    ReplaceFileContent(name, AnswersFileBytes(texts));
}
