#include <gtest/gtest.h>

#include <cstring>

#include "tools/pe/pe_imports.h"

namespace {

void Put16(ByteVector& b, size_t at, uint16_t v) {
    b[at] = v & 0xFF;
    b[at + 1] = v >> 8;
}
void Put32(ByteVector& b, size_t at, uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

// A minimal PE32 image, well formed as ReadPeLayout wants it: one section at RVA 0x1000 (file offset 0x200)
// holding the import descriptors and the DLL names.
ByteVector MakeImage(const std::vector<std::string>& dlls) {
    ByteVector b(0x400, 0);
    b[0] = 'M', b[1] = 'Z';
    Put32(b, 0x3C, 0x80);
    Put32(b, 0x80, 0x00004550);
    Put16(b, 0x86, 1);   // sections
    Put16(b, 0x94, 224); // optional header size
    const size_t optional = 0x98;
    Put16(b, optional, 0x10B);
    Put32(b, optional + 32, 0x1000);     // section alignment
    Put32(b, optional + 36, 0x200);      // file alignment
    Put32(b, optional + 60, 0x200);      // size of the headers
    Put32(b, optional + 92, 16);         // data directories
    Put32(b, optional + 96 + 8, 0x1000); // import directory RVA
    const size_t section = optional + 224;
    Put32(b, section + 8, 0x200);   // virtual size
    Put32(b, section + 12, 0x1000); // RVA
    Put32(b, section + 16, 0x200);  // raw size
    Put32(b, section + 20, 0x200);  // raw offset
    size_t name = 0x200 + 20 * (dlls.size() + 1);
    for (size_t i = 0; i < dlls.size(); ++i) {
        Put32(b, 0x200 + 20 * i + 12, static_cast<uint32_t>(0x1000 + name - 0x200));
        std::memcpy(&b[name], dlls[i].c_str(), dlls[i].size() + 1);
        name += dlls[i].size() + 1;
    }
    return b;
}

TEST(PeImports, ListsEveryImportedDll) {
    std::vector<std::string> dlls;
    std::string error;
    ASSERT_TRUE(ReadImportedDlls(MakeImage({"KERNEL32.dll", "libstdc++-6.dll"}), &dlls, &error)) << error;
    EXPECT_EQ(dlls, (std::vector<std::string>{"KERNEL32.dll", "libstdc++-6.dll"}));
}

// A damaged file is refused with a reason, never read past its end.
TEST(PeImports, RefusesDamagedImagesWithoutReadingPastThem) {
    struct Damage {
        const char* what;
        void (*apply)(ByteVector&);
    };
    const Damage cases[] = {
        {"not MZ", [](ByteVector& b) { b[0] = 'X'; }},
        {"PE header past the end", [](ByteVector& b) { Put32(b, 0x3C, 0xFFFFFFF0); }},
        {"section table past the end", [](ByteVector& b) { Put16(b, 0x86, 0xFFFF); }},
        {"section data past the end", [](ByteVector& b) { Put32(b, 0x98 + 224 + 16, 0x7FFFFFFF); }},
        {"import table outside sections", [](ByteVector& b) { Put32(b, 0x98 + 104, 0x9000); }},
        {"name outside sections", [](ByteVector& b) { Put32(b, 0x200 + 12, 0x9000); }},
        {"truncated file", [](ByteVector& b) { b.resize(0x210); }},
        {"name without terminator", [](ByteVector& b) { std::memset(&b[0x228], 'a', 0x400 - 0x228); }},
    };
    for (const Damage& d : cases) {
        ByteVector image = MakeImage({"user32.dll"});
        d.apply(image);
        std::vector<std::string> dlls;
        std::string error;
        EXPECT_FALSE(ReadImportedDlls(image, &dlls, &error)) << d.what;
        EXPECT_FALSE(error.empty()) << d.what;
    }
}

TEST(PeImports, TellsSystemDllsFromRuntimeDlls) {
    for (const char* name :
         {"KERNEL32.dll", "user32.dll", "msvcrt.dll", "OLEAUT32.dll", "api-ms-win-crt-heap-l1-1-0.dll"})
        EXPECT_TRUE(IsWindowsSystemDll(name)) << name;
    for (const char* name : {"libstdc++-6.dll", "libgcc_s_dw2-1.dll", "libwinpthread-1.dll", "zlib1.dll", ""})
        EXPECT_FALSE(IsWindowsSystemDll(name)) << name;
}

} // namespace
