// The resource tree read from a PE image into a flat list of leaves, and the list's small operations.
#include "tools/pe/pe_resources.h"

#include <algorithm>
#include <cstddef>
#include <set>
#include <utility>

#include "tools/pe/pe_layout.h"

namespace {

constexpr uint32_t kHighBit = 0x80000000u;
constexpr size_t kMostEntries = 65536; // far above any real program; bounds work on a hostile tree

struct TreeReader {
    const PeBytes& in;
    const PeLayout& layout;
    uint64_t root;  // file offset of the root directory
    uint64_t limit; // bytes of the section from the root on
    std::set<uint32_t> visited;
    size_t entries = 0;
    std::vector<Resource>* resources;
    std::string* error;
    uint64_t copied = 0; // bytes of data taken so far, once for each range
    uint64_t shared = 0; // bytes taken again from a range already taken
    std::set<std::pair<uint64_t, uint32_t>> ranges = {};

    bool Fail(const char* what) { return *error = what, false; }
    bool Fits(uint64_t offset, uint64_t length) const { return offset <= limit && length <= limit - offset; }

    bool ReadKey(uint32_t field, ResourceKey* key) {
        if (!(field & kHighBit)) {
            *key = NumberKey(static_cast<uint16_t>(field));
            return field <= 0xFFFF || Fail("resource id out of range");
        }
        const uint32_t at = field & ~kHighBit;
        if (!Fits(at, 2)) return Fail("resource name outside the resource section");
        const uint16_t length = in.U16(root + at);
        if (!Fits(at + 2ull, 2ull * length)) return Fail("resource name outside the resource section");
        key->isNumber = false;
        key->text.clear();
        for (uint32_t i = 0; i < length; ++i)
            key->text.push_back(static_cast<char16_t>(in.U16(root + at + 2 + 2ull * i)));
        return true;
    }

    bool ReadLeaf(uint32_t at, const ResourceKey& type, const ResourceKey& name, uint16_t language) {
        if (!Fits(at, 16)) return Fail("resource data entry outside the resource section");
        const uint32_t rva = in.U32(root + at), size = in.U32(root + at + 4);
        uint64_t offset;
        if (!PeRvaToOffset(layout, rva, size, &offset)) return Fail("resource data outside the file");
        if (ranges.insert({offset, size}).second)
            copied += size;
        else
            shared += size;
        if (copied > kMostCopiesOfTheFile * in.bytes.size() || shared > kMostSharedResourceBytes)
            return Fail("resources sharing their data over and over");
        Resource leaf;
        leaf.type = type;
        leaf.name = name;
        leaf.language = language;
        leaf.codePage = in.U32(root + at + 8);
        leaf.data.assign(in.bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                         in.bytes.begin() + static_cast<std::ptrdiff_t>(offset + size));
        resources->push_back(std::move(leaf));
        return true;
    }

    // Level 0 lists types, 1 names, 2 languages; only level 2 points at data.
    bool ReadDirectory(uint32_t at, int level, const ResourceKey& type, const ResourceKey& name) {
        if (!visited.insert(at).second) return Fail("loop in the resource tree");
        if (!Fits(at, 16)) return Fail("resource directory outside the resource section");
        const uint32_t count = in.U16(root + at + 12) + static_cast<uint32_t>(in.U16(root + at + 14));
        if (!Fits(at + 16ull, 8ull * count)) return Fail("resource directory outside the resource section");
        entries += count;
        if (entries > kMostEntries) return Fail("too many resources");
        for (uint32_t i = 0; i < count; ++i) {
            const uint64_t entry = root + at + 16 + 8ull * i;
            const uint32_t field = in.U32(entry), target = in.U32(entry + 4);
            ResourceKey key;
            if (level < 2 && !ReadKey(field, &key)) return false;
            const bool directory = (target & kHighBit) != 0;
            if (directory != (level < 2))
                return Fail(directory ? "loop in the resource tree (more than three levels)"
                                      : "resource tree with fewer than three levels");
            const bool ok = level == 0   ? ReadDirectory(target & ~kHighBit, 1, key, name)
                            : level == 1 ? ReadDirectory(target & ~kHighBit, 2, type, key)
                                         : ReadLeaf(target, type, name, static_cast<uint16_t>(field));
            if (!ok) return false;
        }
        return true;
    }
};

} // namespace

ResourceKey NumberKey(uint16_t number) {
    ResourceKey key;
    key.number = number;
    return key;
}

ResourceKey TextKey(const std::string& ascii) {
    ResourceKey key;
    key.isNumber = false;
    key.text.assign(ascii.begin(), ascii.end());
    return key;
}

bool operator==(const ResourceKey& a, const ResourceKey& b) {
    return a.isNumber == b.isNumber && (a.isNumber ? a.number == b.number : a.text == b.text);
}

bool operator<(const ResourceKey& a, const ResourceKey& b) {
    if (a.isNumber != b.isNumber) return !a.isNumber;
    return a.isNumber ? a.number < b.number : a.text < b.text;
}

uint16_t PeMachine(const ByteVector& image) {
    PeLayout layout;
    std::string error;
    return ReadPeLayout(image, &layout, &error) ? layout.machine : 0;
}

bool ReadPeResources(const ByteVector& image, std::vector<Resource>* resources, std::string* error) {
    resources->clear();
    PeLayout layout;
    if (!ReadPeLayout(image, &layout, error)) return false;
    uint32_t rva, size;
    PeDirectory(image, layout, kPeResourceDirectory, &rva, &size);
    if (rva == 0) return *error = "no resource directory", false;
    for (const PeSection& s : layout.sections) {
        if (rva < s.virtualAddress || rva - s.virtualAddress >= s.rawSize) continue;
        const PeBytes in{image};
        const uint32_t into = rva - s.virtualAddress;
        TreeReader reader{in,        layout, uint64_t{s.rawOffset} + into, uint64_t{s.rawSize} - into, {}, 0,
                          resources, error};
        return reader.ReadDirectory(0, 0, ResourceKey(), ResourceKey());
    }
    return *error = "resource directory outside every section", false;
}

const Resource* FindPeResource(const std::vector<Resource>& resources, const ResourceKey& type,
                               const ResourceKey& name) {
    for (const Resource& r : resources)
        if (r.type == type && r.name == name) return &r;
    return nullptr;
}

void SetResource(std::vector<Resource>* resources, const ResourceKey& type, const ResourceKey& name,
                 uint16_t language, ByteVector data) {
    resources->erase(std::remove_if(resources->begin(), resources->end(),
                                    [&](const Resource& r) { return r.type == type && r.name == name; }),
                     resources->end());
    Resource leaf;
    leaf.type = type;
    leaf.name = name;
    leaf.language = language;
    leaf.data = std::move(data);
    resources->push_back(std::move(leaf));
}
