#pragma once
// Copy, cut, paste and delete of whole channels through the image's channel clipboard.

#include "model/radio_image.h"

namespace rp70 {

/// The channel commands of the main window ("C", "X", "V" and "D").
enum class ChannelCommand { Copy, Cut, Paste, Delete };

/// Table index of the channel table among the main window's three tables.
inline constexpr int kChannelTableIndex = 0;

/// Table 0 only: the clipboard takes the channel `number` when a slot carries it with `InUse`
/// 1; otherwise only the clipboard's `InUse` becomes 0, so that a later paste empties its target.
void CopyChannel(RadioImage& image, int tableIndex, int number);

/// Table 0 only: CopyChannel, and the channel is deleted when it was copied.
void CutChannel(RadioImage& image, int tableIndex, int number);

/// Table 0 only: an empty clipboard deletes the channel `number`; otherwise the slot of the
/// number (or a new slot after the used ones) becomes the clipboard's channel with the number
/// `number`. Numbers outside 1 … 204, and a new slot when all 204 are used, change nothing.
void PasteChannel(RadioImage& image, int tableIndex, int number);

/// One channel command on row `number` of table `tableIndex` (0 … 2; any other index does
/// nothing). Copy and cut mark the clipboard valid for the table; paste acts only when it is
/// valid. Returns true when row `number` of the channel table has to be redrawn.
bool ApplyChannelCommand(RadioImage& image, ChannelCommand command, int tableIndex, int number);

} // namespace rp70
