// A copy of an image with a new resource tree. The tree goes where the old one was when the resource
// section is last (in the table, in memory and in the file); when only the base relocations follow it, as
// the GNU linker lays programs out, they move behind the new tree (their contents do not depend on where
// they are); otherwise the tree becomes a new last section and the old one stays, unused.
#include <algorithm>
#include <cstddef>

#include "tools/pe/pe_layout.h"
#include "tools/pe/pe_resources.h"

namespace {

constexpr uint32_t kSectionFlags = 0x40000040u; // initialised data, readable
constexpr uint32_t kInitialisedData = 0x40u;
constexpr uint32_t kRelocationDirectory = 5;
// Windows loads no program aligned more coarsely in its file; a larger alignment would only make the
// tree's section (and the memory to build it) huge.
constexpr uint32_t kMostFileAlignment = 0x10000;

struct Placement {
    bool replace;         // over the old resource section, else a new section
    size_t index;         // the section replaced, or the new section's index
    bool moveRelocations; // the relocation section after it moves behind the new tree
    uint32_t rva;
    uint64_t rawAt;
};

bool EndsAt(const PeSection& s, uint64_t end) {
    return s.rawSize && uint64_t{s.rawOffset} + s.rawSize == end;
}

// True when `next` follows `s` directly in the file and lies above it in memory.
bool Follows(const PeSection& s, const PeSection& next) {
    return EndsAt(s, next.rawOffset) && next.virtualAddress > s.virtualAddress;
}

bool Place(const ByteVector& image, const PeLayout& pe, uint64_t dataEnd, Placement* place,
           std::string* error) {
    uint32_t rva, size, relocations, relocationsSize;
    PeDirectory(image, pe, kPeResourceDirectory, &rva, &size);
    PeDirectory(image, pe, kRelocationDirectory, &relocations, &relocationsSize);
    const size_t count = pe.sections.size();
    uint64_t firstRaw = pe.sizeOfHeaders, memoryEnd = pe.sizeOfHeaders;
    for (const PeSection& s : pe.sections) {
        if (s.rawSize) firstRaw = std::min<uint64_t>(firstRaw, s.rawOffset);
        memoryEnd =
            std::max<uint64_t>(memoryEnd, uint64_t{s.virtualAddress} + std::max(s.virtualSize, s.rawSize));
    }
    const PeSection* last = count ? &pe.sections[count - 1] : nullptr;
    const bool lastInMemory =
        last && memoryEnd <= uint64_t{last->virtualAddress} + std::max(last->virtualSize, last->rawSize);
    if (rva && lastInMemory && rva == last->virtualAddress && EndsAt(*last, dataEnd)) {
        *place = {true, count - 1, false, last->virtualAddress, last->rawOffset};
        return true;
    }
    if (rva && lastInMemory && count >= 2) {
        const PeSection& resources = pe.sections[count - 2];
        if (rva == resources.virtualAddress && Follows(resources, *last) && EndsAt(*last, dataEnd) &&
            relocations >= last->virtualAddress &&
            relocationsSize <=
                last->virtualSize - std::min(last->virtualSize, relocations - last->virtualAddress)) {
            *place = {true, count - 2, true, resources.virtualAddress, resources.rawOffset};
            return true;
        }
    }
    const uint64_t headerEnd = pe.sectionTableAt + 40ull * (count + 1);
    if (headerEnd > firstRaw || headerEnd > pe.sizeOfHeaders || count >= 96)
        return *error = "no room for another section header", false;
    const uint64_t newRva = AlignUp(memoryEnd, pe.sectionAlignment);
    if (newRva > 0x7FFFFFFFu) return *error = "the image is too large", false;
    *place = {false, count, false, static_cast<uint32_t>(newRva), AlignUp(dataEnd, pe.fileAlignment)};
    return true;
}

void AppendRange(ByteVector& out, const ByteVector& image, uint64_t from, uint64_t to) {
    out.insert(out.end(), image.begin() + static_cast<std::ptrdiff_t>(from),
               image.begin() + static_cast<std::ptrdiff_t>(to));
}

void WriteSectionPlace(ByteVector& out, PeSection& s, uint32_t rva, uint64_t rawAt, uint64_t virtualSize,
                       uint64_t rawSize) {
    s.virtualAddress = rva;
    s.rawOffset = static_cast<uint32_t>(rawAt);
    s.virtualSize = static_cast<uint32_t>(virtualSize);
    s.rawSize = static_cast<uint32_t>(rawSize);
    PeWrite32(out, s.headerAt + 8, s.virtualSize);
    PeWrite32(out, s.headerAt + 12, rva);
    PeWrite32(out, s.headerAt + 16, s.rawSize);
    PeWrite32(out, s.headerAt + 20, s.rawOffset);
}

} // namespace

