#include "memory/memory_codec.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "memory/block_passes.h"
#include "support/recording_interaction.h"
#include "support/recording_marks.h"
#include "support/rich_image.h"

namespace rp70 {
namespace {

RadioImage NewImage() {
    RadioImage image;
    ResetImage(image, {}, nullptr);
    return image;
}

struct Encoded {
    RadioMemory Memory{};
    test::RecordingMarks Marks;
    test::RecordingInteraction Ui;
    bool Permitted = false;
};

void Encode(RadioImage& image, Encoded& out) {
    ClearRadioMemory(out.Memory);
    out.Permitted = EncodeRadioMemory(image, {out.Memory, out.Marks, out.Ui});
}

TEST(RadioMemoryTest, BlankPatternLeavesTheFirstBlockAlone) {
    RadioMemory memory;
    memory.fill(0xAB);
    ClearRadioMemory(memory);
    EXPECT_EQ(memory[0x0000], 0xAB);
    EXPECT_EQ(memory[0x000F], 0xAB);
    EXPECT_EQ(memory[0x0010], 0x00);
    EXPECT_EQ(memory[0x0100], 0xFF);
    EXPECT_EQ(memory[0x01FF], 0xFF);
    EXPECT_EQ(memory[0x0200], 0x00);
    EXPECT_EQ(memory[0x037F], 0x00);
    EXPECT_EQ(memory[0x0380], 0xFF);
    EXPECT_EQ(memory[0x039F], 0xFF);
    EXPECT_EQ(memory[0x03A0], 0x00);
    EXPECT_EQ(memory[0x03EF], 0x00);
    EXPECT_EQ(memory[0x03F0], 0xFF);
    EXPECT_EQ(memory[0x03FF], 0xFF);
    EXPECT_EQ(memory[0x0400], 0x00);
    EXPECT_EQ(memory[0x3FFF], 0x00);
}

// Everything that has a place in the radio memory comes back from it unchanged. Fields without
// a place keep the values of the image the memory is decoded into:
// - channels: AuxFlag, Reserved1 … Reserved4, PttIdEnable, ExtraDisplay; ScanSkip of CALL and
//   VFO (no scan bit); PttIdCode of PA, PB, CALL and VFO (only memory channels have one);
// - options: Option1706, Option1708, Option1715 and the reserved value;
// - DTMF: PttId;
// - 5-tone: InUseFlag, Spare and Name of the begin and end codes, Spare of the code list.
// The per-channel PTT-ID codes travel in the memory, though a Read never fetches their area.
TEST(MemoryCodecTest, FullImageRoundTripsEveryTravellingField) {
    RadioImage image = NewImage();
    test::FillRichImage(image);
    Encoded encoded;
    Encode(image, encoded);
    ASSERT_TRUE(encoded.Permitted);
    EXPECT_TRUE(encoded.Ui.shown.empty());

    const RadioImage fresh = NewImage();
    RadioImage decoded = fresh;
    DecodeRadioMemory(decoded, encoded.Memory);

    const RadioImage expected = test::AfterRoundTrip(image, fresh);
    const FunctionData& want = expected.Record.Function;
    const FunctionData& got = decoded.Record.Function;
    EXPECT_EQ(got.Options, want.Options);
    EXPECT_EQ(got.Scan, want.Scan);
    EXPECT_EQ(got.Alert, want.Alert);
    EXPECT_EQ(got.Dtmf, want.Dtmf);
    EXPECT_EQ(got.TwoTone, want.TwoTone);
    for (std::size_t i = 0; i < kFiveToneInfoCodeCount; ++i) {
        EXPECT_EQ(got.FiveTone.InfoCodes[i], want.FiveTone.InfoCodes[i]) << "info code " << i;
    }
    for (std::size_t j = 0; j < kFiveToneCodeCount; ++j) {
        EXPECT_EQ(got.FiveTone.Codes[j], want.FiveTone.Codes[j]) << "5-tone code " << j;
    }
    EXPECT_EQ(got.FiveTone, want.FiveTone);
    EXPECT_EQ(decoded.Record.Book, expected.Record.Book);
    EXPECT_EQ(decoded.Record.OptionExtra, expected.Record.OptionExtra);
    EXPECT_EQ(decoded.Record.DecodeTime, expected.Record.DecodeTime);
    ASSERT_EQ(decoded.Record.ChannelCount, kChannelSlots);
    for (std::size_t slot = 0; slot < kChannelSlots; ++slot) {
        EXPECT_EQ(decoded.Channels[slot], expected.Channels[slot]) << "slot " << slot;
    }
}

TEST(MemoryCodecTest, DecodedImageEncodesToTheSameMemory) {
    RadioImage image = NewImage();
    test::FillRichImage(image);
    Encoded first;
    Encode(image, first);
    RadioImage decoded = NewImage();
    DecodeRadioMemory(decoded, first.Memory);
    Encoded second;
    Encode(decoded, second);
    ASSERT_TRUE(second.Permitted);
    EXPECT_TRUE(first.Memory == second.Memory);
    EXPECT_EQ(first.Marks.Blocks(), second.Marks.Blocks());
}

std::set<int> Range(int firstAddress, int lastAddress) {
    std::set<int> blocks;
    for (int b = firstAddress / 16; b <= lastAddress / 16; ++b) {
        blocks.insert(b);
    }
    return blocks;
}

TEST(MemoryCodecTest, FullImageWritePassHoldsEveryAreaButTheRadioInformationAndPttIdCodes) {
    RadioImage image = NewImage();
    test::FillRichImage(image);
    RadioMemory memory{};
    ClearRadioMemory(memory);
    BlockPasses passes;
    BuildPassMap(passes, TransferKind::Write);
    WritePassMarks marks(passes);
    test::RecordingInteraction ui;
    ASSERT_TRUE(EncodeRadioMemory(image, {memory, marks, ui}));

    std::set<int> expected;
    for (const auto& [first, last] : std::initializer_list<std::pair<int, int>>{
             {0x0100, 0x013F}, // channel bitmaps
             {0x0210, 0x024F}, // options
             {0x0260, 0x02DF}, // PB, PA, CALL, VFO
             {0x02E0, 0x03BF}, // DTMF, 2-tone, 5-tone, bitmaps, alert, scan
             {0x03E0, 0x03EF}, // welcome text
             {0x0400, 0x05FF}, // DTMF memories, 5-tone info codes
             {0x0B00, 0x38FF}, // 2-tone entries, 5-tone codes, book, memory channels
         }) {
        expected.merge(Range(first, last));
    }
    std::set<int> sent;
    for (int b = 0; b < kBlockCount; ++b) {
        if (passes.Map[static_cast<std::size_t>(b)] == 1) {
            sent.insert(b);
        }
    }
    EXPECT_EQ(sent, expected);
}

TEST(MemoryCodecTest, FailingEncoderStopsTheSequence) {
    struct Case {
        const char* Failure;
        void (*Damage)(RadioImage&);
        std::set<RecordKind> NotRun;
    };
    const std::vector<Case> cases = {
        {"SetCommDataByFrequencyError",
         [](RadioImage& image) { image.Channels[0].TxDcs = 512; },
         {RecordKind::Options, RecordKind::FiveTone, RecordKind::TwoTone, RecordKind::Dtmf,
          RecordKind::CommunicationBook}},
        {"SetCommDataByOptionError",
         [](RadioImage& image) { image.Record.Function.Options.KeyFunctions[0] = 256; },
         {RecordKind::FiveTone, RecordKind::TwoTone, RecordKind::Dtmf,
          RecordKind::CommunicationBook}},
        {"SetCommDataBy5ToneError",
         [](RadioImage& image) { image.Record.Function.FiveTone.OwnIdLength = 6; },
         {RecordKind::TwoTone, RecordKind::Dtmf, RecordKind::CommunicationBook}},
        {"SetCommDataByDTMFError",
         [](RadioImage& image) { image.Record.Function.Dtmf.KillCode.Digits[0] = 'X'; },
         {RecordKind::CommunicationBook}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Failure);
        RadioImage image = NewImage();
        image.Record.Function.Dtmf.KillCode = {MakeFixedText<14>("12"), 2};
        image.Record.Function.Dtmf.OwnId = MakeFixedText<3>("12");
        c.Damage(image);
        Encoded encoded;
        Encode(image, encoded);
        EXPECT_FALSE(encoded.Permitted);
        EXPECT_EQ(encoded.Ui.Texts(), std::vector<std::string>{c.Failure});
        std::set<RecordKind> marked;
        for (const auto& mark : encoded.Marks.marks) {
            marked.insert(mark.Kind);
        }
        EXPECT_TRUE(marked.contains(RecordKind::Scan));
        EXPECT_TRUE(marked.contains(RecordKind::Alert));
        for (const RecordKind kind : c.NotRun) {
            EXPECT_FALSE(marked.contains(kind)) << static_cast<int>(kind);
        }
        // The own ID is completed only by a DTMF encoding that succeeds.
        EXPECT_EQ(TextOf(image.Record.Function.Dtmf.OwnId), "12");
    }
}

TEST(MemoryCodecTest, AnyMemoryReadDecodesIntoAnImageThatEncodes) {
    std::mt19937 random(4711);
    std::vector<RadioMemory> memories(2);
    memories[0].fill(0x00);
    memories[1].fill(0xFF);
    for (int round = 0; round < 20; ++round) {
        RadioMemory& memory = memories.emplace_back();
        for (std::uint8_t& byte : memory) {
            byte = static_cast<std::uint8_t>(random());
        }
    }
    for (std::size_t m = 0; m < memories.size(); ++m) {
        for (const std::int16_t band : {std::int16_t{3}, std::int16_t{16}}) {
            RadioImage image = NewImage();
            SetBandCode(image, band);
            DecodeRadioMemory(image, memories[m]);
            Encoded encoded;
            Encode(image, encoded);
            EXPECT_TRUE(encoded.Permitted) << "memory " << m << ", band " << band;
            EXPECT_TRUE(encoded.Ui.shown.empty()) << "memory " << m << ", band " << band;
        }
    }
}

} // namespace
} // namespace rp70
