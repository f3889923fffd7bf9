#pragma once
// The communication book in the radio memory: 128 call IDs of 5 bytes at 1980 and 128 names
// of 8 bytes at 1C00, entry i at 1980 + 5i and 1C00 + 8i.

#include "memory/codec_support.h"
#include "memory/radio_memory.h"
#include "model/radio_image.h"

namespace rp70 {

/// Sorts the image's book by ID, then writes every entry (empty ones included) and marks its
/// 5 ID bytes and 8 name bytes. An ID that is not a number is sent as five 00 bytes. Shows
/// "SetCommDataByDTMFCommuBookError" and returns false if an entry cannot be written.
bool SetCommDataByDTMFCommuBook(RadioImage& image, const EncodeTarget& target);

/// Reads the 128 entries back into the image's book, each numbered with its position.
void GetCommDataByBook(RadioImage& image, const RadioMemory& memory);

} // namespace rp70
