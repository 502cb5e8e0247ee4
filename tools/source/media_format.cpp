#include "tools/source/media_format.h"

#include "tools/common/messages.h"

#include <cstring>

namespace {

bool StartsWith(const ByteVector& bytes, size_t at, const void* text, size_t size) {
    return bytes.size() >= at + size && std::memcmp(bytes.data() + at, text, size) == 0;
}

bool Holds(const ByteVector& bytes, size_t limit, const void* text, size_t size) {
    const size_t end = bytes.size() < limit ? bytes.size() : limit;
    for (size_t at = 0; at + size <= end; ++at)
        if (std::memcmp(bytes.data() + at, text, size) == 0) return true;
    return false;
}

// The ASF header object's GUID, and the stream type GUID of a video stream inside the header.
const uint8_t kAsfHeader[16] = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
const uint8_t kAsfVideoStream[16] = {0xC0, 0xEF, 0x19, 0xBC, 0x4D, 0x5B, 0xCF, 0x11,
                                     0xA8, 0xFD, 0x00, 0x80, 0x5F, 0x5C, 0x44, 0x2B};
const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

MediaFormat Format(MediaKind kind, const char* name, const char* extension = "") {
    MediaFormat format;
    format.kind = kind;
    format.name = name;
    format.extension = extension;
    return format;
}

} // namespace

MediaFormat SniffMediaFormat(const ByteVector& b) {
    if (StartsWith(b, 0, kPngSignature, 8)) return Format(MediaKind::Picture, "PNG");
    if (StartsWith(b, 0, "\xFF\xD8\xFF", 3)) return Format(MediaKind::Picture, "JPEG");
    if (StartsWith(b, 0, "GIF87a", 6) || StartsWith(b, 0, "GIF89a", 6))
        return Format(MediaKind::Picture, "GIF");
    if (StartsWith(b, 0, "BM", 2) && b.size() >= 26) return Format(MediaKind::Picture, "BMP");
    // Sounds and films: the extension is the one Windows Media Player plays the format under (WMA is
    // ASF, as WMV is).
    if (StartsWith(b, 0, "RIFF", 4) && StartsWith(b, 8, "WAVE", 4))
        return Format(MediaKind::Sound, "WAV", "WAV");
    if (StartsWith(b, 0, "RIFF", 4) && StartsWith(b, 8, "AVI ", 4))
        return Format(MediaKind::Film, "AVI", "AVI");
    if (StartsWith(b, 0, "ID3", 3)) return Format(MediaKind::Sound, "MP3", "MP3");
    if (b.size() >= 4 && b[0] == 0xFF && (b[1] & 0xE0) == 0xE0 && (b[1] & 0x06) != 0)
        return Format(MediaKind::Sound, "MP3", "MP3"); // an MPEG audio frame: sync bits and a layer
    if (StartsWith(b, 0, "MThd", 4)) return Format(MediaKind::Sound, "MIDI", "MID");
    if (StartsWith(b, 0, kAsfHeader, 16)) {
        // The header object holds one stream properties object per stream; a video one makes it a film.
        const bool video = Holds(b, 64 * 1024, kAsfVideoStream, 16);
        return video ? Format(MediaKind::Film, "WMV", "WMV") : Format(MediaKind::Sound, "WMA", "WMV");
    }
    if (StartsWith(b, 0, "OggS", 4))
        return Format(Holds(b, 4096, "\x80theora", 7) ? MediaKind::Film : MediaKind::Sound, "Ogg", "OGG");
    if (StartsWith(b, 0, "\x00\x00\x01\xBA", 4) || StartsWith(b, 0, "\x00\x00\x01\xB3", 4))
        return Format(MediaKind::Film, "MPEG", "MPG");
    if (StartsWith(b, 4, "ftyp", 4))
        return StartsWith(b, 8, "M4A ", 4) ? Format(MediaKind::Sound, "M4A", "M4A")
                                           : Format(MediaKind::Film, "MP4", "MP4");
    return MediaFormat();
}

std::string DescribeMediaKind(MediaKind kind) {
    switch (kind) {
    case MediaKind::Picture: return Say(Msg::APicture);
    case MediaKind::Sound: return Say(Msg::ASound);
    case MediaKind::Film: return Say(Msg::AFilm);
    default: return Say(Msg::NoKnownMedia);
    }
}
