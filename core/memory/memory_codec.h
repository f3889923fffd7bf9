#pragma once
// The whole radio image to and from the radio memory: every encoder in the order of a Write,
// every decoder in the order after a Read.

#include "memory/codec_support.h"
#include "model/radio_image.h"

namespace rp70 {

/// Encodes the image as a Write sends it: scan, alert, channels, options, 5-tone, 2-tone, DTMF
/// and book, each marking what it wrote. An encoder that fails shows its message and the
/// sequence stops there; false then (a Write must not send anything). Sorts the book and
/// completes the DTMF own ID in the image, as the radio receives them.
bool EncodeRadioMemory(RadioImage& image, const EncodeTarget& target);

/// Decodes a memory read from a radio into the image: channels, scan, alert, options, 5-tone,
/// 2-tone, DTMF and book. The channels follow the band code the image holds, which the caller
/// sets to the radio's first. Never fails; values the image cannot hold are repaired.
void DecodeRadioMemory(RadioImage& image, RadioMemory& memory);

} // namespace rp70
