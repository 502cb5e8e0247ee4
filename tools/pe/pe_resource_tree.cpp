// The resource tree as bytes. Layout: all directories (root, then every type's, then every name's), the
// data entries, the name strings, then the data, each piece 8-byte aligned and stored once however many
// leaves hold the same bytes. Nothing in it depends on the time, so the same input gives the same bytes.
#include <algorithm>
#include <cstddef>
#include <map>

#include "tools/pe/pe_layout.h"
#include "tools/pe/pe_resources.h"

namespace {

constexpr uint32_t kHighBit = 0x80000000u;

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
        PeWrite16(tree, at + 12, named);
        PeWrite16(tree, at + 14, numbered);
    }
    void Entry(uint32_t directoryAt, uint32_t index, uint32_t field, uint32_t target) {
        PeWrite32(tree, directoryAt + 16 + 8ull * index, field);
        PeWrite32(tree, directoryAt + 20 + 8ull * index, target);
    }
};

uint32_t NamedCount(const std::vector<const ResourceKey*>& keys) {
    return static_cast<uint32_t>(
        std::count_if(keys.begin(), keys.end(), [](auto k) { return !k->isNumber; }));
}

} // namespace

bool SerialiseResourceTree(const std::vector<Resource>& resources, uint32_t sectionRva, ByteVector* out,
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
    // Leaves with the same bytes (one picture used by many questions) share one copy of them.
    std::vector<uint64_t> data;
    std::vector<bool> firstCopy;
    const auto byBytes = [](const ByteVector* a, const ByteVector* b) { return *a < *b; };
    std::map<const ByteVector*, uint64_t, decltype(byBytes)> placed(byBytes);
    for (const TypeGroup& t : types)
        for (const NameGroup& n : t.names)
            for (const Resource* leaf : n.leaves) {
                const auto found = placed.find(&leaf->data);
                firstCopy.push_back(found == placed.end() || leaf->data.empty());
                if (!firstCopy.back()) {
                    data.push_back(found->second);
                    continue;
                }
                at = AlignUp(at, 8);
                data.push_back(at);
                placed.emplace(&leaf->data, at);
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
                PeWrite32(w.tree, entry, sectionRva + static_cast<uint32_t>(data[leafIndex]));
                PeWrite32(w.tree, entry + 4, static_cast<uint32_t>(leaf.data.size()));
                PeWrite32(w.tree, entry + 8, leaf.codePage);
                if (firstCopy[leafIndex])
                    std::copy(leaf.data.begin(), leaf.data.end(),
                              w.tree.begin() + static_cast<std::ptrdiff_t>(data[leafIndex]));
            }
        }
    }
    for (const auto& [text, offset] : w.strings) {
        PeWrite16(w.tree, offset, static_cast<uint32_t>(text.size()));
        for (size_t i = 0; i < text.size(); ++i)
            PeWrite16(w.tree, offset + 2 + 2 * i, text[i]);
    }
    *out = std::move(w.tree);
    return true;
}
