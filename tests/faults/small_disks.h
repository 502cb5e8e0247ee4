// Write failures for the fault tests: an injected one (the players' write seams), and real small
// folders made by small_disks.sh: "full" (a 64 KiB tmpfs, filled by FillDisk) and "readonly" (a tmpfs
// mounted read-only, holding an answers file that reads "previous" CR LF).
#pragma once

#include <windows.h>

#include <string>

// Fails like a full disk: nothing written, ERROR_DISK_FULL.
BOOL WINAPI FailingWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped);
// Writes the first half and reports success with the short count, as a disk filling up mid-write does.
BOOL WINAPI ShortWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped);

// "Z:/.../small_disks/<name>/", or empty with `why` set when the folders could not be made here.
std::string SmallDiskFolder(const char* name, std::string* why);

// Fills the folder's disk with a file named "filler" until a write fails; answers whether it did.
bool FillDisk(const std::string& folder);

// The file's bytes, or "(missing)".
std::string FileBytes(const std::string& name);
