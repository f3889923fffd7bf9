#include "sample_radio.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "memory/marking.h"
#include "memory/memory_codec.h"
#include "model/fixed_text.h"
#include "model/radio_image.h"
#include "model/tones.h"

namespace rp70::sim {
namespace {

struct SampleChannel {
    std::string_view Name;
    std::string_view RxFreq; ///< nine digits, MHz × 100000
    std::string_view TxOffset;
    std::int16_t ShiftDirection; ///< 0 none, 1 minus, 2 plus
    std::string_view Ctcss;      ///< empty: no tone
};

constexpr std::array kChannels = {
    SampleChannel{"CALL", "014550000", "000000000", 0, ""},
    SampleChannel{"SIMPLX1", "014551250", "000000000", 0, ""},
    SampleChannel{"SIMPLX2", "014552500", "000000000", 0, ""},
    SampleChannel{"RPT-R0", "014560000", "000060000", 1, "88.5"},
    SampleChannel{"RPT-R2", "014565000", "000060000", 1, "88.5"},
    SampleChannel{"RPT-R4", "014570000", "000060000", 1, "123.0"},
    SampleChannel{"MARINE", "015680000", "000000000", 0, ""},
    SampleChannel{"WX1", "016255000", "000000000", 0, ""},
    SampleChannel{"PMR-OPS", "015162500", "000000000", 0, "100.0"},
    SampleChannel{"RAIL", "016087500", "000000000", 0, "67.0"},
};

std::int16_t CtcssIndex(std::string_view tone) {
    const auto& list = CtcssList();
    const auto found = std::find(list.begin(), list.end(), tone);
    return static_cast<std::int16_t>(found == list.end() ? 0 : found - list.begin());
}

/// Encoding a fixed, valid image never fails, so nothing is ever shown or marked.
class Silent : public Interaction, public MarkingSink {
public:
    Answer Show(const Message&) override { return Answer::Ok; }
    std::optional<std::filesystem::path> ChooseOpenFile(const FileChoice&) override { return {}; }
    std::optional<std::filesystem::path> ChooseSaveFile(const FileChoice&) override { return {}; }
    std::optional<std::string> AskFilePassword(std::string_view) override { return {}; }
    std::optional<std::string> AskRadioPassword(std::string_view) override { return {}; }
    void MarkForWrite(RecordKind, int, int) override {}
};

void PutText(RadioMemory& memory, int address, std::string_view text) {
    std::copy(text.begin(), text.end(), memory.begin() + address);
}

} // namespace

RadioMemory SampleRadioMemory() {
    RadioImage image;
    ResetImage(image, {}, nullptr);
    const ChannelRecord vfo = image.Channels[0];
    int slot = 0;
    for (const SampleChannel& sample : kChannels) {
        ChannelRecord channel = NewChannelRecord(static_cast<std::int16_t>(slot + 1));
        channel.InUse = 1;
        channel.RxFreq = MakeFixedText<9>(sample.RxFreq);
        channel.TxOffset = MakeFixedText<9>(sample.TxOffset);
        channel.ShiftDirection = sample.ShiftDirection;
        channel.Name = MakeFixedText<7>(sample.Name);
        channel.Bandwidth = 2;
        if (!sample.Ctcss.empty()) {
            channel.TxToneType = kToneCtcss;
            channel.TxCtcss = CtcssIndex(sample.Ctcss);
        }
        image.Channels[static_cast<std::size_t>(slot++)] = channel;
    }
    for (const int special : {201, 202, 203, 204}) {
        ChannelRecord channel = vfo;
        channel.ChannelNumber = static_cast<std::int16_t>(special);
        image.Channels[static_cast<std::size_t>(slot++)] = channel;
    }
    image.Record.ChannelCount = static_cast<std::int16_t>(slot);

    RadioMemory memory{};
    ClearRadioMemory(memory);
    Silent silent;
    EncodeRadioMemory(image, EncodeTarget{memory, silent, silent});

    memory[0x0017] = 3;
    PutText(memory, 0x0019, "0086");
    PutText(memory, 0x0020, "2026120900000001");
    PutText(memory, 0x0030, "2026-12-09");
    PutText(memory, 0x0040, "12-1-E-1");
    PutText(memory, 0x0048, "001A");
    PutText(memory, 0x0060, "DEMO-DEALER");
    PutText(memory, 0x0090, "rp70-sim");
    return memory;
}

} // namespace rp70::sim
