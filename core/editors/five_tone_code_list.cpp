#include "editors/five_tone_code_list.h"

#include <algorithm>
#include <cstddef>

#include "editors/five_tone_digits.h"
#include "model/choice_list.h"
#include "model/fixed_text.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

constexpr int kKeyDataMessage = 60073;
constexpr int kKeyMessage = 60084;
constexpr std::string_view kDataMessagePrefix = "E1";
constexpr std::string_view kPttIdPrefix = "E6";
// Codes beginning "E2" carry the own ID after their prefix as PTT-ID codes do.
constexpr std::string_view kOwnIdPrefix = "E2";
constexpr std::string_view kSelfId = "SelfID";
constexpr const char* kPttIdText = "PTTID";
constexpr std::size_t kIdLength = 5;
constexpr std::size_t kDataMessageHead = 8;
constexpr std::size_t kPttIdMinimum = 6;
constexpr int kMaxLength = 40;
constexpr int kMaxStandard = 15;
constexpr int kMinToneLength = 3;
constexpr int kMaxToneLength = 10;
constexpr int kDefaultToneLength = 7;
constexpr int kEntryCount = static_cast<int>(kFiveToneCodeCount);

std::size_t At(int entry) {
    return static_cast<std::size_t>(entry);
}

std::string& Cell(CodeRow& row, CodeColumn column) {
    return row[static_cast<std::size_t>(column)];
}

const std::string& Cell(const CodeRow& row, CodeColumn column) {
    return row[static_cast<std::size_t>(column)];
}

std::string Digits(const FiveToneCode& code) {
    return StoredDigits(std::string_view(code.Digits.data(), code.Digits.size()));
}

void StoreDigits(FiveToneCode& code, std::string_view digits) {
    WriteFixedText(code.Digits, digits);
    code.Length = static_cast<std::uint8_t>(std::min(digits.size(), code.Digits.size()));
}

bool CarriesOwnId(std::string_view digits) {
    return digits.starts_with(kPttIdPrefix) || digits.starts_with(kOwnIdPrefix);
}

// The target of an ANI code as typed, with its separator when it has one.
std::string AniTarget(std::string_view digits) {
    const bool separator = digits.ends_with(kSelfId)
                               ? digits.size() == kIdLength + 1 + kSelfId.size()
                               : digits.size() == 2 * kIdLength + 1;
    std::string target = Mid5ToneNoE(digits, 1, static_cast<int>(kIdLength));
    if (separator) {
        target += digits[kIdLength];
    }
    return target;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The message of a data message: two hexadecimal digits per character after the head. A pair
// that is no printable character shows as "?".
std::string MessageText(std::string_view digits) {
    std::string message;
    for (std::size_t at = kDataMessageHead; at + 1 < digits.size(); at += 2) {
        const int high = HexValue(digits[at]);
        const int low = HexValue(digits[at + 1]);
        const int code = high < 0 || low < 0 ? -1 : high * 16 + low;
        message += code >= 32 && code < 127 ? static_cast<char>(code) : '?';
    }
    return message;
}

std::string ToneLengthText(int toneLength) {
    return FormatInteger((toneLength >= kMinToneLength && toneLength <= kMaxToneLength
                              ? toneLength
                              : kDefaultToneLength) *
                         10);
}

int NextEntry(int entry) {
    return entry + 1 >= kEntryCount ? 0 : entry + 1;
}

// Storing: an own-ID-carrying code takes `ownId` after its prefix, an ANI code for `ownId` its
// own ID in place of "SelfID" or the own ID it has; then the code is encoded. A data message
// that happens to end in the own ID is no ANI code and keeps its message.
std::string StoredCode(std::string digits, std::string_view ownId) {
    if (CarriesOwnId(digits)) {
        digits = digits.substr(0, kPttIdPrefix.size()) + std::string(ownId);
    }
    if (KindOfCode(digits, ownId) == CodeKind::Ani) {
        digits.erase(digits.size() - (digits.ends_with(kSelfId) ? kSelfId.size() : kIdLength));
        digits += ownId;
    }
    return EncodeCode(digits, ownId);
}

void RewriteCode(FiveToneCode& code, std::string_view previousOwnId, std::string_view ownId) {
    const std::string digits = Digits(code);
    if (digits.size() <= 1) {
        return;
    }
    std::string rewritten = digits;
    if (CarriesOwnId(rewritten)) {
        rewritten = rewritten.substr(0, kPttIdPrefix.size()) + std::string(ownId);
    }
    if (KindOfCode(rewritten, previousOwnId) == CodeKind::Ani) {
        rewritten = AniTarget(rewritten) + std::string(ownId);
    }
    if (rewritten != digits) {
        // The length follows the new code, so a longer own ID is not cut when shown again.
        StoreDigits(code, EncodeCode(rewritten, ownId));
    }
}

} // namespace

