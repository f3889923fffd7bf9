#pragma once
// The texts of the channel table as the main window and the command line show it: one row per
// channel number (1 … 200 memory channels, then PA, PB, CALL and VFO), a label column and ten
// data columns.

#include <array>
#include <string>
#include <vector>

#include "model/channel_label.h" // RowLabel, the label column
#include "model/radio_image.h"
#include "model/records/channel_record.h"
#include "texts/language_texts.h"
#include "texts/user_context.h"

namespace rp70 {

/// Data rows of the channel table; the row of a channel is its `ChannelNumber`.
inline constexpr int kChannelRows = 204;

/// Data columns 1 … 10 of one row (element 0 is column 1): receive frequency, transmit
/// frequency, name, step, bandwidth, the hidden auxiliary column, power, decode tone, encode
/// tone and optional signalling.
using ChannelRowTexts = std::array<std::string, 10>;

/// The data cells of a channel. Stored values outside their ranges are shown repaired; the
/// record itself is never changed. Stored frequency digits that are not a number show
/// "Not IsNumeric" through `ctx`.
ChannelRowTexts RenderChannelRow(const ChannelRecord& channel, const RadioImage& image,
                                 UserContext& ctx);

/// The data cells of row `number`: RenderChannelRow of the first slot carrying the number, or
/// ten empty texts when no slot does.
ChannelRowTexts RenderChannelNumber(const RadioImage& image, int number, UserContext& ctx);

/// The whole table, element r − 1 for row r (1 … 204): the used slots rendered in slot order
/// into the row of their number, so a later slot with the same number wins. Rows without a
/// slot, and slots whose number has no row, leave nothing.
std::vector<ChannelRowTexts> RenderChannelTable(const RadioImage& image, UserContext& ctx);

/// Headers of columns 0 … 10 from the language texts; the two tone columns have two lines
/// separated by "\r\n".
std::array<std::string, 11> ChannelTableHeaders(const LanguageTexts& texts);

} // namespace rp70
