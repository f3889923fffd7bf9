#pragma once
// Which 2-tone entries and 5-tone codes are defined, and the repair of the channels that select
// one that is not: the editors of both tables and the channel operations use it alike.

#include "model/radio_image.h"
#include "model/records/five_tone_record.h"
#include "model/records/two_tone_record.h"

namespace rp70 {

/// `n` when 2-tone entry `n` (0 … 31) is defined, else the lowest defined entry, else 0. An
/// entry is defined when its `EntryEmpty` is 0; an `n` outside 0 … 31 is never defined.
int FirstDefinedTwoTone(const TwoToneRecord& record, int n);

/// `n` when 5-tone code `n` (0 … 99) is defined, else the lowest defined code, else 0. A code
/// is defined when its `InUseFlag` is 0; an `n` outside 0 … 99 is never defined.
int FirstDefinedFiveTone(const FiveToneRecord& record, int n);

/// After the 2-tone or 5-tone table changed: every used slot with 2-tone signalling takes
/// FirstDefinedTwoTone of its entry, every one with 5-tone signalling FirstDefinedFiveTone.
void FixSignallingReferences(RadioImage& image);

} // namespace rp70