bool WritePeResources(const ByteVector& image, const std::vector<Resource>& resources, ByteVector* out,
                      std::string* error) {
    PeLayout pe;
    if (!ReadPeLayout(image, &pe, error)) return false;
    if (pe.fileAlignment > kMostFileAlignment) return *error = "file alignment above 64 KB", false;
    // Resources written into overlapping sections would read back as the other section says.
    if (!PeSectionsApart(pe)) return *error = "sections overlap in memory: Windows would not load it", false;
    if (pe.directoryCount <= kRelocationDirectory) return *error = "too few data directories", false;
    uint32_t certificate, certificateSize;
    PeDirectory(image, pe, kPeCertificateDirectory, &certificate, &certificateSize);
    if (certificate) return *error = "a signed program cannot be changed", false;

    // Bytes past the last section (an overlay, a symbol table) move along behind the new tree.
    uint64_t dataEnd = pe.sizeOfHeaders;
    for (const PeSection& s : pe.sections)
        if (s.rawSize) dataEnd = std::max<uint64_t>(dataEnd, uint64_t{s.rawOffset} + s.rawSize);
    Placement place;
    if (!Place(image, pe, dataEnd, &place, error)) return false;
    ByteVector tree;
    if (!SerialiseResourceTree(resources, place.rva, &tree, error)) return false;
    const uint64_t rawSize = AlignUp(tree.size(), pe.fileAlignment);
    const PeSection relocationSection = place.moveRelocations ? pe.sections.back() : PeSection{};
    const uint64_t relocationsAt = place.rawAt + rawSize;
    const uint64_t overlayAt = relocationsAt + relocationSection.rawSize;
    const uint64_t relocationsRva = AlignUp(place.rva + tree.size(), pe.sectionAlignment);
    if (overlayAt + (image.size() - dataEnd) > 0xFFFFFFFFu || relocationsRva > 0x7FFFFFFFu)
        return *error = "the program would be too large", false;

    ByteVector result;
    AppendRange(result, image, 0, std::min(place.rawAt, dataEnd));
    result.resize(place.rawAt, 0);
    result.insert(result.end(), tree.begin(), tree.end());
    result.resize(relocationsAt, 0);
    AppendRange(result, image, relocationSection.rawOffset,
                uint64_t{relocationSection.rawOffset} + relocationSection.rawSize);
    AppendRange(result, image, dataEnd, image.size());

    if (!place.replace) {
        const uint64_t header = pe.sectionTableAt + 40ull * pe.sections.size();
        std::fill(result.begin() + static_cast<std::ptrdiff_t>(header),
                  result.begin() + static_cast<std::ptrdiff_t>(header + 40), 0);
        const char name[8] = {'.', 'r', 's', 'r', 'c', 0, 0, 0};
        std::copy(name, name + 8, result.begin() + static_cast<std::ptrdiff_t>(header));
        PeWrite32(result, header + 36, kSectionFlags);
        PeWrite16(result, pe.fileHeaderAt + kPeSectionCountField,
                  static_cast<uint32_t>(pe.sections.size() + 1));
        pe.sections.push_back({header, 0, 0, 0, 0, kSectionFlags});
    }
    WriteSectionPlace(result, pe.sections[place.index], place.rva, place.rawAt, tree.size(), rawSize);
    if (place.moveRelocations) {
        WriteSectionPlace(result, pe.sections.back(), static_cast<uint32_t>(relocationsRva), relocationsAt,
                          relocationSection.virtualSize, relocationSection.rawSize);
        PeWrite32(result, pe.directoriesAt + 8ull * kRelocationDirectory,
                  static_cast<uint32_t>(relocationsRva));
    }

    const PeBytes in{image};
    const uint32_t symbols = in.U32(pe.fileHeaderAt + kPeSymbolTableField);
    if (symbols >= dataEnd) {
        PeWrite32(result, pe.fileHeaderAt + kPeSymbolTableField,
                  static_cast<uint32_t>(symbols - dataEnd + overlayAt));
    } else if (symbols >= place.rawAt) {
        return *error = "a symbol table lies inside the resource section", false;
    }
    PeWrite32(result, pe.directoriesAt + 8ull * kPeResourceDirectory, place.rva);
    PeWrite32(result, pe.directoriesAt + 8ull * kPeResourceDirectory + 4, static_cast<uint32_t>(tree.size()));
    uint64_t imageEnd = pe.sizeOfHeaders, initialised = 0;
    for (const PeSection& s : pe.sections) {
        imageEnd =
            std::max<uint64_t>(imageEnd, uint64_t{s.virtualAddress} + std::max(s.virtualSize, s.rawSize));
        if (s.characteristics & kInitialisedData) initialised += s.rawSize;
    }
    imageEnd = AlignUp(imageEnd, pe.sectionAlignment);
    if (imageEnd > 0xFFFFFFFFu || initialised > 0xFFFFFFFFu) return *error = "the image is too large", false;
    PeWrite32(result, pe.optionalAt + kPeImageSizeField, static_cast<uint32_t>(imageEnd));
    PeWrite32(result, pe.optionalAt + kPeInitialisedDataField, static_cast<uint32_t>(initialised));
    PeWrite32(result, pe.optionalAt + kPeChecksumField, PeChecksum(result, pe.optionalAt + kPeChecksumField));
    *out = std::move(result);
    return true;
}
