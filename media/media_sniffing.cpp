#include "media/media_sniffing.h"

#include <cstdio>

namespace {

// True when byte `index` exists and equals `value`.
bool ByteIs(const uint8_t* data, size_t size, size_t index, uint8_t value) {
    return index < size && data[index] == value;
}

} // namespace

const char* SniffMediaExtension(const uint8_t* data, size_t size) {
    if (!data || size == 0) return "MP3";
    switch (data[0]) {
    case 0x00: // MPEG stream (00 00 01 ..) or an AVI without its RIFF tag
        return ByteIs(data, size, 8, 'A') || ByteIs(data, size, 8, 'W') ? "AVI" : "MPG";
    case '0': return "WMV"; // ASF header object
    case 'I': return "MP3"; // ID3 tag
    case 'M': return "MID"; // MThd
    case 'R':               // RIFF, form at byte 8
        if (ByteIs(data, size, 8, 'A')) return "AVI";
        if (ByteIs(data, size, 8, 'W')) return "WAV";
        return "MP3";
    case 0xFF: return ByteIs(data, size, 1, 0x00) ? "MPG" : "MP3";
    default: return "MP3";
    }
}

int FormatMediaPath(char* path, size_t pathSize, const char* directory, int id, const char* extension) {
    if (!path || pathSize == 0) return 0;
    int length = std::snprintf(path, pathSize, "%sjorvo%d.%s", directory ? directory : "", id,
                               extension ? extension : "");
    if (length < 0 || static_cast<size_t>(length) >= pathSize) {
        path[0] = '\0';
        return 0;
    }
    return 1;
}
