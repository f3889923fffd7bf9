#pragma once
// The 2-tone settings in the radio memory: the 24-byte header at 0300, the entry bitmap at
// 0380-0383 and the 32 decode entries of 16 bytes at 0B00-0CFF.

#include "memory/codec_support.h"
#include "memory/radio_memory.h"
#include "model/radio_image.h"

namespace rp70 {

/// Writes the image's 2-tone record into `target.Memory`: the header, the bitmap (bit clear
/// for each entry whose `EntryEmpty` is 0) and all 32 entries. Marks 0300/32, 0380/16 and the
/// 16 bytes of every entry in use. Every field of the record is a byte or a name, so it always
/// fits; should the encoding fail all the same, "SetCommDataBy2ToneError" is shown and false
/// returned.
bool SetCommDataBy2Tone(const RadioImage& image, const EncodeTarget& target);

/// Replaces the image's 2-tone record by the one `memory` holds. An entry not in use reads as
/// `EntryEmpty` 1 with zero bytes and a name of seven NUL characters; a pair position above 14
/// reads as 0. Never fails.
void GetCommDataBy2Tone(RadioImage& image, const RadioMemory& memory);

} // namespace rp70
