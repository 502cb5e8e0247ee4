#include "media/media_sniffing.h"

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

namespace {

// Appends `text` at path[*length]; false when it would not fit with the terminator.
bool Append(char* path, size_t pathSize, size_t* length, const char* text) {
    for (; *text; ++text) {
        if (*length + 1 >= pathSize) return false;
        path[(*length)++] = *text;
    }
    path[*length] = '\0';
    return true;
}

} // namespace

// "%sjorvo%d.%s", written by hand: the player carries no printf.
int FormatMediaPath(char* path, size_t pathSize, const char* directory, int id, const char* extension) {
    if (!path || pathSize == 0) return 0;
    char number[12];
    char* digits = number + sizeof number;
    *--digits = '\0';
    unsigned magnitude = id < 0 ? 0u - static_cast<unsigned>(id) : static_cast<unsigned>(id);
    do
        *--digits = static_cast<char>('0' + magnitude % 10);
    while (magnitude /= 10);
    if (id < 0) *--digits = '-';
    size_t length = 0;
    path[0] = '\0';
    if (Append(path, pathSize, &length, directory ? directory : "") &&
        Append(path, pathSize, &length, "jorvo") && Append(path, pathSize, &length, digits) &&
        Append(path, pathSize, &length, ".") && Append(path, pathSize, &length, extension ? extension : ""))
        return 1;
    path[0] = '\0';
    return 0;
}
