#include "tools/common/atomic_write.h"

#include "tools/common/file_access.h"
#include "tools/common/file_bytes.h"

bool WriteFileAtomically(const std::string& path, const ByteVector& bytes) {
    const std::string temporary = path + ".part";
    if (!WriteFileBytes(temporary, bytes)) {
        RemoveFile(temporary);
        return false;
    }
    if (RenameFile(temporary, path)) return true;
    RemoveFile(temporary);
    return false;
}
