#pragma once
// The 5-tone code list without its grid: the 100 entries of the 5-tone record as rows of texts,
// what each row shows (a plain code, or a special code: a data message, an ANI call or a PTT-ID),
// which cells open an editor, storing a committed cell, where Enter moves, resetting a special
// row, storing the whole list, and rewriting the codes when the own ID changes.

#include <array>
#include <string>
#include <string_view>
#include <vector>

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

/// What an entry's code is. Data messages begin "E1" (at least 8 characters), PTT-ID codes "E6"
/// (at least 6); ANI codes are recognised by IsAniCode.
enum class CodeKind { Plain, DataMessage, PttId, Ani };

/// The kind of the stored code `digits` (trimmed) for `ownId`.
CodeKind KindOfCode(std::string_view digits, std::string_view ownId);

/// The text of the special column for `kind`: the data message text, "ANI", "PTTID", or empty.
std::string SpecialText(CodeKind kind, const LanguageTexts& texts);

/// The tone duration list of the grid's tone length editor: "30", "40", … "100".
std::vector<std::string> ToneLengthTexts();

/// Showing one entry: repairs `code` (a `Length` above 40 becomes 0, a `Standard` above 15
/// becomes 0, a `ToneLength` outside 3 … 10 becomes 7) and gives its row. An entry not in use
/// shows only "ZVEI1" and "70"; a special code shows its type and, for a data message its target
/// and message, for an ANI code its target and separator.
CodeRow ShowCodeEntry(FiveToneCode& code, int entry, std::string_view ownId,
                      const LanguageTexts& texts);

/// Showing the list (opening, own ID change): repairs the entries of `record`, gives the grid's
/// texts; ANI rows are recognised for `ownId`.
CodeRows ShowCodeList(FiveToneRecord& record, std::string_view ownId, const LanguageTexts& texts);

/// One cell of the grid.
struct CodeCell {
    int Entry = 0;
    CodeColumn Column = CodeColumn::Code;

    bool operator==(const CodeCell&) const = default;
};

/// A row holding a special code (its special column is not empty).
bool IsSpecialRow(const CodeRow& row);

/// Whether entering `column` of `row` opens an editor: the code cell unless the row is special;
/// the standard, tone length and name cells while the row has a code or is a PTT-ID row.
bool OpensEditor(const CodeRow& row, CodeColumn column);

/// Stores `text` of the editor of `cell` into its entry of `record` and its row: a code encoded
/// for `ownId` (an empty code marks the entry not in use, any other in use), a standard by name,
/// a tone length in ms, a name trimmed.
void CommitCodeCell(FiveToneRecord& record, CodeRows& rows, CodeCell cell, std::string_view text,
                    std::string_view ownId);

/// Choosing `standard` in the standard editor proposes its default duration in the row's tone
/// length cell.
void ProposeToneLength(CodeRow& row, int standard);

/// Where Enter moves from the editor of `cell` showing `text`: from a code to its standard, or
/// to the next row's code when the code is empty; from a standard to its tone length; from a
/// tone length to the next row's code; from a name to the next row's special column. After the
/// last row comes the first.
CodeCell NextCodeCell(CodeCell cell, std::string_view text);

/// Resets the special code of `entry`: its code becomes empty and its row plain. Whether it is
/// in use, its standard, tone length and name stay.
void ResetSpecialRow(FiveToneRecord& record, CodeRows& rows, int entry);

/// Storing the list (OK, own ID change): each entry from its `Digits` and the grid's columns
/// 3 … 5, with the record's `OwnId` field.
void StoreCodeList(FiveToneRecord& record, const CodeRows& rows);

/// Own ID change: rewrites the code list entries and the begin and end codes of `record` from
/// `previousOwnId` to the record's (new) `OwnId`.
void RewriteOwnId(FiveToneRecord& record, std::string_view previousOwnId);

} // namespace rp70
