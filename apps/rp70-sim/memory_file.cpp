#include "memory_file.h"

#include <algorithm>

#include "files/file_io.h"

namespace rp70::sim {

bool LoadMemoryFile(const std::string& path, RadioMemory& memory, std::string& error) {
    // One byte more than a memory holds tells a longer file from an exact one.
    const auto bytes = ReadFileBytes(path, kRadioMemorySize + 1);
    if (!bytes) {
        error = path + ": cannot be read";
        return false;
    }
    if (bytes->size() != kRadioMemorySize) {
        error =
            path + ": not a radio memory file of " + std::to_string(kRadioMemorySize) + " bytes";
        return false;
    }
    std::copy(bytes->begin(), bytes->end(), memory.begin());
    return true;
}

bool SaveMemoryFile(const std::string& path, const RadioMemory& memory, std::string& error) {
    const std::string_view bytes(reinterpret_cast<const char*>(memory.data()), memory.size());
    if (!ReplaceFileContents(path, bytes)) {
        error = path + ": cannot be written";
        return false;
    }
    return true;
}

} // namespace rp70::sim
