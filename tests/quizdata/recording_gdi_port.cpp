#include "tests/quizdata/recording_gdi_port.h"

#include <algorithm>
#include <cstdint>

#include "quizdata/gdi_port.h"

std::vector<GdiEvent> gdiEvents;

namespace {

uintptr_t nextHandle = 0x1000;

void* NewHandle() {
    nextHandle += 0x10;
    return reinterpret_cast<void*>(nextHandle);
}

} // namespace

BrushHandle PortCreateSolidBrush(uint32_t rgb) {
    void* handle = NewHandle();
    gdiEvents.push_back({GdiEvent::kBrush, handle, rgb, 0, 0, false, ""});
    return static_cast<BrushHandle>(handle);
}

FontHandle PortCreateFont(const FontDescription& description) {
    void* handle = NewHandle();
    gdiEvents.push_back({GdiEvent::kFont, handle, 0, description.height, description.weight,
                         description.italic, description.face ? description.face : ""});
    return static_cast<FontHandle>(handle);
}

void PortDeleteObject(void* object) {
    gdiEvents.push_back({GdiEvent::kDelete, object, 0, 0, 0, false, ""});
}

std::vector<void*> LiveGdiObjects() {
    std::vector<void*> live;
    for (const GdiEvent& event : gdiEvents) {
        if (event.kind != GdiEvent::kDelete) {
            live.push_back(event.handle);
        } else {
            auto found = std::find(live.begin(), live.end(), event.handle);
            if (found != live.end()) live.erase(found);
        }
    }
    return live;
}
