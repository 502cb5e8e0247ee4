// The program's built-in block: linkText and footerText, LZW-coded at build time.
#pragma once

#include <cstdint>

constexpr int kBuiltInBlockSize = 70;
extern const uint8_t kBuiltInBlock[kBuiltInBlockSize];
