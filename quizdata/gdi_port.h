// The GDI objects the document creates and deletes. Windows builds link gdi_port_win32.cpp; native
// tests link a recorder of their own, so the document's lifecycle can be checked without a display.
#pragma once

#include <cstdint>

#include "quizdata/quiz_document.h"

struct FontDescription {
    int32_t height;
    int32_t weight;
    bool italic;
    bool underline;
    const char* face; // empty: the system chooses the face
};

BrushHandle PortCreateSolidBrush(uint32_t rgb);
FontHandle PortCreateFont(const FontDescription& description);
void PortDeleteObject(void* object); // null is passed on like any other handle
