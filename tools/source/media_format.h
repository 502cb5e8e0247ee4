// What a media file holds, told from its first bytes (bounds-checked): the authoring tool checks that
// every file a quiz names suits the quiz's kind before anything is written.
#pragma once

#include <string>

#include "quizdata/byte_vector.h"

enum class MediaKind { Unknown, Picture, Sound, Film };

struct MediaFormat {
    MediaKind kind = MediaKind::Unknown;
    const char* name = "";      // "PNG", "JPEG", "WAV", "WMV", ...
    const char* extension = ""; // for sounds and films, the file extension Windows Media Player expects
};

MediaFormat SniffMediaFormat(const ByteVector& bytes);

// "a picture", "a sound", "a film" or "not a picture, sound or film the player knows".
std::string DescribeMediaKind(MediaKind kind);
