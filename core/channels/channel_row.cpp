#include "channels/channel_row.h"

#include <cstddef>
#include <string_view>

#include "channels/channel_list.h"
#include "channels/step_list.h"
#include "model/conversions.h"
#include "model/tones.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

// Language text keys of the table.
constexpr int kKeyChannelHeader = 3006;
constexpr int kKeyRxFreq = 1101;
constexpr int kKeyTxFreq = 1140;
constexpr int kKeyName = 1103;
constexpr int kKeyStep = 1104;
constexpr int kKeyBandwidth = 1106;
constexpr int kKeyAux = 1108;
constexpr int kKeyPower = 1109;
constexpr int kKeyToneHeader = 1107;
constexpr int kKeyDecode = 1112;
constexpr int kKeyEncode = 1113;
constexpr int kKeySignalling = 1110;
constexpr int kKeyOff = 1202; // 1203 is "on"
constexpr int kKeyNone = 1206;
constexpr std::array<int, 3> kPowerKeys = {1204, 1221, 1205};

constexpr std::array<std::string_view, 3> kBandwidths = {"25K", "20K", "12.5K"};

template <std::size_t N> std::string_view StoredDigits(const FixedText<N>& field) {
    return std::string_view(field.data(), N);
}

// Transmit frequency from the receive text shown in column 1 and the stored offset.
std::string TxFreqText(const ChannelRecord& channel, const std::string& rxText, UserContext& ctx) {
    // Without a receive frequency there is no transmit frequency either; applying the offset
    // to nothing would show a meaningless negative value such as "-.60000".
    if (rxText.empty()) {
        return {};
    }
    if (channel.ShiftDirection != kShiftMinus && channel.ShiftDirection != kShiftPlus) {
        return rxText;
    }
    const auto rx = ParseNumber(rxText);
    if (!rx) {
        return rxText;
    }
    const double offset =
        ParseNumber(OffsetDigitsToText(StoredDigits(channel.TxOffset), ctx)).value_or(0.0);
    const double tx = channel.ShiftDirection == kShiftMinus ? *rx - offset : *rx + offset;
    return FormatFixed(tx, 0, 5);
}

std::string StepText(std::int16_t stepIndex, std::int16_t bandIndex) {
    const auto steps = StepList(bandIndex);
    if (stepIndex < 0 || static_cast<std::size_t>(stepIndex) >= steps.size()) {
        return {};
    }
    return std::string(steps[static_cast<std::size_t>(stepIndex)]);
}

std::string BandwidthText(std::int16_t bandwidth) {
    const std::size_t index = bandwidth >= 0 && bandwidth < static_cast<int>(kBandwidths.size())
                                  ? static_cast<std::size_t>(bandwidth)
                                  : 1; // out of range: shown as "20K"
    return std::string(kBandwidths[index]);
}

std::string AuxText(std::int16_t auxFlag, const LanguageTexts& texts) {
    const int flag = auxFlag == 1 ? 1 : 0;
    return texts.GetText(kKeyOff + flag);
}

std::string PowerText(std::int16_t power, const LanguageTexts& texts) {
    const std::size_t level = power >= 0 && power < static_cast<int>(kPowerKeys.size())
                                  ? static_cast<std::size_t>(power)
                                  : 0;
    return texts.GetText(kPowerKeys[level]);
}

std::string ToneText(std::int16_t type, std::int16_t ctcss, std::int16_t dcs,
                     std::int16_t dcsInvert, const LanguageTexts& texts) {
    if (type == kToneCtcss) {
        const std::size_t index = ctcss >= 0 && static_cast<std::size_t>(ctcss) < kCtcssToneCount
                                      ? static_cast<std::size_t>(ctcss)
                                      : 0;
        return std::string(CtcssList()[index]);
    }
    if (type == kToneDcs) {
        const int code = dcs >= 0 && dcs <= kMaxDcsCode ? dcs : 0;
        return DcsCellText(code, dcsInvert >= 1);
    }
    return texts.GetText(kKeyNone);
}

std::string SignallingText(const ChannelRecord& channel, const LanguageTexts& texts) {
    switch (channel.Signalling) {
    case kSignallingDtmf:
        return "DTMF M" + FormatInteger(channel.DtmfCode + 1);
    case kSignallingTwoTone:
        return "2tone " + FormatInteger(channel.TwoToneNumber);
    case kSignallingFiveTone:
        return "5tone " + FormatInteger(channel.FiveToneNumber);
    default:
        return texts.GetText(kKeyNone);
    }
}

} // namespace

ChannelRowTexts RenderChannelRow(const ChannelRecord& channel, const RadioImage& image,
                                 UserContext& ctx) {
    const LanguageTexts& texts = ctx.Texts;
    ChannelRowTexts row;
    row[0] = FreqDigitsToText(StoredDigits(channel.RxFreq), image.Limits, ctx);
    row[1] = TxFreqText(channel, row[0], ctx);
    row[2] = TextOf(channel.Name);
    row[3] = StepText(channel.StepIndex, image.BandIndex);
    row[4] = BandwidthText(channel.Bandwidth);
    row[5] = AuxText(channel.AuxFlag, texts);
    row[6] = PowerText(channel.TxPower, texts);
    row[7] =
        ToneText(channel.RxToneType, channel.RxCtcss, channel.RxDcs, channel.RxDcsInvert, texts);
    row[8] =
        ToneText(channel.TxToneType, channel.TxCtcss, channel.TxDcs, channel.TxDcsInvert, texts);
    row[9] = SignallingText(channel, texts);
    return row;
}

ChannelRowTexts RenderChannelNumber(const RadioImage& image, int number, UserContext& ctx) {
    const auto slot = FindChannel(image, number);
    if (!slot) {
        return {};
    }
    return RenderChannelRow(image.Channels[static_cast<std::size_t>(*slot)], image, ctx);
}

std::vector<ChannelRowTexts> RenderChannelTable(const RadioImage& image, UserContext& ctx) {
    std::vector<ChannelRowTexts> rows(kChannelRows);
    const int used = image.UsedChannelCount();
    for (int slot = 0; slot < used; ++slot) {
        const ChannelRecord& channel = image.Channels[static_cast<std::size_t>(slot)];
        const int row = channel.ChannelNumber;
        if (row >= 1 && row <= kChannelRows) {
            rows[static_cast<std::size_t>(row - 1)] = RenderChannelRow(channel, image, ctx);
        }
    }
    return rows;
}

std::array<std::string, 11> ChannelTableHeaders(const LanguageTexts& texts) {
    const std::string tone = texts.GetText(kKeyToneHeader) + "\r\n";
    return {texts.GetText(kKeyChannelHeader), texts.GetText(kKeyRxFreq),
            texts.GetText(kKeyTxFreq),        texts.GetText(kKeyName),
            texts.GetText(kKeyStep),          texts.GetText(kKeyBandwidth),
            texts.GetText(kKeyAux),           texts.GetText(kKeyPower),
            tone + texts.GetText(kKeyDecode), tone + texts.GetText(kKeyEncode),
            texts.GetText(kKeySignalling)};
}

} // namespace rp70
