// The text of a file to import, whatever a spreadsheet program or a learning platform saved it as:
// UTF-8 with or without its byte-order mark, UTF-16 with its mark ("Unicode text"), or Windows-1252.
#pragma once

#include <string>

enum class TextEncoding { Utf8, Utf8WithMark, Utf16, Cp1252 };

// `bytes` as UTF-8, without a byte-order mark. Text that is well-formed UTF-8 is taken as UTF-8; any other
// is Windows-1252, which a French text with accents never forms as UTF-8 by chance (an accented letter is
// a lead byte, and the bytes that would have to follow it are symbols, not letters). False with *error
// for UTF-16 that does not decode, or NUL bytes in a one-byte text (a binary file).
bool DecodeImportedText(const std::string& bytes, std::string* utf8, TextEncoding* encoding,
                        std::string* error);

// "UTF-8", "UTF-8 with BOM", "UTF-16", "Windows-1252".
const char* DescribeTextEncoding(TextEncoding encoding);
