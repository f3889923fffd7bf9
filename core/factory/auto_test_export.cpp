#include "factory/auto_test_export.h"

#include "files/file_io.h"
#include "files/gb18030_text.h"
#include "memory/memory_codec.h"
#include "model/conversions.h"
#include "model/tones.h"
#include "texts/number_text.h"

namespace rp70 {

namespace {

/// The marks and channel list of the export: a block is marked only for a chosen kind.
class ExportMarks : public MarkingSink {
public:
    ExportMarks(AutoTestExport& exported, const ExportKinds& kinds, const BandLimits& band,
                UserContext& ctx)
        : exported_(exported), kinds_(kinds), band_(band), ctx_(ctx) {}

    void MarkForWrite(RecordKind kind, int address, int length) override {
        if (!ExportsKind(kinds_, kind) || length <= 0) {
            return;
        }
        for (int block = address / kBlockSize; block <= (address + length - 1) / kBlockSize;
             ++block) {
            exported_.BlockMap.at(static_cast<std::size_t>(block)) = 1;
        }
    }

    void ChannelEncoded(const ChannelRecord& channel) override {
        for (std::string& text : ChannelListTexts(channel, band_, ctx_)) {
            exported_.ChannelList.push_back(std::move(text));
        }
    }

private:
    AutoTestExport& exported_;
    const ExportKinds& kinds_;
    const BandLimits& band_;
    UserContext& ctx_;
};

std::string ToneText(std::int16_t type, std::int16_t ctcss, std::int16_t dcs,
                     std::int16_t inverted) {
    if (type == kToneCtcss) {
        const auto& list = CtcssList();
        return ctcss >= 0 && static_cast<std::size_t>(ctcss) < list.size()
                   ? std::string(list[static_cast<std::size_t>(ctcss)])
                   : std::string();
    }
    if (type == kToneDcs) {
        const int code = dcs & 0777;
        std::string text = "D";
        for (const int shift : {6, 3, 0}) {
            text += static_cast<char>('0' + ((code >> shift) & 7));
        }
        return text + (inverted != 0 ? "I" : "N");
    }
    return "Off";
}

std::string TransmitText(const ChannelRecord& channel, const std::string& receive,
                         UserContext& ctx) {
    if (channel.ShiftDirection == 0) {
        return receive;
    }
    if (channel.ShiftDirection != 1 && channel.ShiftDirection != 2) {
        return {};
    }
    const double rx = ParseNumber(receive).value_or(0.0);
    const double offset =
        ParseNumber(OffsetDigitsToText(TextOf(channel.TxOffset), ctx)).value_or(0.0);
    return FormatFixed(channel.ShiftDirection == 1 ? rx - offset : rx + offset, 1, 5);
}

std::string SignallingText(const ChannelRecord& channel) {
    switch (channel.Signalling) {
    case kSignallingDtmf:
        return "DTMF-" + std::to_string(channel.DtmfCode + 1);
    case kSignallingTwoTone:
        return "2Tone-" + std::to_string(channel.TwoToneNumber);
    case kSignallingFiveTone:
        return "5Tone-" + std::to_string(channel.FiveToneNumber);
    default:
        return "Off";
    }
}

} // namespace

const std::array<ExportBox, kExportBoxCount>& ExportBoxes() {
    static const std::array<ExportBox, kExportBoxCount> boxes{{
        {"信道", true, RecordKind::Channels},
        {"收音机", false, std::nullopt},
        {"AM", false, std::nullopt},
        {"MSK", false, std::nullopt},
        {"整机功能", true, RecordKind::Options},
        {"组信道", false, std::nullopt},
        {"DTMF", true, RecordKind::Dtmf},
        {"2Tone", true, RecordKind::TwoTone},
        {"5Tone", true, RecordKind::FiveTone},
        {"紧急报警", true, RecordKind::Alert},
        {"通讯簿", true, RecordKind::CommunicationBook},
        {"信道扫描信息", true, RecordKind::Scan},
    }};
    return boxes;
}

ExportKinds InitialExportKinds() {
    ExportKinds kinds{};
    kinds[0] = true;
    return kinds;
}

bool ExportsKind(const ExportKinds& kinds, RecordKind kind) {
    if (kind == RecordKind::Channels) {
        return true;
    }
    for (std::size_t box = 0; box < kExportBoxCount; ++box) {
        if (kinds[box] && ExportBoxes()[box].Kind == kind) {
            return true;
        }
    }
    return false;
}

std::array<std::string, kChannelListTexts>
ChannelListTexts(const ChannelRecord& channel, const BandLimits& band, UserContext& ctx) {
    const std::string id = std::to_string(channel.ChannelNumber - 1);
    const std::string receive = FreqDigitsToText(TextOf(channel.RxFreq), band, ctx);
    const char* power = channel.TxPower == 0 ? "高" : channel.TxPower == 1 ? "中" : "低";
    const char* width = channel.Bandwidth == 0 ? "宽带" : channel.Bandwidth == 1 ? "中带" : "窄带";
    return {
        "显示信道ID|" + id,
        "通信信道ID|" + id,
        "接收频率|" + receive,
        "发射频率|" + TransmitText(channel, receive, ctx),
        "解码|" + ToneText(channel.RxToneType, channel.RxCtcss, channel.RxDcs, channel.RxDcsInvert),
        "编码|" + ToneText(channel.TxToneType, channel.TxCtcss, channel.TxDcs, channel.TxDcsInvert),
        std::string("功率|") + power,
        std::string("宽窄带|") + width,
        "可选信令|" + SignallingText(channel),
    };
}

std::optional<AutoTestExport> BuildAutoTestExport(const RadioImage& image, const ExportKinds& kinds,
                                                  UserContext& ctx) {
    AutoTestExport exported;
    ClearRadioMemory(exported.Memory);
    RadioImage copy = image;
    ExportMarks marks(exported, kinds, copy.Limits, ctx);
    if (!EncodeRadioMemory(copy, {exported.Memory, marks, ctx.Ui})) {
        return std::nullopt;
    }
    return exported;
}

std::string ExportFileText(const AutoTestExport& exported) {
    static constexpr std::string_view kLineEnd = "\r\n";
    std::string text = std::to_string(exported.ChannelList.size() / kChannelListTexts) + "," +
                       std::to_string(kChannelListTexts);
    text += kLineEnd;
    for (const std::string& entry : exported.ChannelList) {
        text += '"' + entry + '"';
        text += kLineEnd;
    }
    for (const std::uint8_t mark : exported.BlockMap) {
        text += std::to_string(mark);
        text += kLineEnd;
    }
    for (const std::uint8_t byte : exported.Memory) {
        text += std::to_string(byte);
        text += kLineEnd;
    }
    return text;
}

bool WriteExportFile(const std::filesystem::path& path, const AutoTestExport& exported,
                     Interaction& ui) {
    const std::optional<std::string> bytes = ToGb18030(ExportFileText(exported));
    if (bytes && ReplaceFileContents(path, *bytes)) {
        return true;
    }
    ui.Show({std::string(kExportFileError), {}, MessageIcon::None, MessageButtons::Ok});
    return false;
}

} // namespace rp70
