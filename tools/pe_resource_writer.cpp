// The resource tree serialised and laid into a copy of the image. Layout of the tree: all directories
// (root, then every type's, then every name's), the data entries, the name strings, then the data, each
// piece 8-byte aligned. Nothing in it depends on the time, so the same input gives the same bytes.
#include <algorithm>
#include <cstddef>
#include <map>

#include "tools/pe_layout.h"
#include "tools/pe_resources.h"

namespace {

constexpr uint32_t kHighBit = 0x80000000u;
constexpr uint32_t kSectionFlags = 0x40000040u; // initialised data, readable
constexpr uint32_t kInitialisedData = 0x40u;

uint64_t AlignUp(uint64_t value, uint64_t alignment) {
    return (value + alignment - 1) / alignment * alignment;
}

void Put16(ByteVector& out, uint64_t at, uint32_t value) {
    out[at] = static_cast<uint8_t>(value);
    out[at + 1] = static_cast<uint8_t>(value >> 8);
}

void Put32(ByteVector& out, uint64_t at, uint32_t value) {
    Put16(out, at, value & 0xFFFF);
    Put16(out, at + 2, value >> 16);
}

struct NameGroup {
    const ResourceKey* name;
    std::vector<const Resource*> leaves;
};
struct TypeGroup {
    const ResourceKey* type;
    std::vector<NameGroup> names;
};

std::vector<TypeGroup> GroupInTreeOrder(const std::vector<Resource>& resources) {
    std::vector<const Resource*> sorted;
    for (const Resource& r : resources)
        sorted.push_back(&r);
    std::stable_sort(sorted.begin(), sorted.end(), [](const Resource* a, const Resource* b) {
        if (!(a->type == b->type)) return a->type < b->type;
        if (!(a->name == b->name)) return a->name < b->name;
        return a->language < b->language;
    });
    std::vector<TypeGroup> types;
    for (const Resource* r : sorted) {
        if (types.empty() || !(*types.back().type == r->type)) types.push_back({&r->type, {}});
        std::vector<NameGroup>& names = types.back().names;
        if (names.empty() || !(*names.back().name == r->name)) names.push_back({&r->name, {}});
        std::vector<const Resource*>& leaves = names.back().leaves;
        if (leaves.empty() || leaves.back()->language != r->language) leaves.push_back(r); // first copy wins
    }
    return types;
}

struct TreeWriter {
    ByteVector tree;
    std::map<std::u16string, uint32_t> strings; // name string -> its offset

