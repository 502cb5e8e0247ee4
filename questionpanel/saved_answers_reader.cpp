#include "questionpanel/saved_answers_reader.h"

#include "header/answers_file.h"

void OpenSavedAnswers(SavedAnswers* saved) {
    *saved = SavedAnswers{INVALID_HANDLE_VALUE, nullptr, nullptr, 0};
    char name[MAX_PATH];
    if (!ProgramAnswersFileName(name, sizeof name)) return;

    // The bare name: the file lives in the current directory, where the save writes it.
    saved->file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (saved->file == INVALID_HANDLE_VALUE) return;
    DWORD high = 0;
    const DWORD low = GetFileSize(saved->file, &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return;
    if (low == 0 && high == 0) return; // an empty file cannot be mapped, and holds nothing anyway
    saved->mapping = CreateFileMappingA(saved->file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!saved->mapping) return;
    saved->bytes = static_cast<const char*>(MapViewOfFile(saved->mapping, FILE_MAP_READ, 0, 0, 0));
    if (!saved->bytes) return;
    // Only the first 2 GB are read: far more than 192 lines of 55 characters.
    saved->size = high != 0 || low > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<int32_t>(low);
}

void CloseSavedAnswers(SavedAnswers* saved) {
    if (saved->bytes) UnmapViewOfFile(saved->bytes);
    if (saved->mapping) CloseHandle(saved->mapping);
    if (saved->file != INVALID_HANDLE_VALUE) CloseHandle(saved->file);
    *saved = SavedAnswers{INVALID_HANDLE_VALUE, nullptr, nullptr, 0};
}
