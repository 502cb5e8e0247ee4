#include <windows.h>

#include <cstring>

#include "quizdata/gdi_port.h"

BrushHandle PortCreateSolidBrush(uint32_t rgb) {
    return CreateSolidBrush(rgb);
}

FontHandle PortCreateFont(const FontDescription& description) {
    LOGFONTA font;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = description.height;
    font.lfWeight = description.weight;
    font.lfItalic = description.italic ? 1 : 0;
    font.lfUnderline = description.underline ? 1 : 0;
    lstrcpynA(font.lfFaceName, description.face ? description.face : "", LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

void PortDeleteObject(void* object) {
    DeleteObject(static_cast<HGDIOBJ>(object));
}