    uint32_t KeyField(const ResourceKey& key) const {
        return key.isNumber ? key.number : kHighBit | strings.at(key.text);
    }
    void Directory(uint32_t at, uint32_t named, uint32_t numbered) {
        Put16(tree, at + 12, named);
        Put16(tree, at + 14, numbered);
    }
    void Entry(uint32_t directoryAt, uint32_t index, uint32_t field, uint32_t target) {
        Put32(tree, directoryAt + 16 + 8ull * index, field);
        Put32(tree, directoryAt + 20 + 8ull * index, target);
    }
};

uint32_t NamedCount(const std::vector<const ResourceKey*>& keys) {
    return static_cast<uint32_t>(
        std::count_if(keys.begin(), keys.end(), [](auto k) { return !k->isNumber; }));
}

bool SerialiseTree(const std::vector<Resource>& resources, uint32_t sectionRva, ByteVector* out,
                   std::string* error) {
    const std::vector<TypeGroup> types = GroupInTreeOrder(resources);
    TreeWriter w;
    // Offsets first: directories, data entries, strings, data.
    uint64_t at = 16 + 8ull * types.size();
    std::vector<uint64_t> typeDirs, nameDirs, dataEntries;
    for (const TypeGroup& t : types) {
        typeDirs.push_back(at);
        at += 16 + 8ull * t.names.size();
    }
    for (const TypeGroup& t : types)
        for (const NameGroup& n : t.names) {
            nameDirs.push_back(at);
            at += 16 + 8ull * n.leaves.size();
        }
    for (const TypeGroup& t : types)
        for (const NameGroup& n : t.names)
            for (size_t i = 0; i < n.leaves.size(); ++i) {
                dataEntries.push_back(at);
                at += 16;
            }
    auto addString = [&](const ResourceKey& key) {
        if (key.isNumber || w.strings.count(key.text)) return;
        w.strings[key.text] = static_cast<uint32_t>(at);
        at += 2 + 2ull * key.text.size();
    };
    for (const TypeGroup& t : types) {
        addString(*t.type);
        for (const NameGroup& n : t.names)
            addString(*n.name);
    }
    std::vector<uint64_t> data;
    for (const TypeGroup& t : types)
        for (const NameGroup& n : t.names)
            for (const Resource* leaf : n.leaves) {
                at = AlignUp(at, 8);
                data.push_back(at);
                at += leaf->data.size();
            }
    at = AlignUp(at, 8);
    if (at + sectionRva > 0x7FFFFFFFu) return *error = "the resources do not fit in a program", false;
    w.tree.assign(at, 0);

    // Then the bytes.
    std::vector<const ResourceKey*> typeKeys;
    for (const TypeGroup& t : types)
        typeKeys.push_back(t.type);
    w.Directory(0, NamedCount(typeKeys), static_cast<uint32_t>(types.size()) - NamedCount(typeKeys));
    size_t nameIndex = 0, leafIndex = 0;
    for (size_t ti = 0; ti < types.size(); ++ti) {
        const TypeGroup& t = types[ti];
        w.Entry(0, static_cast<uint32_t>(ti), w.KeyField(*t.type),
                kHighBit | static_cast<uint32_t>(typeDirs[ti]));
        std::vector<const ResourceKey*> nameKeys;
        for (const NameGroup& n : t.names)
            nameKeys.push_back(n.name);
        const uint32_t typeDir = static_cast<uint32_t>(typeDirs[ti]);
        w.Directory(typeDir, NamedCount(nameKeys),
                    static_cast<uint32_t>(t.names.size()) - NamedCount(nameKeys));
        for (size_t ni = 0; ni < t.names.size(); ++ni, ++nameIndex) {
            const NameGroup& n = t.names[ni];
            const uint32_t nameDir = static_cast<uint32_t>(nameDirs[nameIndex]);
            w.Entry(typeDir, static_cast<uint32_t>(ni), w.KeyField(*n.name), kHighBit | nameDir);
            w.Directory(nameDir, 0, static_cast<uint32_t>(n.leaves.size()));
            for (size_t li = 0; li < n.leaves.size(); ++li, ++leafIndex) {
                const Resource& leaf = *n.leaves[li];
                const uint32_t entry = static_cast<uint32_t>(dataEntries[leafIndex]);
                w.Entry(nameDir, static_cast<uint32_t>(li), leaf.language, entry);
                Put32(w.tree, entry, sectionRva + static_cast<uint32_t>(data[leafIndex]));
                Put32(w.tree, entry + 4, static_cast<uint32_t>(leaf.data.size()));
                Put32(w.tree, entry + 8, leaf.codePage);
                std::copy(leaf.data.begin(), leaf.data.end(),
                          w.tree.begin() + static_cast<std::ptrdiff_t>(data[leafIndex]));
            }
        }
    }
    for (const auto& [text, offset] : w.strings) {
        Put16(w.tree, offset, static_cast<uint32_t>(text.size()));
        for (size_t i = 0; i < text.size(); ++i)
            Put16(w.tree, offset + 2 + 2 * i, text[i]);
    }
    *out = std::move(w.tree);
    return true;
}

// Where the new tree goes: over the old resource section when it is the last one (in the table, in
// memory and in the file) and holds nothing else, else into a new section after the last.
struct Placement {
    bool replace;
    size_t index; // the section replaced, or the new section's index
    uint32_t rva;
    uint64_t rawAt;
};

bool Place(const ByteVector& image, const PeLayout& pe, uint64_t dataEnd, Placement* place,
           std::string* error) {
    uint32_t rva, size;
    PeDirectory(image, pe, kPeResourceDirectory, &rva, &size);
    const size_t count = pe.sections.size();
    if (count && rva) {
        const PeSection& last = pe.sections.back();
        bool lastInMemory = true;
        for (const PeSection& s : pe.sections)
            lastInMemory = lastInMemory && s.virtualAddress <= last.virtualAddress;
        if (lastInMemory && rva == last.virtualAddress && last.rawSize &&
            uint64_t{last.rawOffset} + last.rawSize == dataEnd) {
            *place = {true, count - 1, last.virtualAddress, last.rawOffset};
            return true;
        }
    }
    uint64_t firstRaw = pe.sizeOfHeaders, memoryEnd = pe.sizeOfHeaders;
    for (const PeSection& s : pe.sections) {
        if (s.rawSize) firstRaw = std::min<uint64_t>(firstRaw, s.rawOffset);
        memoryEnd =
            std::max<uint64_t>(memoryEnd, uint64_t{s.virtualAddress} + std::max(s.virtualSize, s.rawSize));
    }
    const uint64_t headerEnd = pe.sectionTableAt + 40ull * (count + 1);
    if (headerEnd > firstRaw || headerEnd > pe.sizeOfHeaders || count >= 96)
        return *error = "no room for another section header", false;
    const uint64_t newRva = AlignUp(memoryEnd, pe.sectionAlignment);
    if (newRva > 0x7FFFFFFFu) return *error = "the image is too large", false;
    *place = {false, count, static_cast<uint32_t>(newRva), AlignUp(dataEnd, pe.fileAlignment)};
    return true;
}

} // namespace

