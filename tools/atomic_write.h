// A whole file written under a temporary name and renamed into place, so a failure never leaves half a
// file where the result belongs.
#pragma once

#include <string>

#include "quizdata/quiz_coding.h"

bool WriteFileAtomically(const std::string& path, const ByteVector& bytes);
