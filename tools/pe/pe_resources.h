// The resources of a Windows executable, read from and written back into its file bytes (portable,
// bounds-checked). PE32 and PE32+.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "quizdata/byte_vector.h"

// A type or a name of the tree: a number, or a string (UTF-16 code units, as stored).
struct ResourceKey {
    bool isNumber = true;
    uint16_t number = 0;
    std::u16string text;
};

ResourceKey NumberKey(uint16_t number);
ResourceKey TextKey(const std::string& ascii);
bool operator==(const ResourceKey& a, const ResourceKey& b);
// The order Windows searches in: strings first (by code unit), then numbers ascending.
bool operator<(const ResourceKey& a, const ResourceKey& b);

// One leaf of the tree: type -> name -> language -> data.
struct Resource {
    ResourceKey type;
    ResourceKey name;
    uint16_t language = 0;
    uint32_t codePage = 0;
    ByteVector data;
};

constexpr uint16_t kResourceTypeDialog = 5;
constexpr uint16_t kResourceTypeRawData = 10;

// Leaves of a real program hold data of their own, which together fit in the file; many leaves naming
// the same bytes would make the copy grow with the square of a hostile file's size. So the reader takes
// at most this many times the file's size from distinct ranges, and, from ranges it has already taken (a
// quiz's picture used by several questions, stored once), at most kMostSharedResourceBytes more.
constexpr uint64_t kMostCopiesOfTheFile = 16;
constexpr uint64_t kMostSharedResourceBytes = 256ull << 20;

// Every resource of `image`, in the tree's order. False with *error on a file that is not a well-formed
// PE image or has no resource tree.
bool ReadPeResources(const ByteVector& image, std::vector<Resource>* resources, std::string* error);

// The machine field of the file header (0x14C i386, 0x8664 x86-64); 0 when `image` has no PE header.
uint16_t PeMachine(const ByteVector& image);

// The first resource of that type and name, in any language; null when there is none.
const Resource* FindPeResource(const std::vector<Resource>& resources, const ResourceKey& type,
                               const ResourceKey& name);

// Puts `data` under type and name in `language`, replacing every language that type and name had.
void SetResource(std::vector<Resource>* resources, const ResourceKey& type, const ResourceKey& name,
                 uint16_t language, ByteVector data);

// A copy of `image` whose resource tree is `resources`: the tree is written where the old resource
// section was when that is the last section, else as a new last section. Sizes, the data directory and
// the checksum follow. Same input, same bytes.
bool WritePeResources(const ByteVector& image, const std::vector<Resource>& resources, ByteVector* out,
                      std::string* error);

// The tree alone, its data addressed as if the tree started at `sectionRva`.
bool SerialiseResourceTree(const std::vector<Resource>& resources, uint32_t sectionRva, ByteVector* tree,
                           std::string* error);
