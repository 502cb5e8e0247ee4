#include "tests/tools/media_samples.h"

#include <cstring>
#include <string>

#include "tests/png/png_builder.h"

namespace {

ByteVector Text(const char* text, size_t size) {
    return ByteVector(text, text + size);
}

void Append(ByteVector& bytes, const ByteVector& more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
}

const uint8_t kAsfHeader[16] = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
const uint8_t kAsfAudioStream[16] = {0x40, 0x9E, 0x69, 0xF8, 0x4D, 0x5B, 0xCF, 0x11,
                                     0xA8, 0xFD, 0x00, 0x80, 0x5F, 0x5C, 0x44, 0x2B};
const uint8_t kAsfVideoStream[16] = {0xC0, 0xEF, 0x19, 0xBC, 0x4D, 0x5B, 0xCF, 0x11,
                                     0xA8, 0xFD, 0x00, 0x80, 0x5F, 0x5C, 0x44, 0x2B};

} // namespace

ByteVector TinyPng() {
    return AssemblePng(HeaderData(2, 2, 8, 0), StoredZlibStream({0, 10, 20, 0, 30, 40}));
}

ByteVector TinyJpeg(uint8_t frameMarker, uint8_t components) {
    ByteVector jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0};
    const uint8_t length = static_cast<uint8_t>(8 + 3 * components);
    Append(jpeg, {0xFF, frameMarker, 0x00, length, 8, 0x00, 16, 0x00, 16, components});
    for (uint8_t c = 1; c <= components; ++c)
        Append(jpeg, {c, 0x11, 0});
    Append(jpeg, {0xFF, 0xD9});
    return jpeg;
}

ByteVector TinyGif() {
    ByteVector gif = Text("GIF89a", 6);
    Append(gif, {1, 0, 1, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3B});
    return gif;
}

ByteVector TinyBmp() {
    ByteVector bmp = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  40,
                      0,   0,   0,  1, 0, 0, 0, 1, 0, 0, 0,  1, 0, 24, 0};
    bmp.resize(54, 0);
    Append(bmp, {0, 0, 255, 0});
    return bmp;
}

ByteVector SoundOrFilm(const char* format) {
    const std::string name = format;
    ByteVector bytes;
    if (name == "WAV") bytes = Text("RIFF\x24\0\0\0WAVEfmt ", 16);
    if (name == "AVI") bytes = Text("RIFF\x24\0\0\0AVI LIST", 16);
    if (name == "MP3") bytes = Text("ID3\x04\0\0\0\0\0\0", 10);
    if (name == "MP3frame") bytes = {0xFF, 0xFB, 0x90, 0x64};
    if (name == "MIDI") bytes = Text("MThd\0\0\0\x06\0\0\0\x01", 12);
    if (name == "MPEG") bytes = {0x00, 0x00, 0x01, 0xBA, 0x44, 0, 4, 0, 4, 1};
    if (name == "MP4")
        bytes = Text("\0\0\0\x18"
                     "ftypisom",
                     12);
    if (name == "Ogg") bytes = Text("OggS\0\x02", 6);
    if (name == "WMA" || name == "WMV") {
        bytes.assign(kAsfHeader, kAsfHeader + 16);
        bytes.resize(64, 0);
        const uint8_t* stream = name == "WMV" ? kAsfVideoStream : kAsfAudioStream;
        bytes.insert(bytes.end(), stream, stream + 16);
    }
    bytes.resize(bytes.size() + 32, 0);
    return bytes;
}
