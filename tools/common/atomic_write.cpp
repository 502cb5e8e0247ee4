#include "tools/common/atomic_write.h"

#include <cstdio>
#include <cstdlib>

#include "tools/common/file_bytes.h"

#ifndef _WIN32
#include <unistd.h>
#endif

bool WriteFileAtomically(const std::string& path, const ByteVector& bytes) {
    const std::string temporary = path + ".part";
    if (!WriteFileBytes(temporary, bytes)) {
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    // The Windows C library does not rename over an existing file: the old one goes first.
    if (std::remove(path.c_str()) == 0 && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

std::string ProgramDirectory() {
    std::string path;
#ifdef _WIN32
    if (_pgmptr) path = _pgmptr;
    const size_t slash = path.find_last_of("/\\");
#else
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length > 0) path.assign(buffer, static_cast<size_t>(length));
    const size_t slash = path.find_last_of('/');
#endif
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}
