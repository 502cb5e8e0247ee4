#include "tools/common/file_access.h"

#include <sys/stat.h>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#else
#include <unistd.h>
#endif

#ifdef _WIN32

std::wstring WidePath(const std::string& utf8) {
    if (utf8.empty()) return std::wstring();
    const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                         static_cast<int>(utf8.size()), nullptr, 0);
    if (size <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), &wide[0],
                        size);
    return wide;
}

std::string Utf8FromWide(const wchar_t* wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return std::string();
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, &utf8[0], size, nullptr, nullptr);
    utf8.resize(static_cast<size_t>(size - 1));
    return utf8;
}

FILE* OpenFile(const std::string& path, const char* mode) {
    const std::wstring wide = WidePath(path);
    if (wide.empty()) return nullptr;
    return _wfopen(wide.c_str(), WidePath(mode).c_str());
}

bool RenameFile(const std::string& from, const std::string& to) {
    return MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool RemoveFile(const std::string& path) {
    return DeleteFileW(WidePath(path).c_str()) != 0;
}

bool IsRegularFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

const char kSeparators[] = "/\\";

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void MakeOneFolder(const std::string& path) {
    CreateDirectoryW(WidePath(path).c_str(), nullptr);
}

} // namespace

std::string ProgramPath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &buffer[0], static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::string();
        if (length < buffer.size()) {
            buffer.resize(length);
            return Utf8FromWide(buffer.c_str());
        }
        buffer.resize(buffer.size() * 2); // a long path was cut short: try a larger buffer
    }
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    if (!wide) {
        for (int i = 1; i < argc; ++i)
            arguments.push_back(argv[i]);
        return arguments;
    }
    for (int i = 1; i < count; ++i)
        arguments.push_back(Utf8FromWide(wide[i]));
    LocalFree(wide);
    return arguments;
}

#else

FILE* OpenFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

bool RenameFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool RemoveFile(const std::string& path) {
    return std::remove(path.c_str()) == 0;
}

bool IsRegularFile(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

namespace {

const char kSeparators[] = "/";

bool IsFolder(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

void MakeOneFolder(const std::string& path) {
    mkdir(path.c_str(), 0777);
}

} // namespace

std::string ProgramPath() {
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0), argv + argc);
}

#endif

bool MakeDirectories(const std::string& path) {
    if (path.empty()) return false;
    // Each folder from the outermost: one that exists already is no failure.
    for (size_t at = path.find_first_of(kSeparators, 1); at != std::string::npos;
         at = path.find_first_of(kSeparators, at + 1))
        if (path[at - 1] != ':' && !IsFolder(path.substr(0, at))) MakeOneFolder(path.substr(0, at));
    if (!IsFolder(path)) MakeOneFolder(path);
    return IsFolder(path);
}

std::string FolderOf(const std::string& path) {
#ifdef _WIN32
    const size_t slash = path.find_last_of("/\\");
#else
    const size_t slash = path.find_last_of('/');
#endif
    if (slash == std::string::npos) return std::string();
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}
