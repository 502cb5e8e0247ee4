#include "shell_test_support.h"

#include <cstdio>

#include "header/answers_file.h"
#include "quizdata/user_message.h"

std::vector<RecordedMessage> recordedMessages;

namespace {

void RecordMessage(const char* text, const char* caption, unsigned flags) {
    recordedMessages.push_back({text ? text : "", caption ? caption : "", flags});
}

} // namespace

void StartRecordingMessages() {
    recordedMessages.clear();
    userMessageHook = RecordMessage;
}

bool ReadWholeFile(const std::string& name, std::string* bytes) {
    FILE* file = std::fopen(name.c_str(), "rb");
    if (!file) return false;
    bytes->clear();
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes->append(chunk, got);
    std::fclose(file);
    return true;
}

bool FileExists(const std::string& name) {
    return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteWholeFileForTest(const std::string& name, const std::string& bytes) {
    FILE* file = std::fopen(name.c_str(), "wb");
    if (!file) return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

bool PumpMessagesUntil(const std::function<bool()>& done) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > 10000) return done();
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

RECT RectInParent(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string OwnAnswersFileName() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return AnswersFileName(std::string(path, length));
}
