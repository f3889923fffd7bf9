#pragma once
// Looking at the radio memory and at stored fields byte by byte.

#include <string>

#include "memory/radio_memory.h"
#include "support/record_bytes.h"

namespace rp70::test {

/// The `count` bytes of `memory` from `address`.
inline Bytes BytesAt(const RadioMemory& memory, int address, int count) {
    return Bytes(memory.begin() + address, memory.begin() + address + count);
}

/// A fixed-width field exactly as stored, NULs and padding included.
template <class Field> std::string Stored(const Field& field) {
    return std::string(field.begin(), field.end());
}

} // namespace rp70::test
