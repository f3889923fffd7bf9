#include "print/channel_pages.h"

#include <algorithm>
#include <string>

#include "channels/channel_edit.h"
#include "model/channel_label.h"
#include "model/fixed_text.h"

namespace rp70 {
namespace {

constexpr std::size_t kBlocksPerPage = 5;

constexpr int kHeadingKey = 3009;
constexpr int kChannelKey = 1751;
constexpr int kNoneKey = 1206;
constexpr int kRxFreqKey = 1101;
constexpr int kOffsetKey = 1102;
constexpr int kNameKey = 1103;
constexpr int kStepKey = 1104;
constexpr int kBandwidthKey = 1106;
constexpr int kPowerKey = 1109;
constexpr int kToneKey = 1107;
constexpr int kDecodeKey = 1112;
constexpr int kEncodeKey = 1113;
constexpr int kSignallingKey = 1110;
constexpr int kSquelchKey = 1745;
constexpr int kDtmfPttIdKey = 1743;
constexpr int kFiveTonePttIdKey = 1744;
constexpr int kBusyLockKey = 1717;
constexpr int kScramblerKey = 1742;
constexpr int kTxInhibitKey = 1105;
constexpr int kCompanderKey = 1746;
constexpr int kReverseKey = 1207;
constexpr int kTalkAroundKey = 1114;
constexpr int kScanSkipKey = 1111;

/// The channel dialog's lists with every kind of signalling, so that each channel shows its own.
ChannelEditLists PrintLists(const RadioImage& image, const LanguageTexts& texts) {
    const FeatureFlags every{true, true, true, false};
    return BuildChannelEditLists(image, every, texts);
}

std::string OnOffText(bool on, const LanguageTexts& texts) {
    return std::string(texts.Builtin(on ? BuiltinText::On : BuiltinText::Off));
}

std::string ToneText(const ToneInputs& tone, const ChannelEditLists& lists,
                     const LanguageTexts& texts) {
    switch (tone.Type) {
    case kToneCtcss:
        return TextAt(lists.CtcssTones, tone.Ctcss);
    case kToneDcs:
        return "D" + TextAt(lists.DcsCodes, tone.Dcs) + (tone.Inverted ? "I" : "N");
    default:
        return texts.GetText(kNoneKey);
    }
}

std::string SignallingText(const ChannelRecord& channel, const ChannelEditInputs& inputs,
                           const ChannelEditLists& lists, const LanguageTexts& texts) {
    switch (channel.Signalling) {
    case kSignallingDtmf:
        return "DTMF " + TextAt(lists.DtmfCodes, inputs.DtmfCode);
    case kSignallingTwoTone:
        return "2tone " + std::to_string(channel.TwoToneNumber);
    case kSignallingFiveTone:
        return "5tone " + std::to_string(channel.FiveToneNumber);
    default:
        return texts.GetText(kNoneKey);
    }
}

/// The title line and ten rows of one channel, as its dialog shows it on opening.
void PrintChannelBlock(std::vector<ReportLine>& lines, const ChannelRecord& channel,
                       const RadioImage& image, const ChannelEditLists& lists, UserContext& ctx) {
    const LanguageTexts& texts = ctx.Texts;
    const ChannelEditInputs in = ShowChannelRecord(channel, lists, image.Limits, ctx);
    auto label = [&](int key) { return texts.GetText(key); };
    auto row = [&](std::string a, std::string b, std::string c, std::string d) {
        lines.push_back({{0.10, std::move(a)}, {0.30, std::move(b)}});
        if (!c.empty()) {
            lines.back().push_back({0.55, std::move(c)});
            lines.back().push_back({0.75, std::move(d)});
        }
    };
    const std::string tone = label(kToneKey) + " ";

    lines.push_back({{0.05, label(kChannelKey) + " " + RowLabel(channel.ChannelNumber)}});
    row(label(kRxFreqKey), in.RxText + " MHz", label(kOffsetKey),
        TextAt(lists.ShiftDirections, in.Shift) + " " + in.OffsetText + " MHz");
    row(label(kNameKey), TextOf(channel.Name), label(kStepKey), TextAt(lists.Steps, in.Step));
    row(label(kBandwidthKey), TextAt(lists.Bandwidths, in.Bandwidth), label(kPowerKey),
        TextAt(lists.Powers, in.Power));
    row(tone + label(kDecodeKey), ToneText(in.Decode, lists, texts), tone + label(kEncodeKey),
        ToneText(in.Encode, lists, texts));
    row(label(kSignallingKey), SignallingText(channel, in, lists, texts), label(kSquelchKey),
        TextAt(lists.SquelchModes, in.SquelchMode));
    row(label(kDtmfPttIdKey), TextAt(lists.PttIdModes, in.DtmfPttId), label(kFiveTonePttIdKey),
        TextAt(lists.PttIdModes, in.FiveTonePttId));
    row(label(kBusyLockKey), TextAt(lists.BusyLockModes, in.BusyLock), label(kScramblerKey),
        TextAt(lists.ScramblerModes, in.Scrambler));
    row(label(kTxInhibitKey), OnOffText(in.TxInhibit, texts), label(kCompanderKey),
        OnOffText(in.Compander, texts));
    row(label(kReverseKey), OnOffText(in.Reverse, texts), label(kTalkAroundKey),
        OnOffText(in.TalkAround, texts));
    row(label(kScanSkipKey), OnOffText(in.ScanSkip, texts), {}, {});
}

} // namespace

std::vector<ReportPage> ChannelPages(const RadioImage& image, UserContext& ctx) {
    const std::string heading = ctx.Texts.GetText(kHeadingKey);
    std::vector<const ChannelRecord*> used;
    for (int slot = 0; slot < image.UsedChannelCount(); ++slot) {
        used.push_back(&image.Channels[static_cast<std::size_t>(slot)]);
    }
    std::ranges::stable_sort(used, {},
                             [](const ChannelRecord* channel) { return channel->ChannelNumber; });
    if (used.empty()) {
        return {ReportPage{heading, {}}};
    }

    const ChannelEditLists lists = PrintLists(image, ctx.Texts);
    std::vector<ReportPage> pages;
    for (std::size_t first = 0; first < used.size(); first += kBlocksPerPage) {
        ReportPage& page = pages.emplace_back(ReportPage{heading, {}});
        const std::size_t end = std::min(used.size(), first + kBlocksPerPage);
        for (std::size_t k = first; k < end; ++k) {
            PrintChannelBlock(page.Lines, *used[k], image, lists, ctx);
        }
    }
    return pages;
}

} // namespace rp70
