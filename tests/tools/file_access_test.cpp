// Files named with accents, spaces and (on Windows) backslashes are written, found, renamed and read
// back under their own names, through the wide API on Windows.
#include <gtest/gtest.h>

#include <string>

#include "tools/common/atomic_write.h"
#include "tools/common/file_access.h"
#include "tools/common/file_bytes.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <stdlib.h>
#endif

namespace {

std::string ScratchFolder() {
#ifdef _WIN32
    wchar_t temporary[MAX_PATH];
    GetTempPathW(MAX_PATH, temporary);
    std::wstring folder = std::wstring(temporary) + L"jorvo-files-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return Utf8FromWide(folder.c_str());
#else
    char pattern[] = "/tmp/jorvo-files-XXXXXX";
    const char* made = mkdtemp(pattern);
    return made ? made : "";
#endif
}

const std::string kMediaName = "\xC3\xA9"
                               "cureuil roux.jpg";
const std::string kGreekName = "\xCE\xB1\xCE\xB2\xCE\xB3 ok.txt"; // outside every Western code page

TEST(FileAccess, AccentedNamesWithSpacesAreWrittenFoundRenamedAndRead) {
    const std::string root = ScratchFolder();
    ASSERT_FALSE(root.empty());
    std::string folder = root + "/dossier \xC3\xA9t\xC3\xA9/sous-dossier n\xC2\xB0 2";
    ASSERT_TRUE(MakeDirectories(folder));
    ASSERT_TRUE(MakeDirectories(folder)) << "an existing folder is no failure";
    const ByteVector bytes = {1, 2, 3, 0, 255};
    for (const std::string& name : {kMediaName, kGreekName}) {
        SCOPED_TRACE(name);
        const std::string path = folder + "/" + name;
        ASSERT_TRUE(WriteFileAtomically(path, bytes));
        EXPECT_TRUE(IsRegularFile(path));
        EXPECT_FALSE(IsRegularFile(folder));
        ByteVector read;
        ASSERT_TRUE(ReadFileBytes(path, &read));
        EXPECT_EQ(read, bytes);
        // Written again over itself: the old file is replaced, not kept.
        ASSERT_TRUE(WriteFileAtomically(path, ByteVector{9}));
        ASSERT_TRUE(ReadFileBytes(path, &read));
        EXPECT_EQ(read, ByteVector{9});
        EXPECT_FALSE(IsRegularFile(path + ".part"));
        ASSERT_TRUE(RenameFile(path, path + ".old"));
        EXPECT_FALSE(IsRegularFile(path));
        EXPECT_TRUE(RemoveFile(path + ".old"));
        EXPECT_FALSE(IsRegularFile(path + ".old"));
    }
#ifdef _WIN32
    // The name on disk is the name given, as Windows itself spells it, and a backslash path finds it.
    std::string backslashed = folder + "/" + kMediaName;
    for (char& c : backslashed)
        if (c == '/') c = '\\';
    ASSERT_TRUE(WriteFileBytes(backslashed, bytes));
    const std::wstring wide = WidePath(root) + L"\\dossier \u00E9t\u00E9\\sous-dossier n\u00B0 2\\\u00E9"
                                               L"cureuil roux.jpg";
    EXPECT_NE(GetFileAttributesW(wide.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(FolderOf(backslashed) + "\\" + kMediaName, backslashed);
#endif
    EXPECT_FALSE(IsRegularFile(folder + "/absent.jpg"));
    ByteVector none;
    EXPECT_FALSE(ReadFileBytes(folder + "/absent.jpg", &none));
}

TEST(FileAccess, TheProgramKnowsItsOwnFileAndFolder) {
    const std::string self = ProgramPath();
    ASSERT_FALSE(self.empty());
    EXPECT_TRUE(IsRegularFile(self));
    EXPECT_EQ(FolderOf("a/b/c.quiz"), "a/b");
    EXPECT_EQ(FolderOf("c.quiz"), "");
    EXPECT_EQ(FolderOf("/c.quiz"), "/");
#ifdef _WIN32
    EXPECT_EQ(FolderOf("C:\\Jorvo\\images\\x.jpg"), "C:\\Jorvo\\images");
#endif
}

} // namespace
