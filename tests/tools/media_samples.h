// The smallest files of each media format the authoring tool tells apart, for its tests.
#pragma once

#include <cstdint>

#include "quizdata/quiz_coding.h"

ByteVector TinyPng();                                                    // 2 x 2 grey
ByteVector TinyJpeg(uint8_t frameMarker = 0xC0, uint8_t components = 3); // headers only, 16 x 16
ByteVector TinyGif();
ByteVector TinyBmp(); // 1 x 1, 24 bits

// Headers as each format starts: enough for the tool, which never plays them.
ByteVector SoundOrFilm(
    const char* format); // "WAV", "MP3", "MP3frame", "MIDI", "WMA", "WMV", "AVI", "MPEG", "MP4", "Ogg"
