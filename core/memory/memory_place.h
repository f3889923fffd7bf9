#pragma once
// What a block of the radio memory holds, in words a dealer recognises: "channel 3",
// "options", "5-tone code 12". Verification names the blocks that came back different.

#include <string>

#include "texts/builtin_texts.h"

namespace rp70 {

/// The channel, entry or setting area the 16-byte block at `address` belongs to, in
/// `language`; "unused memory" for addresses no encoder writes.
std::string MemoryPlace(int address, Language language);

} // namespace rp70
