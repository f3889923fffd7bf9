#include "editors/five_tone_special_call.h"

#include <cstddef>

#include "editors/five_tone_digits.h"
#include "model/fixed_text.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

constexpr int kKeyDataMessage = 60073;
constexpr int kKeyNoSeparator = 60318;
constexpr std::string_view kSeparatorLetters = "ABCDEF";
constexpr int kFirstSeparator = 10;
constexpr std::size_t kIdLength = 5;
constexpr std::string_view kSelfId = "SelfID";
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

std::string Hex(unsigned char c) {
    return {kHexDigits[c / 16], kHexDigits[c % 16]};
}

} // namespace

SpecialCallLists BuildSpecialCallLists(const LanguageTexts& texts) {
    SpecialCallLists lists;
    for (std::size_t entry = 0; entry < kFiveToneCodeCount; ++entry) {
        lists.Entries.push_back(FormatInteger(static_cast<long long>(entry)));
    }
    lists.CallTypes = {texts.Option(kKeyDataMessage), "ANI", "PTTID"};
    lists.Separators = {texts.Option(kKeyNoSeparator)};
    for (const char letter : kSeparatorLetters) {
        lists.Separators.emplace_back(1, letter);
    }
    return lists;
}

SpecialCallInputs OpenSpecialCall(const FiveToneRecord& record, int entry) {
    SpecialCallInputs inputs;
    inputs.Entry = entry >= 0 && entry < static_cast<int>(kFiveToneCodeCount) ? entry : 0;
    const int separator = record.AniSeparator - kFirstSeparator + 1;
    inputs.Separator =
        separator >= 1 && separator <= static_cast<int>(kSeparatorLetters.size()) ? separator : 0;
    return inputs;
}

int AniSeparator(int separator) {
    return separator >= 1 && separator <= static_cast<int>(kSeparatorLetters.size())
               ? separator + kFirstSeparator - 1
               : 0;
}

int MessageLimit(SpecialCallTarget target) {
    return target == SpecialCallTarget::CodeList ? 16 : 8;
}

SpecialCallGroups VisibleGroups(SpecialCallType type) {
    return {type == SpecialCallType::DataMessage, type == SpecialCallType::Ani};
}

bool IsTargetIdComplete(std::string_view targetId) {
    return targetId.size() >= kIdLength;
}

std::optional<std::string> ComposeSpecialCode(const SpecialCallInputs& inputs,
                                              SpecialCallTarget target, std::string_view ownId) {
    const std::string own =
        target == SpecialCallTarget::CodeList ? std::string(kSelfId) : std::string(ownId);
    switch (inputs.Type) {
    case SpecialCallType::DataMessage: {
        if (!IsTargetIdComplete(inputs.MessageTargetId)) {
            return std::nullopt;
        }
        std::string code = "E1" + inputs.MessageTargetId + "E";
        for (const char c : inputs.Message) {
            code += Hex(static_cast<unsigned char>(c));
        }
        return code;
    }
    case SpecialCallType::Ani: {
        if (!IsTargetIdComplete(inputs.AniTargetId)) {
            return std::nullopt;
        }
        const int separator = AniSeparator(inputs.Separator);
        std::string code = inputs.AniTargetId;
        if (separator != 0) {
            code += kSeparatorLetters[static_cast<std::size_t>(separator - kFirstSeparator)];
        }
        return code + own;
    }
    case SpecialCallType::PttId:
        break;
    }
    return "E6" + own;
}

std::optional<std::string> ApplySpecialCall(UserContext& ctx, FiveToneRecord& record,
                                            CodeRows& rows, const SpecialCallInputs& inputs,
                                            SpecialCallTarget target, std::string_view ownId) {
    const std::optional<std::string> code = ComposeSpecialCode(inputs, target, ownId);
    if (!code) {
        ctx.Ui.Show(Message{ctx.Texts.Msg("900C"), "", MessageIcon::None, MessageButtons::Ok});
        return std::nullopt;
    }
    record.AniSeparator = static_cast<std::int16_t>(AniSeparator(inputs.Separator));
    if (target != SpecialCallTarget::CodeList) {
        return code;
    }
    const auto at = static_cast<std::size_t>(inputs.Entry);
    FiveToneCode& entry = record.Codes.at(at);
    const std::string encoded = EncodeCode(*code, ownId);
    WriteFixedText(entry.Digits, encoded);
    entry.Length = static_cast<std::uint8_t>(encoded.size());
    entry.InUseFlag = 0;
    // The row shows the new code as the list shows it after opening again.
    FiveToneCode shown = entry;
    const CodeRow row = ShowCodeEntry(shown, inputs.Entry, ownId, ctx.Texts);
    for (const CodeColumn column : {CodeColumn::Special, CodeColumn::Code}) {
        rows[at][static_cast<std::size_t>(column)] = row[static_cast<std::size_t>(column)];
    }
    return code;
}

} // namespace rp70
