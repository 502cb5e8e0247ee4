// Reads which DLLs a Windows executable imports, from its file bytes, through the same layout reader as
// `pack` (portable, bounds-checked).
#pragma once

#include <string>
#include <vector>

#include "quizdata/byte_vector.h"

// The names of the DLLs in the import and delay-import tables, as stored. False with *error on a file
// that is not a well-formed PE image.
bool ReadImportedDlls(const ByteVector& image, std::vector<std::string>* dlls, std::string* error);

// True for DLLs that every Windows installation carries (kernel32.dll, user32.dll, msvcrt.dll, ...).
bool IsWindowsSystemDll(const std::string& name);
