#include "tests/tools/fake_pe.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tools/pe_layout.h"

namespace {

constexpr uint32_t kFileAlignment = 0x200, kSectionAlignment = 0x1000;

void Put(ByteVector& bytes, size_t at, uint64_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

void AddSectionHeader(ByteVector& image, const char* name, uint32_t rva, uint32_t rawAt, uint32_t size) {
    const uint32_t pe = ReadU32(image, 0x3C);
    const uint32_t count = image[pe + 6];
    const size_t header = pe + 24 + image[pe + 20] + (image[pe + 21] << 8) + 40 * count;
    for (int i = 0; name[i]; ++i)
        image[header + i] = static_cast<uint8_t>(name[i]);
    Put(image, header + 8, size, 4);
    Put(image, header + 12, rva, 4);
    Put(image, header + 16, size, 4);
    Put(image, header + 20, rawAt, 4);
    Put(image, header + 36, 0x40000040, 4);
    image[pe + 6] = static_cast<uint8_t>(count + 1);
}

} // namespace

uint32_t ReadU32(const ByteVector& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

void WriteU32(ByteVector& bytes, size_t at, uint32_t value) {
    Put(bytes, at, value, 4);
}

ByteVector MakeBareImage(bool pe32Plus) {
    ByteVector image(0x400, 0);
    image[0] = 'M';
    image[1] = 'Z';
    const size_t pe = 0x40;
    Put(image, 0x3C, pe, 4);
    Put(image, pe, 0x00004550, 4);
    Put(image, pe + 4, pe32Plus ? 0x8664 : 0x14C, 2);
    Put(image, pe + 6, 1, 2);
    const uint32_t optionalSize = pe32Plus ? 240 : 224;
    Put(image, pe + 20, optionalSize, 2);
    Put(image, pe + 22, 0x0102, 2);
    const size_t optional = pe + 24;
    Put(image, optional, pe32Plus ? 0x20B : 0x10B, 2);
    Put(image, optional + 16, 0x1000, 4); // entry point
    Put(image, optional + 32, kSectionAlignment, 4);
    Put(image, optional + 36, kFileAlignment, 4);
    Put(image, optional + 40, 6, 2); // subsystem version 6.0
    Put(image, optional + 56, 0x2000, 4);
    Put(image, optional + 60, 0x200, 4);
    Put(image, optional + 68, 2, 2); // GUI
    Put(image, optional + (pe32Plus ? 108 : 92), 16, 4);
    const size_t table = optional + optionalSize;
    const char name[] = ".text";
    for (int i = 0; name[i]; ++i)
        image[table + i] = static_cast<uint8_t>(name[i]);
    Put(image, table + 8, 0x10, 4);
    Put(image, table + 12, 0x1000, 4);
    Put(image, table + 16, 0x200, 4);
    Put(image, table + 20, 0x200, 4);
    Put(image, table + 36, 0x60000020, 4);
    image[0x200] = 0xC3; // ret
    return image;
}

ByteVector MakeTemplateImage(bool pe32Plus, bool sectionAfter) {
    std::vector<Resource> resources;
    const ByteVector dialog = {1, 0, 0xFF, 0xFF, 0, 0, 0, 0};
    SetResource(&resources, NumberKey(kResourceTypeDialog), NumberKey(1001), 0x0409, dialog);
    SetResource(&resources, NumberKey(kResourceTypeDialog), NumberKey(1002), 0x0409, dialog);
    SetResource(&resources, NumberKey(3), NumberKey(1), 0x0409, ByteVector(40, 7)); // an icon image
    SetResource(&resources, TextKey("NOTES"), TextKey("ABOUT"), 0x040C, {'h', 'i'});
    ByteVector image;
    std::string error;
    EXPECT_TRUE(WritePeResources(MakeBareImage(pe32Plus), resources, &image, &error)) << error;
    if (!sectionAfter) return image;
    // A relocation section after the resources, then a symbol table: the resources cannot grow in place.
    const uint32_t rawAt = static_cast<uint32_t>(image.size());
    AddSectionHeader(image, ".reloc", 0x10000, rawAt, kFileAlignment);
    image.resize(image.size() + kFileAlignment, 0x5A);
    const uint32_t pe = ReadU32(image, 0x3C);
    WriteU32(image, pe + 12, static_cast<uint32_t>(image.size()));
    for (int i = 0; i < 24; ++i)
        image.push_back(static_cast<uint8_t>(0xA0 + i));
    WriteU32(image, pe + 24 + 56, 0x11000); // SizeOfImage
    return image;
}

size_t ResourceRootOffset(const ByteVector& image) {
    PeLayout layout;
    std::string error;
    EXPECT_TRUE(ReadPeLayout(image, &layout, &error)) << error;
    uint32_t rva = 0, size = 0;
    uint64_t offset = 0;
    PeDirectory(image, layout, kPeResourceDirectory, &rva, &size);
    EXPECT_TRUE(PeRvaToOffset(layout, rva, 16, &offset));
    return static_cast<size_t>(offset);
}

std::string MakeScratchFolder() {
    char pattern[] = "/tmp/jorvo-pack-XXXXXX";
    const char* made = mkdtemp(pattern);
    return made ? made : "";
}
