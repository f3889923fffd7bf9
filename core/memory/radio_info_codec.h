#pragma once
// The radio and dealer information the radio keeps at 0010-00FF, read on request and shown.
// Nothing writes this area.

#include "memory/radio_memory.h"
#include "model/records/radio_info.h"

namespace rp70 {

/// Replaces the band code and every text of `info` but InfoModel and FirmwareVersion with what
/// the information area of `memory` holds. The radio password at 004C-004F is not taken.
void GetCommDataByRadioInfo(RadioInfo& info, const RadioMemory& memory);

} // namespace rp70
