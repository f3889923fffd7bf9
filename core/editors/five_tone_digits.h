#pragma once
// 5-tone digits: the table of the 14 tone standards, the repeat-tone encoding a code is stored
// in, ANI codes, and showing stored codes again. The 5-tone dialog, its code list and its
// special call dialog share these rules.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "texts/language_texts.h"

namespace rp70 {

/// Number of tone standards; `Standard` fields hold 0 … 13.
inline constexpr int kFiveToneStandardCount = 14;

/// One tone standard: its name, the frequency text of each digit "0" … "9", "A" … "F" (empty
/// where the standard has no tone) and its default tone duration.
struct FiveToneStandard {
    const char* Name;
    std::array<const char*, 16> Tones;
    int DurationMs;
};

/// The tone standards in the order of the standard lists.
const std::array<FiveToneStandard, kFiveToneStandardCount>& FiveToneStandards();

/// The names of the standards, for the standard lists.
std::vector<std::string> FiveToneStandardNames();

/// The default tone duration of `standard` in 10 ms units (7 for a standard outside 0 … 13).
int DefaultToneLength(int standard);

/// The read-only table text of `standard`: its name, the frequency heading, one line per digit,
/// its duration, the group and the repeat tone, each line ended by CR LF. Empty for a standard
/// outside 0 … 13.
std::string StandardTableText(int standard, const LanguageTexts& texts);

/// The text of a stored digits field: trailing spaces removed, cut at the first NUL.
std::string StoredDigits(std::string_view field);

/// Encodes `digits` with the repeat rule: a tone equal to the one sent before it becomes the
/// repeat tone "E" (11 → 1E, 111 → 1E1). With a `preceding` digit (anything but 'X') the string
/// is encoded as if that digit came first, and the result leaves it out. In a code beginning
/// "E1" (a data message) the characters after the eighth are kept as they are.
std::string EncodeRepeats(std::string_view digits, char preceding = 'X');

/// Whether `code` is an ANI code for `ownId`: a five-digit target, an optional separator
/// A … F, then "SelfID" or the own ID (plain or encoded).
bool IsAniCode(std::string_view code, std::string_view ownId);

/// Encodes a code for storage: an ANI code for `ownId` as a whole, keeping the separator and the
/// first own-ID digit of an 11-character code as they are; any other code with EncodeRepeats.
std::string EncodeCode(std::string_view code, std::string_view ownId);

/// Characters `start` … `start` + `length` − 1 (counted from 1) of `text`, every "E" replaced by
/// the character before it in `text`; positions past the end give nothing.
std::string Mid5ToneNoE(std::string_view text, int start, int length);

/// A stored code as an input shows it: `digits` cut to `length` characters if longer, or filled
/// with "E" up to `length` characters if shorter.
std::string CodeToLength(std::string_view digits, int length);

} // namespace rp70
