// The smallest PE image the resource writer accepts: headers and one code section, no resources.
// Shared by the pack tests and the pack benchmark.
#pragma once

#include <cstddef>
#include <cstdint>

#include "quizdata/quiz_coding.h"

// A PE32 (i686) or PE32+ (x86_64) image with one code section and room for more sections.
ByteVector MakeBareImage(bool pe32Plus);

uint32_t ReadU32(const ByteVector& bytes, size_t at);
void WriteU32(ByteVector& bytes, size_t at, uint32_t value);
