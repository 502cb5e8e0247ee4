// Conversions between UTF-8 (what authors and terminals use) and Windows-1252 (what the player shows).
#pragma once

#include <cstdint>
#include <string>

// Converts UTF-8 to Windows-1252. On invalid UTF-8, or a character that Windows-1252 cannot hold, answers
// false and describes the problem in *error (e.g. "U+20AC" is fine, "U+4E2D '中' has no Windows-1252 code").
bool Utf8ToCp1252(const std::string& utf8, std::string* cp1252, std::string* error);

// Converts Windows-1252 to UTF-8; every byte has a meaning (the five unassigned ones map to C1 controls).
std::string Cp1252ToUtf8(const std::string& cp1252);

// Offset of the first byte that does not start a well-formed UTF-8 sequence, or std::string::npos.
size_t FindInvalidUtf8(const std::string& text);

// Appends the UTF-8 bytes of one code point (below U+110000).
void AppendUtf8(std::string* out, uint32_t codePoint);
