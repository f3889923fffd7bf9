#include "channels/csv_reader.h"

namespace rp70 {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

/// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        unsigned min = 0;
        unsigned code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1, min = 0x80, code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2, min = 0x800, code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3, min = 0x10000, code = lead & 0x07u;
        } else {
            return false;
        }
        if (i + extra >= text.size()) {
            return false;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0u) != 0x80u) {
                return false;
            }
            code = (code << 6) | (next & 0x3Fu);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

std::string OnLine(int line) {
    return "line " + std::to_string(line);
}

} // namespace

std::variant<std::vector<CsvRow>, CsvError> ReadCsv(std::string_view text, std::size_t maxRows) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    if (text.find('\0') != std::string_view::npos || !IsUtf8(text)) {
        return CsvError{"not a text file (it holds bytes that are not UTF-8 text)"};
    }
    std::vector<CsvRow> rows;
    CsvRow row{1, {}};
    std::string field;
    int line = 1;
    std::size_t i = 0;
    const auto endRow = [&]() -> bool {
        row.Fields.push_back(std::move(field));
        field.clear();
        const bool blank = row.Fields.size() == 1 && row.Fields.front().empty();
        if (!blank) {
            if (rows.size() == maxRows) {
                return false;
            }
            rows.push_back(std::move(row));
        }
        row = CsvRow{line, {}};
        return true;
    };
    const auto tooMany = [&] {
        return CsvError{"more than " + std::to_string(maxRows) + " rows", true};
    };
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"' && field.empty()) {
            const int opened = line;
            ++i;
            for (;;) {
                if (i >= text.size()) {
                    return CsvError{"the quote opened on " + OnLine(opened) + " is never closed"};
                }
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (text[i] == '\n') {
                    ++line;
                }
                field += text[i++];
            }
            if (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r') {
                return CsvError{"text after a closing quote on " + OnLine(line)};
            }
            continue;
        }
        if (c == ',') {
            row.Fields.push_back(std::move(field));
            field.clear();
            ++i;
        } else if (c == '\r' || c == '\n') {
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            ++line;
            if (!endRow()) {
                return tooMany();
            }
        } else {
            field += c;
            ++i;
        }
    }
    if ((!field.empty() || !row.Fields.empty()) && !endRow()) {
        return tooMany();
    }
    return rows;
}

std::string CsvField(std::string_view field) {
    const bool quote = field.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quote) {
        return std::string(field);
    }
    std::string out = "\"";
    for (char c : field) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    return out + '"';
}

} // namespace rp70
