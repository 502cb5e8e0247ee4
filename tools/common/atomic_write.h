// A whole file written under a temporary name and renamed into place, so a failure never leaves half a
// file where the result belongs.
#pragma once

#include <string>

#include "quizdata/byte_vector.h"

bool WriteFileAtomically(const std::string& path, const ByteVector& bytes);
