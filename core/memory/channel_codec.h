#pragma once
// The channels in the radio memory: the in-use and scan bitmaps at 0100 and 0120, one 32-byte
// block per channel and the PTT-ID codes of the memory channels at 0600.

#include "memory/codec_support.h"
#include "model/radio_image.h"

namespace rp70 {

/// Address of the 32-byte block of channel `channelNumber`: 2000 + (n − 1) × 32 for the memory
/// channels 1 … 200, 0280 for PA (201), 0260 for PB (202), 02A0 for CALL (203), 02C0 for VFO
/// (204); −1 for any other number.
int ChannelBlockAddress(int channelNumber);

/// Encodes the used slots of the channel table, in slot order, into the memory and marks what a
/// Write sends (the two bitmaps and every channel block; the PTT-ID codes are written but not
/// marked). Each memory channel encoded is reported to `target.Marks.ChannelEncoded`. A slot
/// whose number has no place in the memory, or whose number an earlier slot already carried,
/// is left out. A value the memory cannot hold shows "SetCommDataByFrequencyError" and gives
/// false; the channels after it are not encoded.
bool SetCommDataByFrequency(const RadioImage& image, const EncodeTarget& target);

/// Rebuilds the channel table and `Record.ChannelCount` from the memory, in ascending channel
/// number. With band code 16 in `image.BandIndex`, memory channels 1 … 80 are the fixed 245 MHz
/// channels. PTT-ID code bytes above 15 are set to 0 in `memory`. Never fails.
void GetCommDataByFrequency(RadioImage& image, RadioMemory& memory);

} // namespace rp70
