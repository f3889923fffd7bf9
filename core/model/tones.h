#pragma once
// The two tone vocabularies of a channel: the CTCSS tones (stored as their list index) and the
// DCS codes (stored as the value of the octal code).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace rp70 {

inline constexpr std::size_t kCtcssToneCount = 51;

/// Highest DCS code value: octal 777.
inline constexpr int kMaxDcsCode = 511;

/// The CTCSS tones in Hz, "62.5" … "254.1"; a channel stores the index 0 … 50.
const std::array<std::string_view, kCtcssToneCount>& CtcssList();

/// Name of a DCS code value 0 … 511: exactly three octal digits, 19 → "023", 511 → "777".
/// A value outside 0 … 511 gives the empty text; callers that show stored values repair the
/// value first.
std::string DcsCodeText(int value);

/// Entry of the channel table's DCS list: the three digits and "N" ("023N"); the empty text
/// for a value outside 0 … 511.
std::string DcsListEntry(int value);

/// Table cell of a DCS tone: "D", the three digits, then "I" when inverted or "N" when not
/// ("D023N", "D023I"); the empty text for a value outside 0 … 511.
std::string DcsCellText(int value, bool inverted);

} // namespace rp70
