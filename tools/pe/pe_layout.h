// The headers of a PE image that the resource reader and writer need: where things are in the file,
// read with every offset and size checked against the file's length.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "quizdata/byte_vector.h"

struct PeSection {
    uint64_t headerAt; // file offset of its 40-byte entry in the section table
    uint32_t virtualAddress, virtualSize, rawOffset, rawSize, characteristics;
};

struct PeLayout {
    uint64_t fileHeaderAt = 0;  // the COFF file header (after "PE\0\0")
    uint64_t optionalAt = 0;    // the optional header
    uint64_t directoriesAt = 0; // the data directories
    uint32_t directoryCount = 0;
    uint64_t sectionTableAt = 0;
    uint16_t machine = 0;
    uint32_t sectionAlignment = 0, fileAlignment = 0, sizeOfHeaders = 0;
    std::vector<PeSection> sections;
};

// Offsets of fields the writer updates, relative to their header.
constexpr uint32_t kPeSymbolTableField = 8;     // file header: PointerToSymbolTable
constexpr uint32_t kPeSectionCountField = 2;    // file header: NumberOfSections
constexpr uint32_t kPeInitialisedDataField = 8; // optional header: SizeOfInitializedData
constexpr uint32_t kPeImageSizeField = 56;      // optional header: SizeOfImage
constexpr uint32_t kPeChecksumField = 64;       // optional header: CheckSum
constexpr uint32_t kPeResourceDirectory = 2;    // index in the data directories
constexpr uint32_t kPeCertificateDirectory = 4; // a file offset, not an RVA

struct PeBytes {
    const ByteVector& bytes;
    bool Fits(uint64_t offset, uint64_t length) const {
        return offset <= bytes.size() && length <= bytes.size() - offset;
    }
    uint16_t U16(uint64_t at) const { return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8); }
    uint32_t U32(uint64_t at) const { return U16(at) | static_cast<uint32_t>(U16(at + 2)) << 16; }
};

inline void PeWrite16(ByteVector& out, uint64_t at, uint32_t value) {
    out[at] = static_cast<uint8_t>(value);
    out[at + 1] = static_cast<uint8_t>(value >> 8);
}
inline void PeWrite32(ByteVector& out, uint64_t at, uint32_t value) {
    PeWrite16(out, at, value & 0xFFFF);
    PeWrite16(out, at + 2, value >> 16);
}
inline uint64_t AlignUp(uint64_t value, uint64_t alignment) {
    return (value + alignment - 1) / alignment * alignment;
}

// Whether the sections follow one another in memory without overlapping, as Windows requires to load
// the program.
bool PeSectionsApart(const PeLayout& layout);

// Reads and checks the headers and the section table (every section's raw bytes inside the file).
bool ReadPeLayout(const ByteVector& image, PeLayout* layout, std::string* error);

// The RVA and size of data directory `index`; both 0 when the image has no such directory.
void PeDirectory(const ByteVector& image, const PeLayout& layout, uint32_t index, uint32_t* rva,
                 uint32_t* size);

// The file offset of `length` bytes at `rva`, when they all lie in one section's raw bytes.
bool PeRvaToOffset(const PeLayout& layout, uint32_t rva, uint32_t length, uint64_t* offset);

// The checksum Windows computes for the image (the CheckSum field itself counted as zero).
uint32_t PeChecksum(const ByteVector& image, uint64_t checksumAt);
