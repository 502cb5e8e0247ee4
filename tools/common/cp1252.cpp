#include "tools/common/cp1252.h"

#include <cstdint>
#include <cstdio>

#include "tools/common/messages.h"

namespace {

// Code points of bytes 0x80..0x9F; the unassigned bytes keep their own value, as Windows converts them.
const uint16_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

uint32_t CodePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

bool ByteOf(uint32_t codePoint, unsigned char* byte) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        *byte = static_cast<unsigned char>(codePoint);
        return true;
    }
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == codePoint) {
            *byte = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    return false;
}

// Decodes one UTF-8 sequence at text[*pos]; false on a malformed, overlong or surrogate sequence.
bool NextCodePoint(const std::string& text, size_t* pos, uint32_t* codePoint) {
    const auto lead = static_cast<unsigned char>(text[*pos]);
    int extra;
    uint32_t value, minimum;
    if (lead < 0x80) {
        extra = 0, value = lead, minimum = 0;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, value = lead & 0x07, minimum = 0x10000;
    } else {
        return false;
    }
    if (text.size() - *pos <= static_cast<size_t>(extra)) return false;
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[*pos + i]);
        if ((next & 0xC0) != 0x80) return false;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    *pos += extra + 1;
    *codePoint = value;
    return true;
}

} // namespace

void AppendUtf8(std::string* out, uint32_t codePoint) {
    if (codePoint < 0x80) {
        out->push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out->push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out->push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out->push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out->push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out->push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out->push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

size_t FindInvalidUtf8(const std::string& text) {
    size_t pos = 0;
    uint32_t codePoint;
    while (pos < text.size())
        if (!NextCodePoint(text, &pos, &codePoint)) return pos;
    return std::string::npos;
}

bool Utf8ToCp1252(const std::string& utf8, std::string* cp1252, std::string* error) {
    cp1252->clear();
    size_t pos = 0;
    while (pos < utf8.size()) {
        const size_t start = pos;
        uint32_t codePoint;
        if (!NextCodePoint(utf8, &pos, &codePoint)) {
            *error = Say(Msg::InvalidUtf8At, {std::to_string(start)});
            return false;
        }
        unsigned char byte;
        if (!ByteOf(codePoint, &byte)) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(codePoint));
            *error = Say(Msg::NoCp1252Code, {code, utf8.substr(start, pos - start)});
            return false;
        }
        cp1252->push_back(static_cast<char>(byte));
    }
    return true;
}

std::string Cp1252ToUtf8(const std::string& cp1252) {
    std::string out;
    out.reserve(cp1252.size() * 2);
    for (char c : cp1252)
        AppendUtf8(&out, CodePointOf(static_cast<unsigned char>(c)));
    return out;
}