bool WritePeResources(const ByteVector& image, const std::vector<Resource>& resources, ByteVector* out,
                      std::string* error) {
    PeLayout pe;
    if (!ReadPeLayout(image, &pe, error)) return false;
    if (pe.directoryCount <= kPeResourceDirectory) return *error = "no resource directory slot", false;
    uint32_t certificate, certificateSize;
    PeDirectory(image, pe, kPeCertificateDirectory, &certificate, &certificateSize);
    if (certificate) return *error = "a signed program cannot be changed", false;

    // Bytes past the last section (an overlay, a symbol table) move along behind the new tree.
    uint64_t dataEnd = pe.sizeOfHeaders;
    for (const PeSection& s : pe.sections)
        if (s.rawSize) dataEnd = std::max<uint64_t>(dataEnd, uint64_t{s.rawOffset} + s.rawSize);
    dataEnd = std::min<uint64_t>(dataEnd, image.size());
    Placement place;
    if (!Place(image, pe, dataEnd, &place, error)) return false;
    ByteVector tree;
    if (!SerialiseTree(resources, place.rva, &tree, error)) return false;
    const uint64_t rawSize = AlignUp(tree.size(), pe.fileAlignment);
    const uint64_t overlayAt = place.rawAt + rawSize;
    if (overlayAt + (image.size() - dataEnd) > 0xFFFFFFFFu)
        return *error = "the program would be too large", false;

    ByteVector result(image.begin(),
                      image.begin() + static_cast<std::ptrdiff_t>(std::min(place.rawAt, dataEnd)));
    result.resize(place.rawAt, 0);
    result.insert(result.end(), tree.begin(), tree.end());
    result.resize(overlayAt, 0);
    result.insert(result.end(), image.begin() + static_cast<std::ptrdiff_t>(dataEnd), image.end());

    const uint64_t header =
        place.replace ? pe.sections[place.index].headerAt : pe.sectionTableAt + 40ull * pe.sections.size();
    if (!place.replace) {
        std::fill(result.begin() + static_cast<std::ptrdiff_t>(header),
                  result.begin() + static_cast<std::ptrdiff_t>(header + 40), 0);
        const char name[8] = {'.', 'r', 's', 'r', 'c', 0, 0, 0};
        std::copy(name, name + 8, result.begin() + static_cast<std::ptrdiff_t>(header));
        Put32(result, header + 12, place.rva);
        Put32(result, header + 20, static_cast<uint32_t>(place.rawAt));
        Put32(result, header + 36, kSectionFlags);
        Put16(result, pe.fileHeaderAt + kPeSectionCountField, static_cast<uint32_t>(pe.sections.size() + 1));
        pe.sections.push_back({header, place.rva, 0, static_cast<uint32_t>(place.rawAt), 0, kSectionFlags});
    }
    Put32(result, header + 8, static_cast<uint32_t>(tree.size()));
    Put32(result, header + 16, static_cast<uint32_t>(rawSize));
    pe.sections[place.index].virtualSize = static_cast<uint32_t>(tree.size());
    pe.sections[place.index].rawSize = static_cast<uint32_t>(rawSize);

    const PeBytes in{image};
    const uint32_t symbols = in.U32(pe.fileHeaderAt + kPeSymbolTableField);
    if (symbols >= dataEnd) {
        Put32(result, pe.fileHeaderAt + kPeSymbolTableField,
              static_cast<uint32_t>(symbols - dataEnd + overlayAt));
    } else if (symbols >= place.rawAt) {
        return *error = "a symbol table lies inside the resource section", false;
    }
    Put32(result, pe.directoriesAt + 8ull * kPeResourceDirectory, place.rva);
    Put32(result, pe.directoriesAt + 8ull * kPeResourceDirectory + 4, static_cast<uint32_t>(tree.size()));
    uint64_t imageEnd = 0, initialised = 0;
    for (const PeSection& s : pe.sections) {
        imageEnd =
            std::max<uint64_t>(imageEnd, uint64_t{s.virtualAddress} + std::max(s.virtualSize, s.rawSize));
        if (s.characteristics & kInitialisedData) initialised += s.rawSize;
    }
    imageEnd = AlignUp(std::max<uint64_t>(imageEnd, pe.sizeOfHeaders), pe.sectionAlignment);
    if (imageEnd > 0xFFFFFFFFu || initialised > 0xFFFFFFFFu) return *error = "the image is too large", false;
    Put32(result, pe.optionalAt + kPeImageSizeField, static_cast<uint32_t>(imageEnd));
    Put32(result, pe.optionalAt + kPeInitialisedDataField, static_cast<uint32_t>(initialised));
    Put32(result, pe.optionalAt + kPeChecksumField, PeChecksum(result, pe.optionalAt + kPeChecksumField));
    *out = std::move(result);
    return true;
}
