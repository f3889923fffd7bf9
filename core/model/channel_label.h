#pragma once
// How the program names a channel: the label of its row in the channel table, which every list
// of channels in the editors uses as well.

#include <string>
#include <vector>

#include "model/radio_image.h"

namespace rp70 {

/// Label of row `row` of the channel table, the row being the channel number: "0" … "199" for
/// the memory channels 1 … 200 (one below the channel number), "PA", "PB", "CALL" and "VFO" for
/// 201 … 204, the empty text for any other row.
std::string RowLabel(int row);

/// The labels of the memory channels in the used slots of `image`, each once, ascending by
/// channel number: the entries of the editors' channel lists.
std::vector<std::string> MemoryChannelLabels(const RadioImage& image);

} // namespace rp70
