#include "tools/pe/pe_imports.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace {

struct Section {
    uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
};

struct Reader {
    const ByteVector& bytes;
    bool Fits(uint64_t offset, uint64_t length) const {
        return offset <= bytes.size() && length <= bytes.size() - offset;
    }
    uint16_t U16(uint64_t at) const { return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8); }
    uint32_t U32(uint64_t at) const { return U16(at) | static_cast<uint32_t>(U16(at + 2)) << 16; }
};

bool RvaToOffset(const std::vector<Section>& sections, uint32_t rva, uint64_t* offset) {
    for (const Section& s : sections) {
        // Only bytes present in the file can be read; the rest of a section is zero-filled at load time.
        if (rva >= s.virtualAddress && rva - s.virtualAddress < s.rawSize) {
            *offset = static_cast<uint64_t>(s.rawOffset) + (rva - s.virtualAddress);
            return true;
        }
    }
    return false;
}

bool ReadName(const Reader& in, const std::vector<Section>& sections, uint32_t rva, std::string* name) {
    uint64_t at;
    if (!RvaToOffset(sections, rva, &at)) return false;
    name->clear();
    while (at < in.bytes.size() && in.bytes[at] != 0 && name->size() < 256)
        name->push_back(static_cast<char>(in.bytes[at++]));
    return at < in.bytes.size() && in.bytes[at] == 0;
}

// Walks one table of descriptors (`entrySize` bytes each, the name's RVA at `nameField`) up to the empty one.
bool ReadTable(const Reader& in, const std::vector<Section>& sections, uint32_t tableRva, uint32_t entrySize,
               uint32_t nameField, std::vector<std::string>* dlls, std::string* error) {
    if (tableRva == 0) return true;
    uint64_t at;
    if (!RvaToOffset(sections, tableRva, &at)) return *error = "import table outside every section", false;
    for (int count = 0;; ++count, at += entrySize) {
        if (count > 4096 || !in.Fits(at, entrySize)) return *error = "import table runs off the file", false;
        bool empty = true;
        for (uint32_t i = 0; i < entrySize; ++i)
            empty = empty && in.bytes[at + i] == 0;
        if (empty) return true;
        std::string name;
        if (!ReadName(in, sections, in.U32(at + nameField), &name))
            return *error = "unreadable DLL name", false;
        dlls->push_back(name);
    }
}

} // namespace

bool ReadImportedDlls(const ByteVector& image, std::vector<std::string>* dlls, std::string* error) {
    dlls->clear();
    const Reader in{image};
    if (!in.Fits(0, 64) || image[0] != 'M' || image[1] != 'Z') return *error = "not an MZ executable", false;
    const uint32_t pe = in.U32(0x3C);
    if (!in.Fits(pe, 24) || in.U32(pe) != 0x00004550) return *error = "no PE header", false;
    const uint16_t sectionCount = in.U16(pe + 6);
    const uint16_t optionalSize = in.U16(pe + 20);
    const uint64_t optional = pe + 24;
    if (!in.Fits(optional, optionalSize) || optionalSize < 2)
        return *error = "truncated optional header", false;
    const uint16_t magic = in.U16(optional);
    const uint32_t directories = magic == 0x10B ? 96 : magic == 0x20B ? 112 : 0;
    if (!directories) return *error = "unknown optional header", false;
    auto directoryRva = [&](int index) -> uint32_t {
        const uint64_t at = optional + directories + 8u * index;
        return at + 8 <= optional + optionalSize ? in.U32(at) : 0;
    };
    std::vector<Section> sections;
    const uint64_t table = optional + optionalSize;
    if (!in.Fits(table, 40ull * sectionCount)) return *error = "truncated section table", false;
    for (uint32_t i = 0; i < sectionCount; ++i) {
        const uint64_t s = table + 40ull * i;
        sections.push_back({in.U32(s + 12), in.U32(s + 8), in.U32(s + 20), in.U32(s + 16)});
    }
    for (const Section& s : sections)
        if (!in.Fits(s.rawOffset, s.rawSize))
            return *error = "a section lies past the end of the file", false;
    return ReadTable(in, sections, directoryRva(1), 20, 12, dlls, error) &&
           ReadTable(in, sections, directoryRva(13), 32, 4, dlls, error);
}

bool IsWindowsSystemDll(const std::string& name) {
    static const char* const kSystem[] = {
        "kernel32.dll", "user32.dll",   "gdi32.dll",    "advapi32.dll", "shell32.dll", "ole32.dll",
        "oleaut32.dll", "comctl32.dll", "comdlg32.dll", "msvcrt.dll",   "shlwapi.dll", "winmm.dll",
        "version.dll",  "imagehlp.dll", "uxtheme.dll",  "ntdll.dll",    "ws2_32.dll",  "msimg32.dll"};
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    if (lower.rfind("api-ms-win-", 0) == 0) return true;
    return std::find(std::begin(kSystem), std::end(kSystem), lower) != std::end(kSystem);
}
