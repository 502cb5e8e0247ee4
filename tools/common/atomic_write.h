// A whole file written under a temporary name and renamed into place, so a failure never leaves half a
// file where the result belongs.
#pragma once

#include <string>

#include "quizdata/byte_vector.h"

bool WriteFileAtomically(const std::string& path, const ByteVector& bytes);

// The folder of the running program (without the trailing slash); empty when it cannot be told.
std::string ProgramDirectory();
