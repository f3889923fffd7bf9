#pragma once
// Finding a channel by its number in the compact channel table of an image.

#include <optional>

#include "model/radio_image.h"

namespace rp70 {

/// The first used slot (0 … ChannelCount − 1, in slot order) that carries `number`.
std::optional<int> FindChannel(const RadioImage& image, int number);

/// True when a used slot carries `number`, whether it holds data or not.
bool ChannelExists(const RadioImage& image, int number);

/// True when a used slot carries `number` and its `InUse` is 1.
bool ChannelIsUsed(const RadioImage& image, int number);

} // namespace rp70
