#include "tools/pe/pe_imports.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "tools/pe/pe_layout.h"

namespace {

constexpr uint32_t kImportDirectory = 1;
constexpr uint32_t kDelayImportDirectory = 13;

bool ReadName(const ByteVector& image, const PeLayout& layout, uint32_t rva, std::string* name) {
    uint64_t at;
    if (!PeRvaToOffset(layout, rva, 1, &at)) return false;
    name->clear();
    while (at < image.size() && image[at] != 0 && name->size() < 256)
        name->push_back(static_cast<char>(image[at++]));
    return at < image.size() && image[at] == 0;
}

// Walks one table of descriptors (`entrySize` bytes each, the name's RVA at `nameField`) up to the empty one.
bool ReadTable(const ByteVector& image, const PeLayout& layout, uint32_t directory, uint32_t entrySize,
               uint32_t nameField, std::vector<std::string>* dlls, std::string* error) {
    uint32_t tableRva, tableSize;
    PeDirectory(image, layout, directory, &tableRva, &tableSize);
    if (tableRva == 0) return true;
    const PeBytes in{image};
    uint64_t at;
    if (!PeRvaToOffset(layout, tableRva, 1, &at)) return *error = "import table outside every section", false;
    for (int count = 0;; ++count, at += entrySize) {
        if (count > 4096 || !in.Fits(at, entrySize)) return *error = "import table runs off the file", false;
        bool empty = true;
        for (uint32_t i = 0; i < entrySize; ++i)
            empty = empty && image[at + i] == 0;
        if (empty) return true;
        std::string name;
        if (!ReadName(image, layout, in.U32(at + nameField), &name))
            return *error = "unreadable DLL name", false;
        dlls->push_back(name);
    }
}

} // namespace

bool ReadImportedDlls(const ByteVector& image, std::vector<std::string>* dlls, std::string* error) {
    dlls->clear();
    PeLayout layout;
    return ReadPeLayout(image, &layout, error) &&
           ReadTable(image, layout, kImportDirectory, 20, 12, dlls, error) &&
           ReadTable(image, layout, kDelayImportDirectory, 32, 4, dlls, error);
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
