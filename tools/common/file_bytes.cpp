#include "tools/common/file_bytes.h"

#include <cstdio>

#include "tools/common/file_access.h"

bool ReadFileBytes(const std::string& path, ByteVector* bytes) {
    FILE* file = OpenFile(path, "rb");
    if (!file) return false;
    bytes->clear();
    unsigned char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes->insert(bytes->end(), chunk, chunk + got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool WriteFileBytes(const std::string& path, const ByteVector& bytes) {
    FILE* file = OpenFile(path, "wb");
    if (!file) return false;
    // An empty vector may hold no buffer at all, which fwrite must not be handed.
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool WriteFileText(const std::string& path, const std::string& text) {
    return WriteFileBytes(path, ByteVector(text.begin(), text.end()));
}
