#pragma once
// Operations on the compact channel table of an image: deleting and the repairs of the
// references that other records hold into the channel list and into the 2-tone and 5-tone
// tables. Finding a channel is model/channel_lookup.h's; the repair of the channels' own
// signalling references is model/signalling_references.h's.

#include "model/channel_lookup.h"
#include "model/radio_image.h"
#include "model/signalling_references.h"

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

/// After the 5-tone table changed: an alert identified by a 5-tone code (type 2) takes
/// FirstDefinedFiveTone of that code.
void FixAlertFiveToneReference(RadioImage& image);

} // namespace rp70
