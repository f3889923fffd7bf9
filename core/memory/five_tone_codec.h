#pragma once
// The 5-tone settings in the radio memory: the system values and own ID at 0320-0334, the
// PTT-ID begin and end codes at 0360 and 0370, the code list bitmap at 0390-039C, the eight
// info codes at 0500-05FF and the 100 code list elements of 32 bytes at 0D00-197F.

#include "memory/codec_support.h"
#include "memory/radio_memory.h"
#include "model/radio_image.h"

namespace rp70 {

/// Writes the image's 5-tone record and its `DecodeTime` into `target.Memory`. Marks 0320/32,
/// 0360/32, 0500/256, 0390/16 and the 32 bytes of every code list element whose `InUseFlag`
/// is 0. Returns false after showing "SetCommDataBy5ToneError" when the record cannot be
/// encoded: a value outside 0 … 255, an own ID with fewer digits than `OwnIdLength` or a
/// `OwnIdLength` above 5, a begin or end code longer than 24 tones, a code list element longer
/// than 40 tones, an info code longer than 12 digits, or a digit that is not hexadecimal.
bool SetCommDataBy5Tone(const RadioImage& image, const EncodeTarget& target);

/// Reads the 5-tone record and `DecodeTime` back from `memory` into the image. Fields the
/// memory does not hold keep their values, and so does every code list element whose bitmap
/// bit says it is not in use (only its `InUseFlag` becomes 1). Lengths are bounded to what
/// their place holds. Never fails.
void GetCommDataBy5Tone(RadioImage& image, const RadioMemory& memory);

} // namespace rp70
