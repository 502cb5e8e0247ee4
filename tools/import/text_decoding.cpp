#include "tools/common/messages.h"
#include "tools/import/text_decoding.h"

#include <cstdint>

#include "tools/common/cp1252.h"

namespace {

bool DecodeUtf16(const std::string& bytes, bool littleEndian, std::string* utf8, std::string* error) {
    if (bytes.size() % 2) {
        *error = Say(Msg::ImportOddUtf16);
        return false;
    }
    const auto unitAt = [&](size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<uint32_t>(littleEndian ? a | b << 8 : b | a << 8);
    };
    utf8->clear();
    for (size_t i = 2; i < bytes.size(); i += 2) {
        uint32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const uint32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            *error = Say(Msg::ImportBrokenUtf16, {std::to_string(i)});
            return false;
        }
        AppendUtf8(utf8, unit);
    }
    return true;
}

} // namespace

bool DecodeImportedText(const std::string& bytes, std::string* utf8, TextEncoding* encoding,
                        std::string* error) {
    if (bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0) {
        *encoding = TextEncoding::Utf16;
        return DecodeUtf16(bytes, bytes[0] == '\xFF', utf8, error);
    }
    if (bytes.find('\0') != std::string::npos) {
        *error = Say(Msg::ImportNulBytes);
        return false;
    }
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        *encoding = TextEncoding::Utf8WithMark;
        *utf8 = bytes.substr(3);
        if (FindInvalidUtf8(*utf8) == std::string::npos) return true;
        // A mark followed by text that is not UTF-8: the mark lies, the bytes tell.
        *encoding = TextEncoding::Cp1252;
        *utf8 = Cp1252ToUtf8(*utf8);
        return true;
    }
    if (FindInvalidUtf8(bytes) == std::string::npos) {
        *encoding = TextEncoding::Utf8;
        *utf8 = bytes;
    } else {
        *encoding = TextEncoding::Cp1252;
        *utf8 = Cp1252ToUtf8(bytes);
    }
    return true;
}

const char* DescribeTextEncoding(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8: return "UTF-8";
    case TextEncoding::Utf8WithMark: return "UTF-8 with BOM";
    case TextEncoding::Utf16: return "UTF-16";
    default: return "Windows-1252";
    }
}
