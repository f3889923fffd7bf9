#pragma once
// The file that keeps the simulated radio's memory between runs: the 16384 bytes as they are.

#include <string>

#include "memory/radio_memory.h"

namespace rp70::sim {

/// Reads the memory file at `path` into `memory`. False with `error` set when it cannot be read
/// or does not hold exactly 16384 bytes.
bool LoadMemoryFile(const std::string& path, RadioMemory& memory, std::string& error);

/// Writes `memory` to `path` through a temporary file in the same folder that then replaces
/// it, so the file is never half-written. False with `error` set when that fails.
bool SaveMemoryFile(const std::string& path, const RadioMemory& memory, std::string& error);

} // namespace rp70::sim
