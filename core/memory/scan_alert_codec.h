#pragma once
// The scan settings (03B0-03BF) and the alert settings (03A0-03AF) in the radio memory, byte
// for byte in the order of their data-file records.

#include "memory/codec_support.h"
#include "memory/radio_memory.h"
#include "model/radio_image.h"

namespace rp70 {

/// Writes the 14 scan bytes to 03B0 … 03BD, bytes 10 … 13 each lowered by one (0 is sent as
/// FF), and marks 03B0/16.
void SetCommDataByScan(const RadioImage& image, const EncodeTarget& target);

/// Writes the 12 alert bytes to 03A0 … 03A6 and 03A8 … 03AC (03A7 is skipped) and marks
/// 03A0/16.
void SetCommDataByAlert(const RadioImage& image, const EncodeTarget& target);

/// Reads the scan bytes back; bytes 10 … 13 are raised by one again (FF reads as 0).
void GetCommDataByScan(RadioImage& image, const RadioMemory& memory);

/// Reads the alert bytes back from 03A0 … 03A6 and 03A8 … 03AC.
void GetCommDataByAlert(RadioImage& image, const RadioMemory& memory);

} // namespace rp70
