// The resource tree read from and written into PE images: what goes in comes back, in the order Windows
// searches, and damaged images are refused with a message.
#include <gtest/gtest.h>

#include "tests/tools/fake_pe.h"
#include "tools/pe/pe_layout.h"
#include "tools/pe/pe_resources.h"

namespace {

bool SameResource(const Resource& a, const Resource& b) {
    return a.type == b.type && a.name == b.name && a.language == b.language && a.data == b.data;
}

TEST(PeResources, WritesTheTreeInPlaceOrAsANewSectionAndReadsEveryResourceBack) {
    struct Case {
        bool pe32Plus;
        TemplateTail tail;
        const char* what;
    } cases[] = {{false, TemplateTail::kNothing, "PE32 in place"},
                 {true, TemplateTail::kNothing, "PE32+ in place"},
                 {false, TemplateTail::kRelocations, "PE32 in place, relocations moved"},
                 {true, TemplateTail::kRelocations, "PE32+ in place, relocations moved"},
                 {false, TemplateTail::kOther, "PE32 appended"},
                 {true, TemplateTail::kOther, "PE32+ appended"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const bool appended = c.tail == TemplateTail::kOther;
        const ByteVector original = MakeTemplateImage(c.pe32Plus, c.tail);
        std::vector<Resource> resources;
        std::string error;
        ASSERT_TRUE(ReadPeResources(original, &resources, &error)) << error;
        ASSERT_EQ(resources.size(), 4u);
        SetResource(&resources, TextKey("PATCH"), NumberKey(104), 0x0409, ByteVector(5000, 0x42));
        SetResource(&resources, NumberKey(kResourceTypeDialog), NumberKey(1002), 0x0407, {9, 9, 9});

        ByteVector written;
        ASSERT_TRUE(WritePeResources(original, resources, &written, &error)) << error;
        std::vector<Resource> back;
        ASSERT_TRUE(ReadPeResources(written, &back, &error)) << error;
        ASSERT_EQ(back.size(), resources.size());
        for (const Resource& r : resources) {
            bool found = false;
            for (const Resource& b : back)
                found = found || SameResource(r, b);
            EXPECT_TRUE(found) << "a resource of " << r.data.size() << " bytes went missing";
        }

        PeLayout before, after;
        ASSERT_TRUE(ReadPeLayout(original, &before, &error));
        ASSERT_TRUE(ReadPeLayout(written, &after, &error));
        EXPECT_EQ(after.sections.size(), before.sections.size() + (appended ? 1 : 0));
        uint32_t rva = 0, size = 0;
        PeDirectory(written, after, kPeResourceDirectory, &rva, &size);
        const size_t treeIndex = after.sections.size() - (c.tail == TemplateTail::kRelocations ? 2 : 1);
        const PeSection& tree = after.sections[treeIndex];
        EXPECT_EQ(rva, tree.virtualAddress);
        EXPECT_EQ(size, tree.virtualSize);
        const PeSection& last = after.sections.back();
        EXPECT_EQ(last.rawOffset % after.fileAlignment, 0u);
        EXPECT_EQ(last.rawSize % after.fileAlignment, 0u);
        EXPECT_GE(tree.virtualSize, 5000u);
        const uint32_t imageSize = ReadU32(written, after.optionalAt + kPeImageSizeField);
        EXPECT_EQ(imageSize % after.sectionAlignment, 0u);
        EXPECT_GE(imageSize, last.virtualAddress + last.virtualSize);
        EXPECT_EQ(ReadU32(written, after.optionalAt + kPeChecksumField),
                  PeChecksum(written, after.optionalAt + kPeChecksumField));
        if (c.tail == TemplateTail::kRelocations) {
            // The relocations moved behind the grown tree, bytes and directory entry alike.
            PeDirectory(written, after, 5, &rva, &size);
            EXPECT_EQ(rva, last.virtualAddress);
            EXPECT_EQ(size, 12u);
            EXPECT_GE(last.virtualAddress, tree.virtualAddress + tree.virtualSize);
            EXPECT_EQ(last.rawOffset, tree.rawOffset + tree.rawSize);
            EXPECT_EQ(written.size(), uint64_t{last.rawOffset} + last.rawSize);
            EXPECT_EQ(written[last.rawOffset], 0x5A);
            EXPECT_EQ(written.back(), 0x5A);
        }
        if (appended) {
            // The symbol table moved behind the new section, and its pointer with it.
            const uint32_t symbols = ReadU32(written, after.fileHeaderAt + kPeSymbolTableField);
            EXPECT_EQ(symbols, uint64_t{last.rawOffset} + last.rawSize);
            ASSERT_EQ(written.size(), symbols + 24u);
            EXPECT_EQ(written[symbols], 0xA0);
            EXPECT_EQ(written.back(), 0xA0 + 23);
        }
    }
}

// Windows finds resources by binary search: named entries first, then ids ascending, at every level.
TEST(PeResources, SortsNamedEntriesFirstThenIdsAscending) {
    std::vector<Resource> resources;
    for (uint16_t type : {24, 3, 14})
        SetResource(&resources, NumberKey(type), NumberKey(1), 0, {1});
    SetResource(&resources, TextKey("PATCH"), NumberKey(105), 0, {1});
    SetResource(&resources, TextKey("PATCH"), NumberKey(104), 0, {1});
    SetResource(&resources, TextKey("IMG"), NumberKey(401), 0, {1});
    ByteVector image;
    std::string error;
    ASSERT_TRUE(WritePeResources(MakeBareImage(false), resources, &image, &error)) << error;
    const size_t root = ResourceRootOffset(image);
    EXPECT_EQ(image[root + 12], 2); // named
    EXPECT_EQ(image[root + 14], 3); // numbered
    std::vector<uint32_t> ids;
    for (int i = 2; i < 5; ++i)
        ids.push_back(ReadU32(image, root + 16 + 8 * i));
    EXPECT_EQ(ids, (std::vector<uint32_t>{3, 14, 24}));
    std::vector<Resource> back;
    ASSERT_TRUE(ReadPeResources(image, &back, &error)) << error;
    ASSERT_EQ(back.size(), 6u);
    EXPECT_TRUE(back[0].type == TextKey("IMG"));
    EXPECT_TRUE(back[1].type == TextKey("PATCH") && back[1].name == NumberKey(104));
    EXPECT_TRUE(back[2].name == NumberKey(105));
}

TEST(PeResources, RefusesDamagedImagesWithAMessage) {
    const ByteVector good = MakeTemplateImage(false);
    const size_t root = ResourceRootOffset(good);
    const uint32_t pe = ReadU32(good, 0x3C);
    const size_t resourceDirectory = pe + 24 + 96 + 8 * kPeResourceDirectory;
    struct Case {
        const char* what;
        ByteVector image;
        const char* message;
    };
    std::vector<Case> cases = {
        {"text file", ByteVector{'h', 'e', 'l', 'l', 'o'}, "not an MZ executable"},
        {"MZ without PE", ByteVector(good.begin(), good.begin() + 0x40), "no PE header"},
        {"headers cut", ByteVector(good.begin(), good.begin() + 0x100), "truncated"},
        {"sections cut", ByteVector(good.begin(), good.begin() + 0x300), "past the end of the file"},
        {"no resources", MakeBareImage(true), "no resource directory"},
    };
    ByteVector overlapping = good;
    WriteU32(overlapping, pe + 24 + 224 + 20, 0x100); // the code section's raw bytes inside the headers
    cases.push_back({"section over the headers", overlapping, "overlaps the headers"});
    ByteVector outside = good;
    WriteU32(outside, resourceDirectory, 0x00F00000);
    cases.push_back({"resource RVA out of range", outside, "outside every section"});
    // A name directory whose entry leads back to the root.
    ByteVector loop = good;
    const size_t typeDirectory = root + (ReadU32(loop, root + 20) & 0x7FFFFFFF);
    const size_t nameDirectory = root + (ReadU32(loop, typeDirectory + 20) & 0x7FFFFFFF);
    WriteU32(loop, nameDirectory + 20, 0x80000000);
    cases.push_back({"loop", loop, "loop in the resource tree"});
    ByteVector badData = good;
    const size_t dataEntry = root + ReadU32(good, nameDirectory + 20);
    WriteU32(badData, dataEntry + 4, 0x7FFFFFFF); // size
    cases.push_back({"data past the section", badData, "resource data outside the file"});
    ByteVector manyEntries = good;
    manyEntries[root + 14] = 0xFF;
    manyEntries[root + 15] = 0xFF;
    cases.push_back({"entry count past the section", manyEntries, "outside the resource section"});

    for (const Case& c : cases) {
        std::vector<Resource> resources;
        ASSERT_FALSE(c.image.empty());
        std::string error;
        EXPECT_FALSE(ReadPeResources(c.image, &resources, &error)) << c.what;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
        ByteVector written;
        std::string writeError;
        if (c.image.size() < 0x400) {
            EXPECT_FALSE(WritePeResources(c.image, {}, &written, &writeError)) << c.what;
        }
    }
}

TEST(PeResources, PackRefusesATemplateWhoseSectionsOverlapInMemory) {
    ByteVector image = MakeTemplateImage(false);
    const uint32_t pe = ReadU32(image, 0x3C);
    const size_t resourceSection = pe + 24 + 224 + 40; // the second section: the resources
    WriteU32(image, resourceSection + 12, ReadU32(image, pe + 24 + 224 + 12)); // at the code's address
    ByteVector written;
    std::string error;
    EXPECT_FALSE(WritePeResources(image, {}, &written, &error));
    EXPECT_NE(error.find("overlap in memory"), std::string::npos) << error;
    EXPECT_TRUE(written.empty());
}

// The checksum written must be the checksum read back: the field's own bytes cannot count, even when
// the header sits at an odd offset and the field straddles two words.
TEST(PeResources, ChecksumDoesNotDependOnItsOwnFieldAtAnyOffset) {
    ByteVector image(301);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>(i * 37 + 11);
    for (uint64_t at : {64u, 65u, 66u, 67u, 297u}) {
        SCOPED_TRACE(at);
        ByteVector other = image;
        for (uint64_t k = at; k < at + 4 && k < other.size(); ++k)
            other[k] ^= 0xA5;
        EXPECT_EQ(PeChecksum(image, at), PeChecksum(other, at));
    }
    // At an even offset it is the usual sum of 16-bit words, folded, plus the length.
    const ByteVector words = {0x01, 0x02, 0xFF, 0xFF, 0xEE, 0xEE, 0xEE, 0xEE, 0x03};
    EXPECT_EQ(PeChecksum(words, 4), ((0x0201u + 0xFFFFu) & 0xFFFF) + 1 + 0x0003u + 9);
}

} // namespace
