// A GDI port for native tests: hands out made-up handles and records every creation and deletion.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct GdiEvent {
    enum Kind { kBrush, kFont, kDelete } kind;
    void* handle;
    uint32_t rgb;     // brushes
    int32_t height;   // fonts
    int32_t weight;   // fonts
    bool italic;      // fonts
    std::string face; // fonts
};

extern std::vector<GdiEvent> gdiEvents;

// Handles created and not yet deleted.
std::vector<void*> LiveGdiObjects();
