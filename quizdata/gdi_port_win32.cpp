#include <windows.h>

#include <cstring>

#include "quizdata/gdi_port.h"

BrushHandle PortCreateSolidBrush(uint32_t rgb) { return CreateSolidBrush(rgb); }

FontHandle PortCreateFont(const FontSpec& spec) {
    LOGFONTA font;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = spec.height;
    font.lfWeight = spec.weight;
    font.lfItalic = spec.italic ? 1 : 0;
    font.lfUnderline = spec.underline ? 1 : 0;
    lstrcpynA(font.lfFaceName, spec.face ? spec.face : "", LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

void PortDeleteObject(void* object) { DeleteObject(static_cast<HGDIOBJ>(object)); }
