#include "tools/common/console.h"

#ifdef _WIN32
#include <windows.h>
#include <conio.h>

#include "tools/common/file_access.h"
#endif

void PrintText(FILE* stream, const std::string& utf8) {
#ifdef _WIN32
    HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode;
    const std::wstring wide = WidePath(utf8); // empty for bytes that are not UTF-8: written as they are
    if (!wide.empty() && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        std::fflush(stream); // what went through the C library comes first
        // A console takes "\n" as a line end only in the C library's text mode: write "\r\n".
        std::wstring lines;
        for (wchar_t c : wide) {
            if (c == L'\n') lines += L'\r';
            lines += c;
        }
        DWORD written;
        if (WriteConsoleW(handle, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr)) return;
    }
#endif
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

void PrintLine(FILE* stream, const std::string& utf8) {
    PrintText(stream, utf8 + "\n");
}

bool ConsoleIsOwn() {
#ifdef _WIN32
    DWORD processes[2];
    return GetConsoleProcessList(processes, 2) == 1;
#else
    return false;
#endif
}

void WaitForKey(const std::string& prompt) {
    PrintText(stdout, prompt);
    std::fflush(stdout);
#ifdef _WIN32
    _getwch();
#else
    std::getchar();
#endif
}
