#include "tests/tools/bare_pe.h"

namespace {

constexpr uint32_t kFileAlignment = 0x200, kSectionAlignment = 0x1000;

void Put(ByteVector& bytes, size_t at, uint64_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
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
