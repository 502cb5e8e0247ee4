// Every file the authoring programs touch goes through here. Paths are UTF-8 everywhere inside; on
// Windows they are opened through the wide API, since the ANSI one loses every character outside the
// user's code page (an accented name on another system's PC, any name outside Windows-1252).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

FILE* OpenFile(const std::string& path, const char* mode);
// Replaces `to` when it exists.
bool RenameFile(const std::string& from, const std::string& to);
bool RemoveFile(const std::string& path);
// True when the folder exists afterwards (made now, with its parents, or already there).
bool MakeDirectories(const std::string& path);
bool IsRegularFile(const std::string& path);

// The running program's own file (UTF-8); empty when it cannot be told.
std::string ProgramPath();
// The folder part of a path, without the trailing separator (either slash on Windows); empty when the
// path names no folder.
std::string FolderOf(const std::string& path);

// The program's arguments after its own name, in UTF-8. On Windows they are read from the wide
// command line (the narrow `argv` has been through the ANSI code page); elsewhere they are `argv`.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

#ifdef _WIN32
std::wstring WidePath(const std::string& utf8);
std::string Utf8FromWide(const wchar_t* wide);
#endif
