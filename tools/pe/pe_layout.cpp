#include "tools/pe/pe_layout.h"

namespace {

bool IsPowerOfTwo(uint32_t value) {
    return value != 0 && (value & (value - 1)) == 0;
}

} // namespace

bool ReadPeLayout(const ByteVector& image, PeLayout* layout, std::string* error) {
    const PeBytes in{image};
    *layout = PeLayout();
    if (!in.Fits(0, 64) || image[0] != 'M' || image[1] != 'Z') return *error = "not an MZ executable", false;
    const uint32_t pe = in.U32(0x3C);
    if (!in.Fits(pe, 24) || in.U32(pe) != 0x00004550) return *error = "no PE header", false;
    layout->fileHeaderAt = pe + 4ull;
    layout->machine = in.U16(pe + 4ull);
    const uint16_t sectionCount = in.U16(pe + 6ull);
    const uint16_t optionalSize = in.U16(pe + 20ull);
    layout->optionalAt = pe + 24ull;
    if (optionalSize < 2 || !in.Fits(layout->optionalAt, optionalSize))
        return *error = "truncated optional header", false;
    const uint16_t magic = in.U16(layout->optionalAt);
    const uint32_t directoriesOffset = magic == 0x10B ? 96 : magic == 0x20B ? 112 : 0;
    if (!directoriesOffset) return *error = "unknown optional header", false;
    if (optionalSize < directoriesOffset) return *error = "truncated optional header", false;
    const uint32_t declared = in.U32(layout->optionalAt + directoriesOffset - 4);
    const uint32_t room = (optionalSize - directoriesOffset) / 8;
    layout->directoriesAt = layout->optionalAt + directoriesOffset;
    layout->directoryCount = declared < room ? declared : room;

    layout->sectionAlignment = in.U32(layout->optionalAt + 32);
    layout->fileAlignment = in.U32(layout->optionalAt + 36);
    layout->sizeOfHeaders = in.U32(layout->optionalAt + 60);
    if (!IsPowerOfTwo(layout->fileAlignment) || !IsPowerOfTwo(layout->sectionAlignment) ||
        layout->sectionAlignment < layout->fileAlignment)
        return *error = "bad section or file alignment", false;

    layout->sectionTableAt = layout->optionalAt + optionalSize;
    if (!in.Fits(layout->sectionTableAt, 40ull * sectionCount))
        return *error = "truncated section table", false;
    if (!in.Fits(0, layout->sizeOfHeaders) ||
        layout->sizeOfHeaders < layout->sectionTableAt + 40ull * sectionCount)
        return *error = "truncated headers", false;
    for (uint32_t i = 0; i < sectionCount; ++i) {
        const uint64_t s = layout->sectionTableAt + 40ull * i;
        const PeSection section = {
            s, in.U32(s + 12), in.U32(s + 8), in.U32(s + 20), in.U32(s + 16), in.U32(s + 36)};
        if (section.rawSize && !in.Fits(section.rawOffset, section.rawSize))
            return *error = "a section lies past the end of the file", false;
        if (section.rawSize && section.rawOffset < layout->sizeOfHeaders)
            return *error = "a section overlaps the headers", false;
        layout->sections.push_back(section);
    }
    return true;
}

bool PeSectionsApart(const PeLayout& layout) {
    for (size_t i = 1; i < layout.sections.size(); ++i) {
        const PeSection &before = layout.sections[i - 1], &after = layout.sections[i];
        const uint32_t size = before.virtualSize > before.rawSize ? before.virtualSize : before.rawSize;
        if (uint64_t{before.virtualAddress} + size > after.virtualAddress) return false;
    }
    return true;
}

void PeDirectory(const ByteVector& image, const PeLayout& layout, uint32_t index, uint32_t* rva,
                 uint32_t* size) {
    const PeBytes in{image};
    *rva = *size = 0;
    if (index >= layout.directoryCount) return;
    *rva = in.U32(layout.directoriesAt + 8ull * index);
    *size = in.U32(layout.directoriesAt + 8ull * index + 4);
}

bool PeRvaToOffset(const PeLayout& layout, uint32_t rva, uint32_t length, uint64_t* offset) {
    for (const PeSection& s : layout.sections) {
        // Only bytes present in the file can be read; the rest of a section is zero-filled at load time.
        // An empty resource may sit at the very end of its section's bytes.
        if (rva >= s.virtualAddress && rva - s.virtualAddress < s.rawSize + uint64_t{length == 0} &&
            length <= s.rawSize - (rva - s.virtualAddress)) {
            *offset = static_cast<uint64_t>(s.rawOffset) + (rva - s.virtualAddress);
            return true;
        }
    }
    return false;
}

uint32_t PeChecksum(const ByteVector& image, uint64_t checksumAt) {
    // The field's own four bytes count as zero wherever they sit: a header at an odd offset puts them
    // across word boundaries, and skipping whole words there would sum bytes the checksum then changes.
    const auto byteAt = [&](uint64_t i) -> uint32_t {
        if (i >= image.size() || (i >= checksumAt && i - checksumAt < 4)) return 0;
        return image[i];
    };
    uint64_t sum = 0;
    for (uint64_t i = 0; i < image.size(); i += 2) {
        const uint32_t word = byteAt(i) | byteAt(i + 1) << 8;
        sum += word;
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint32_t>(sum + image.size());
}
