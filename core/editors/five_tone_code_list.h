#pragma once
// The 5-tone code list without its grid: the 100 entries of the 5-tone record as rows of texts,
// what each row shows (a plain code, or a special code: a data message, an ANI call or a PTT-ID),
// which cells open an editor, storing a committed cell, where Enter moves, resetting a special
// row, storing the whole list, and rewriting the codes when the own ID changes.

#include <array>
#include <string>
#include <string_view>

#include "model/records/five_tone_record.h"
#include "texts/language_texts.h"

namespace rp70 {

/// The columns of the code list grid.
enum class CodeColumn : int {
    Number = 0,
    Special = 1,
    Code = 2,
    Standard = 3,
    ToneLength = 4,
    Name = 5
};
inline constexpr int kCodeColumnCount = 6;
/// The texts of one grid row.
using CodeRow = std::array<std::string, kCodeColumnCount>;
/// The rows of the grid, entry 0 first.
using CodeRows = std::array<CodeRow, kFiveToneCodeCount>;

/// Showing the list (opening, own ID change): repairs the entries of `record`, gives the grid's
/// texts; ANI rows are recognised for `ownId`.
CodeRows ShowCodeList(FiveToneRecord& record, std::string_view ownId, const LanguageTexts& texts);

/// Storing the list (OK, own ID change): each entry from its `Digits` and the grid's columns
/// 3 … 5, with the record's `OwnId` field.
void StoreCodeList(FiveToneRecord& record, const CodeRows& rows);

/// Own ID change: rewrites the code list entries and the begin and end codes of `record` from
/// `previousOwnId` to the record's (new) `OwnId`.
void RewriteOwnId(FiveToneRecord& record, std::string_view previousOwnId);

} // namespace rp70
