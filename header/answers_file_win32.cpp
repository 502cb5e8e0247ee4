#include <windows.h>

#include "header/answers_file.h"

bool ProgramAnswersFileName(char* name, size_t size) {
    if (size > 0) name[0] = '\0';
    char modulePath[1024];
    const DWORD length = GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
    if (length == 0 || length >= sizeof modulePath) return false;
    return AnswersFileName(modulePath, name, size);
}
