#pragma once
// The DTMF settings in the radio memory: the timing and option bytes with the own ID and the
// kill and stun codes at 02E0-02FF, the PTT-ID begin and end codes at 0340-035F and the
// sixteen code memories at 0400-04FF.

#include "memory/codec_support.h"
#include "memory/radio_memory.h"
#include "model/radio_image.h"

namespace rp70 {

/// Writes the image's DTMF record into `target.Memory` and marks 02E0/32, 0340/32 and
/// 0400/256. The own ID is completed to three digits ("0" appended; "000" when it is not a
/// number) and stored back into the image. Returns false after showing
/// "SetCommDataByDTMFError" when a value does not fit the memory (a code digit that is not
/// hexadecimal, a kill or stun code shorter than its length, a value outside 0 … 255); the
/// image then keeps its own ID.
bool SetCommDataByDTMF(RadioImage& image, const EncodeTarget& target);

/// Reads the DTMF record back from `memory`. `Ani` and `SendTime` (read with the options) and
/// `PttId` (which the radio does not keep) keep their values. A decode response above 2 and a
/// first digit delay above 250 are repaired to 0, in the image and in `memory` alike. Never
/// fails.
void GetCommDataByDTMF(RadioImage& image, RadioMemory& memory);

} // namespace rp70
