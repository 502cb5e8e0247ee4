#include "small_disks.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

BOOL WINAPI FailingWrite(HANDLE, LPCVOID, DWORD, LPDWORD written, LPOVERLAPPED) {
    if (written) *written = 0;
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

BOOL WINAPI ShortWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
    return WriteFile(file, data, size / 2, written, overlapped);
}

std::string SmallDiskFolder(const char* name, std::string* why) {
    const char* root = std::getenv("JORVO_SMALL_DISKS");
    if (!root) {
        *why = "JORVO_SMALL_DISKS is not set (run through ctest)";
        return "";
    }
    const std::string reason = FileBytes(std::string(root) + "/unavailable.txt");
    if (reason != "(missing)") {
        *why = reason;
        return "";
    }
    return std::string(root) + "/" + name + "/";
}

bool FillDisk(const std::string& folder) {
    HANDLE file =
        CreateFileA((folder + "filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    static const char block[4096] = {};
    DWORD written = 0;
    bool full = false;
    for (int i = 0; i < 1024 && !full; ++i) // a 64 KiB disk fills within 16 blocks
        full = !WriteFile(file, block, sizeof block, &written, nullptr) || written < sizeof block;
    // Whatever the last short write left, the disk has no whole block to spare now.
    while (WriteFile(file, block, 1, &written, nullptr) && written == 1) {
    }
    CloseHandle(file);
    return full;
}

std::string FileBytes(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    if (!file) return "(missing)";
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