CodeKind KindOfCode(std::string_view digits, std::string_view ownId) {
    if (digits.starts_with(kDataMessagePrefix) && digits.size() >= kDataMessageHead) {
        return CodeKind::DataMessage;
    }
    if (digits.starts_with(kPttIdPrefix) && digits.size() >= kPttIdMinimum) {
        return CodeKind::PttId;
    }
    return IsAniCode(digits, ownId) ? CodeKind::Ani : CodeKind::Plain;
}

std::string SpecialText(CodeKind kind, const LanguageTexts& texts) {
    switch (kind) {
    case CodeKind::DataMessage:
        return texts.Option(kKeyDataMessage);
    case CodeKind::PttId:
        return kPttIdText;
    case CodeKind::Ani:
        return "ANI";
    case CodeKind::Plain:
        break;
    }
    return {};
}

std::vector<std::string> ToneLengthTexts() {
    std::vector<std::string> texts;
    for (int length = kMinToneLength; length <= kMaxToneLength; ++length) {
        texts.push_back(FormatInteger(length * 10));
    }
    return texts;
}

CodeRow ShowCodeEntry(FiveToneCode& code, int entry, std::string_view ownId,
                      const LanguageTexts& texts) {
    if (code.Length > kMaxLength) {
        code.Length = 0;
    }
    if (code.Standard > kMaxStandard) {
        code.Standard = 0;
    }
    if (code.ToneLength < kMinToneLength || code.ToneLength > kMaxToneLength) {
        code.ToneLength = kDefaultToneLength;
    }
    const std::vector<std::string> standards = FiveToneStandardNames();
    CodeRow row;
    Cell(row, CodeColumn::Number) = FormatInteger(entry);
    if (code.InUseFlag != 0) {
        Cell(row, CodeColumn::Standard) = standards.front();
        Cell(row, CodeColumn::ToneLength) = ToneLengthText(kDefaultToneLength);
        return row;
    }
    const std::string digits = Digits(code);
    const CodeKind kind = KindOfCode(digits, ownId);
    Cell(row, CodeColumn::Special) = SpecialText(kind, texts);
    std::string& shown = Cell(row, CodeColumn::Code);
    switch (kind) {
    case CodeKind::DataMessage:
        shown = Mid5ToneNoE(digits, 3, static_cast<int>(kIdLength)) + std::string(8, ' ') +
                texts.Option(kKeyMessage) + MessageText(digits);
        break;
    case CodeKind::Ani:
        shown = AniTarget(digits);
        break;
    case CodeKind::PttId:
        break;
    case CodeKind::Plain:
        shown = CodeToLength(digits, code.Length);
        break;
    }
    // Standards 14 and 15 have no name; they show, and are stored back as, the first one.
    Cell(row, CodeColumn::Standard) = ItemByIndex(standards, code.Standard);
    Cell(row, CodeColumn::ToneLength) = ToneLengthText(code.ToneLength);
    Cell(row, CodeColumn::Name) = TextOf(code.Name);
    return row;
}

CodeRows ShowCodeList(FiveToneRecord& record, std::string_view ownId, const LanguageTexts& texts) {
    CodeRows rows;
    for (int entry = 0; entry < kEntryCount; ++entry) {
        rows[At(entry)] = ShowCodeEntry(record.Codes[At(entry)], entry, ownId, texts);
    }
    return rows;
}

bool IsSpecialRow(const CodeRow& row) {
    return !Cell(row, CodeColumn::Special).empty();
}

bool OpensEditor(const CodeRow& row, CodeColumn column) {
    switch (column) {
    case CodeColumn::Number:
    case CodeColumn::Special:
        return false;
    case CodeColumn::Code:
        return !IsSpecialRow(row);
    case CodeColumn::Standard:
    case CodeColumn::ToneLength:
    case CodeColumn::Name:
        break;
    }
    return !Cell(row, CodeColumn::Code).empty() || Cell(row, CodeColumn::Special) == kPttIdText;
}

