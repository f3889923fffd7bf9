#pragma once
// Whether the radio image still equals the copy it was last loaded, saved, read or reset as.

#include "model/radio_image.h"

namespace rp70 {

/// True when the working image equals its snapshot (`image.Saved`): band code, channel count,
/// decode time and option extras; every saved channel found by its number among the working
/// channels with equal fields; the DTMF, 2-tone, 5-tone, options, scan and alert records; the
/// book; and, in the factory test mode, the test values. Texts are compared as `TextOf` shows
/// them, codes with a length field on their significant digits. A damaged channel count is
/// bounded to the table's slots. New, Open and Read ask to save when this is false.
bool IsUnchanged(const RadioImage& image);

} // namespace rp70
