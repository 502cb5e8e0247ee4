// Whole-file reads and writes for the authoring tool.
#pragma once

#include <string>

#include "quizdata/byte_vector.h"

bool ReadFileBytes(const std::string& path, ByteVector* bytes);
bool WriteFileBytes(const std::string& path, const ByteVector& bytes);
bool WriteFileText(const std::string& path, const std::string& text);
