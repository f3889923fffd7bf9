#pragma once
// Comma-separated values as spreadsheets and other radio programming tools write them: fields
// in double quotes may hold commas, line breaks and doubled quotes; lines end in CR LF or LF; a
// UTF-8 byte order mark at the start is skipped.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace rp70 {

/// One record of a CSV text with the line it starts on (1 for the first line).
struct CsvRow {
    int Line = 0;
    std::vector<std::string> Fields;
};

/// Why a text could not be read as CSV: one sentence naming the place.
struct CsvError {
    std::string Message;
    bool TooManyRows = false; ///< the text holds more records than allowed
};

/// The records of `text`. Blank lines are left out. Fails on a quote that is never closed, on
/// characters after a closing quote, on NUL bytes and on text that is not UTF-8, and when the
/// text holds more than `maxRows` records.
std::variant<std::vector<CsvRow>, CsvError> ReadCsv(std::string_view text, std::size_t maxRows);

/// `field` as a CSV field: in double quotes (inner quotes doubled) when it holds a comma, a
/// quote, a line break or blanks at either end; otherwise as it is.
std::string CsvField(std::string_view field);

} // namespace rp70
