#pragma once
// The fixed choice lists of the editors' list inputs: which entry a stored value or a text
// selects, and the text an entry shows.

#include <string>
#include <string_view>
#include <vector>

namespace rp70 {

/// Position of a list without a selection.
inline constexpr int kNoSelection = -1;

/// The position a stored value selects: the value itself when the list has it, else the first
/// entry, and no selection in an empty list.
int PositionFor(int value, const std::vector<std::string>& list);

/// The position selecting by text gives: the first entry equal to `text`, else the first entry,
/// and no selection in an empty list.
int PositionOfText(const std::vector<std::string>& list, std::string_view text);

/// Entry `index` of `list`, entry 0 when the index is outside the list, the empty text for an
/// empty list.
std::string ItemByIndex(const std::vector<std::string>& list, int index);

/// The first entry of `list` equal to `text`, else entry 0; the empty text for an empty list.
std::string FindItem(const std::vector<std::string>& list, std::string_view text);

/// The text at `position`; the empty text for no selection or a position outside the list.
std::string TextAt(const std::vector<std::string>& list, int position);

} // namespace rp70
