// The shipped programs must run on a bare Windows: the player and Jorvo Studio may import nothing but
// Windows system DLLs.
#include <gtest/gtest.h>

#include "tools/common/file_bytes.h"
#include "tools/pe/pe_imports.h"

TEST(PlayerImports, OnlyWindowsSystemDlls) {
    for (const char* program : {JORVO_PLAYER_PATH, JORVO_STUDIO_PATH}) {
        ByteVector image;
        ASSERT_TRUE(ReadFileBytes(program, &image)) << program;
        std::vector<std::string> dlls;
        std::string error;
        ASSERT_TRUE(ReadImportedDlls(image, &dlls, &error)) << error;
        EXPECT_FALSE(dlls.empty()) << program;
        for (const std::string& dll : dlls)
            EXPECT_TRUE(IsWindowsSystemDll(dll)) << program << " imports " << dll;
    }
}
