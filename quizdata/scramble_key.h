// The XOR pass that scrambles coded pieces (and, applied again, descrambles them).
#pragma once

#include <cstddef>
#include <cstdint>

// "Données inaccessibles" in Windows-1252: 21 bytes. The loader also shows it when the quiz is missing.
extern const char kScrambleKey[];
constexpr int kScrambleKeySize = 21;

// XORs bytes[1..size-1] with the key from keyPosition on; byte 0 is never changed. keyPosition ends where
// the next piece's pass goes on.
void XorWithScrambleKey(uint8_t* bytes, size_t size, int& keyPosition);
