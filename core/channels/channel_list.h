#pragma once
// Operations on the compact channel table of an image: deleting and the repairs of the
// references that other records hold into the channel list and into the 2-tone and 5-tone
// tables. Finding a channel is model/channel_lookup.h's.

#include "model/channel_lookup.h"
#include "model/radio_image.h"
#include "model/records/five_tone_record.h"
#include "model/records/two_tone_record.h"

namespace rp70 {

/// Removes the slot of `number`: every later used slot moves down by one and `ChannelCount`
/// drops by one. Nothing happens when no slot carries the number.
void DeleteChannel(RadioImage& image, int number);

/// `number` when a used slot carries it as a memory channel (1 … 200); otherwise the memory
/// channel of the last such slot in slot order; 0 when the table holds no memory channel.
int NearestMemoryChannel(const RadioImage& image, int number);

/// After a channel was edited: moves the two scan priority channels and the emergency channel
/// of the alert settings onto channels that exist (see NearestMemoryChannel).
void FixChannelReferences(RadioImage& image);

/// `n` when 2-tone entry `n` (0 … 31) is defined, else the lowest defined entry, else 0. An
/// entry is defined when its `EntryEmpty` is 0; an `n` outside 0 … 31 is never defined.
int FirstDefinedTwoTone(const TwoToneRecord& record, int n);

/// `n` when 5-tone code `n` (0 … 99) is defined, else the lowest defined code, else 0. A code
/// is defined when its `InUseFlag` is 0; an `n` outside 0 … 99 is never defined.
int FirstDefinedFiveTone(const FiveToneRecord& record, int n);

/// After the 2-tone or 5-tone table changed: every used slot with 2-tone signalling takes
/// FirstDefinedTwoTone of its entry, every one with 5-tone signalling FirstDefinedFiveTone.
void FixSignallingReferences(RadioImage& image);

/// After the 5-tone table changed: an alert identified by a 5-tone code (type 2) takes
/// FirstDefinedFiveTone of that code.
void FixAlertFiveToneReference(RadioImage& image);

} // namespace rp70