void CommitCodeCell(FiveToneRecord& record, CodeRows& rows, CodeCell cell, std::string_view text,
                    std::string_view ownId) {
    if (cell.Entry < 0 || cell.Entry >= kEntryCount) {
        return;
    }
    FiveToneCode& code = record.Codes[At(cell.Entry)];
    CodeRow& row = rows[At(cell.Entry)];
    std::string& shown = Cell(row, cell.Column);
    switch (cell.Column) {
    case CodeColumn::Number:
    case CodeColumn::Special:
        return;
    case CodeColumn::Code:
        StoreDigits(code, EncodeCode(text, ownId));
        shown = Digits(code);
        code.InUseFlag = shown.empty() ? 1 : 0;
        return;
    case CodeColumn::Standard: {
        const std::vector<std::string> standards = FiveToneStandardNames();
        const int standard = PositionOfText(standards, text);
        code.Standard = static_cast<std::uint8_t>(standard);
        shown = standards[At(standard)];
        std::string& toneLength = Cell(row, CodeColumn::ToneLength);
        if (toneLength.empty()) {
            toneLength = ToneLengthText(kDefaultToneLength);
        }
        code.ToneLength = static_cast<std::uint8_t>(NumberOr(toneLength, 70) / 10);
        return;
    }
    case CodeColumn::ToneLength:
        shown = FindItem(ToneLengthTexts(), text);
        code.ToneLength = static_cast<std::uint8_t>(NumberOr(shown, 70) / 10);
        return;
    case CodeColumn::Name:
        WriteFixedText(code.Name, TrimBlanks(text));
        shown = TextOf(code.Name);
        return;
    }
}

void ProposeToneLength(CodeRow& row, int standard) {
    Cell(row, CodeColumn::ToneLength) = ToneLengthText(DefaultToneLength(standard));
}

CodeCell NextCodeCell(CodeCell cell, std::string_view text) {
    switch (cell.Column) {
    case CodeColumn::Code:
        return text.empty() ? CodeCell{NextEntry(cell.Entry), CodeColumn::Code}
                            : CodeCell{cell.Entry, CodeColumn::Standard};
    case CodeColumn::Standard:
        return {cell.Entry, CodeColumn::ToneLength};
    case CodeColumn::ToneLength:
        return {NextEntry(cell.Entry), CodeColumn::Code};
    case CodeColumn::Name:
        return {NextEntry(cell.Entry), CodeColumn::Special};
    case CodeColumn::Number:
    case CodeColumn::Special:
        break;
    }
    return cell;
}

void ResetSpecialRow(FiveToneRecord& record, CodeRows& rows, int entry) {
    if (entry < 0 || entry >= kEntryCount) {
        return;
    }
    StoreDigits(record.Codes[At(entry)], "");
    Cell(rows[At(entry)], CodeColumn::Special).clear();
    Cell(rows[At(entry)], CodeColumn::Code).clear();
}

void StoreCodeList(FiveToneRecord& record, const CodeRows& rows) {
    const std::string ownId = TextOf(record.OwnId);
    const std::vector<std::string> standards = FiveToneStandardNames();
    for (int entry = 0; entry < kEntryCount; ++entry) {
        FiveToneCode& code = record.Codes[At(entry)];
        const CodeRow& row = rows[At(entry)];
        std::string digits = Digits(code);
        if (digits.size() > 2) {
            digits = StoredCode(digits, ownId);
        }
        StoreDigits(code, digits);
        code.Standard =
            static_cast<std::uint8_t>(PositionOfText(standards, Cell(row, CodeColumn::Standard)));
        const int toneLength = NumberOr(Cell(row, CodeColumn::ToneLength), 70) / 10;
        code.ToneLength = static_cast<std::uint8_t>(
            toneLength >= kMinToneLength && toneLength <= kMaxToneLength ? toneLength
                                                                         : kDefaultToneLength);
        WriteFixedText(code.Name, TrimBlanks(Cell(row, CodeColumn::Name)));
    }
}

void RewriteOwnId(FiveToneRecord& record, std::string_view previousOwnId) {
    const std::string ownId = TextOf(record.OwnId);
    for (FiveToneCode& code : record.Codes) {
        RewriteCode(code, previousOwnId, ownId);
    }
    RewriteCode(record.BotCode, previousOwnId, ownId);
    RewriteCode(record.EotCode, previousOwnId, ownId);
}

} // namespace rp70
