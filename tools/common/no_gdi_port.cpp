// The document's GDI objects for the authoring tool built natively, which draws nothing: the quiz is
// loaded to be judged, never shown.
#include "quizdata/gdi_port.h"

BrushHandle PortCreateSolidBrush(uint32_t) {
    return nullptr;
}

FontHandle PortCreateFont(const FontDescription&) {
    return nullptr;
}

void PortDeleteObject(void*) {}
