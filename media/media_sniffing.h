// Portable half of media extraction: the extension a sound or film gets from its first bytes, and the
// name of the file it is written to.
#pragma once

#include <cstddef>
#include <cstdint>

// "AVI", "MPG", "WMV", "MP3", "MID" or "WAV", chosen from bytes 0, 1 and 8 of the data. Bytes at or
// beyond `size` are never read: a test of a missing byte fails, so a short item takes the fallback of
// its first byte's row (and an empty one is called MP3, like anything unrecognised).
const char* SniffMediaExtension(const uint8_t* data, size_t size);

// Writes "<directory>jorvo<id>.<extension>" into `path`. Answers 1, or 0 with `path` empty when the
// name does not fit in pathSize bytes (a long directory must not run past the buffer).
int FormatMediaPath(char* path, size_t pathSize, const char* directory, int id, const char* extension);
