#pragma once
// The radio's general options in its memory: the options area at 0210-024F (values, flag
// bytes, key assignments and the power-on password) and the power-on text at 03E0-03EF.

#include "memory/codec_support.h"
#include "memory/radio_memory.h"
#include "model/radio_image.h"

namespace rp70 {

/// Writes the options, the three OptionExtra flags and the DTMF values Ani and SendTime into
/// the options area and marks 0210/64 and 03E0/16. Option1706, Option1708, Option1715 and the
/// reserved value have no place in the radio and are not sent. A value the area cannot hold
/// shows "SetCommDataByOptionError" and returns false.
bool SetCommDataByOption(const RadioImage& image, const EncodeTarget& target);

/// Reads the options area back into the image (OptionsRecord, OptionExtra, Ani and SendTime).
/// A key lock byte above 1 reads as 1 and an Option18 byte above 1 as 0; the memory keeps the
/// bytes as they were. Fields without a place in the radio keep their values.
void GetCommDataByOption(RadioImage& image, const RadioMemory& memory);

} // namespace rp70
