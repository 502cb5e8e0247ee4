#include "tests/tools/fake_pe.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tools/pe/pe_layout.h"

namespace {

constexpr uint32_t kFileAlignment = 0x200;

void AddSectionHeader(ByteVector& image, const char* name, uint32_t rva, uint32_t rawAt, uint32_t size) {
    const uint32_t pe = ReadU32(image, 0x3C);
    const uint32_t count = image[pe + 6];
    const size_t header = pe + 24 + image[pe + 20] + (image[pe + 21] << 8) + 40 * count;
    for (int i = 0; name[i]; ++i)
        image[header + i] = static_cast<uint8_t>(name[i]);
    WriteU32(image, header + 8, size);
    WriteU32(image, header + 12, rva);
    WriteU32(image, header + 16, size);
    WriteU32(image, header + 20, rawAt);
    WriteU32(image, header + 36, 0x40000040);
    image[pe + 6] = static_cast<uint8_t>(count + 1);
}

} // namespace

ByteVector MakeTemplateImage(bool pe32Plus, TemplateTail tail) {
    std::vector<Resource> resources;
    const ByteVector dialog = {1, 0, 0xFF, 0xFF, 0, 0, 0, 0};
    SetResource(&resources, NumberKey(kResourceTypeDialog), NumberKey(1001), 0x0409, dialog);
    SetResource(&resources, NumberKey(kResourceTypeDialog), NumberKey(1002), 0x0409, dialog);
    SetResource(&resources, NumberKey(3), NumberKey(1), 0x0409, ByteVector(40, 7)); // an icon image
    SetResource(&resources, TextKey("NOTES"), TextKey("ABOUT"), 0x040C, {'h', 'i'});
    ByteVector image;
    std::string error;
    EXPECT_TRUE(WritePeResources(MakeBareImage(pe32Plus), resources, &image, &error)) << error;
    if (tail == TemplateTail::kNothing) return image;
    const uint32_t rawAt = static_cast<uint32_t>(image.size());
    const uint32_t pe = ReadU32(image, 0x3C);
    const size_t directories = pe + 24 + (pe32Plus ? 112 : 96);
    AddSectionHeader(image, tail == TemplateTail::kRelocations ? ".reloc" : ".other", 0x10000, rawAt,
                     kFileAlignment);
    image.resize(image.size() + kFileAlignment, 0x5A);
    WriteU32(image, pe + 24 + 56, 0x11000); // SizeOfImage
    if (tail == TemplateTail::kRelocations) {
        WriteU32(image, directories + 8 * 5, 0x10000);
        WriteU32(image, directories + 8 * 5 + 4, 12);
        return image;
    }
    WriteU32(image, pe + 12, static_cast<uint32_t>(image.size()));
    for (int i = 0; i < 24; ++i)
        image.push_back(static_cast<uint8_t>(0xA0 + i));
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
