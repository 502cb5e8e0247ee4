// The shipped player must run on a bare Windows: it may import nothing but Windows system DLLs.
#include <gtest/gtest.h>

#include "tools/common/file_bytes.h"
#include "tools/pe/pe_imports.h"

TEST(PlayerImports, OnlyWindowsSystemDlls) {
    ByteVector image;
    ASSERT_TRUE(ReadFileBytes(JORVO_PLAYER_PATH, &image)) << JORVO_PLAYER_PATH;
    std::vector<std::string> dlls;
    std::string error;
    ASSERT_TRUE(ReadImportedDlls(image, &dlls, &error)) << error;
    EXPECT_FALSE(dlls.empty());
    for (const std::string& dll : dlls)
        EXPECT_TRUE(IsWindowsSystemDll(dll)) << "jorvo.exe imports " << dll;
}
