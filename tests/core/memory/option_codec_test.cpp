// The options area of the radio memory: 0210-024F and the power-on text at 03E0.

#include "memory/option_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "support/memory_bytes.h"
#include "support/recording_interaction.h"
#include "support/recording_marks.h"

namespace rp70 {
namespace {

using namespace std::string_literals;
using test::Bytes;
using Mark = test::RecordingMarks::Mark;

class OptionCodecTest : public ::testing::Test {
protected:
    OptionCodecTest() {
        ResetImage(image, {}, nullptr);
        ClearRadioMemory(memory);
    }

    OptionsRecord& Options() { return image.Record.Function.Options; }
    DTMFRecord& Dtmf() { return image.Record.Function.Dtmf; }

    bool Encode() { return SetCommDataByOption(image, EncodeTarget{memory, marks, ui}); }

    Bytes At(int address, int length) const {
        return Bytes(memory.begin() + address, memory.begin() + address + length);
    }

    RadioImage image;
    RadioMemory memory{};
    test::RecordingMarks marks;
    test::RecordingInteraction ui;
};

// ---- Encoding ------------------------------------------------------------------------------

TEST_F(OptionCodecTest, NewImageFillsTheAreaAndMarksBothParts) {
    ASSERT_TRUE(Encode());
    Bytes expected(64, 0x00);
    const Bytes keys = {0x00, 0x01, 0x02, 0x03, 0x04, 0x0C, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B};
    std::copy(keys.begin(), keys.end(), expected.begin() + 0x30);
    expected[0x22] = 0x01; // SendTime of a new image
    EXPECT_EQ(At(0x0210, 64), expected);
    EXPECT_EQ(At(0x03E0, 16),
              (Bytes{0x57, 0x65, 0x6C, 0x63, 0x6F, 0x6D, 0x65, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(marks.marks, (std::vector<Mark>{{RecordKind::Options, 0x0210, 64},
                                              {RecordKind::Options, 0x03E0, 16}}));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(OptionCodecTest, EachByteValueGoesToItsAddress) {
    OptionsRecord& o = Options();
    o.Option1702 = 0x21;
    o.Option1703 = 0x22;
    o.StartChannel = 201;
    o.Option1705 = 0x24;
    o.Option1707 = 0x26;
    o.Option18 = 0x01;
    o.Option1709 = 0x27;
    o.Option1710 = 0x1F;
    o.BacklightColour = 0x03;
    o.ToneBurst = 0x02;
    o.Option1712 = 0x1E;
    o.Option1713 = 0x2E;
    o.Option1714 = 0x2F;
    o.TailPhase = 0x02;
    o.Option1719 = 0x35;
    o.PowerOnPasswordEnable = 1;
    image.Record.OptionExtra[0] = 1;
    Dtmf().SendTime = 5;
    memory[0x0229] = 0x5A; // always sent as 00
    memory[0x022D] = 0x5A;
    ASSERT_TRUE(Encode());

    EXPECT_EQ(memory[0x021A], 0x01);
    EXPECT_EQ(At(0x0220, 6), (Bytes{0x21, 0x22, 0xC9, 0x24, 0x00, 0x26}));
    EXPECT_EQ(At(0x0226, 10), (Bytes{0x01, 0x27, 0x1F, 0x00, 0x03, 0x02, 0x1E, 0x00, 0x2E, 0x2F}));
    EXPECT_EQ(memory[0x0232], 0x05);
    EXPECT_EQ(At(0x0234, 2), (Bytes{0x02, 0x35}));
    EXPECT_EQ(memory[0x0238], 0x01);
}

TEST_F(OptionCodecTest, UnusedBytesKeepWhatTheMemoryHeld) {
    for (int address : {0x0216, 0x0219, 0x021B, 0x021F, 0x0224, 0x0231, 0x0236, 0x0237, 0x0239,
                        0x023F, 0x024C, 0x024F, 0x03E7, 0x03EF}) {
        memory[static_cast<std::size_t>(address)] = 0xA5;
    }
    ASSERT_TRUE(Encode());
    for (int address : {0x0216, 0x0219, 0x021B, 0x021F, 0x0224, 0x0231, 0x0236, 0x0237, 0x0239,
                        0x023F, 0x024C, 0x024F, 0x03E7, 0x03EF}) {
        EXPECT_EQ(memory[static_cast<std::size_t>(address)], 0xA5) << std::hex << address;
    }
}

TEST_F(OptionCodecTest, FlagByte0230) {
    Options().Option1716 = 1;
    Options().TailElimination = 0;
    Dtmf().Ani = 1;
    image.Record.OptionExtra[2] = 0; // UpDownKeyLock
    image.Record.OptionExtra[1] = 1; // AlertEnable
    ASSERT_TRUE(Encode());
    EXPECT_EQ(memory[0x0230], 0x85);

    Options().TailElimination = 1;
    image.Record.OptionExtra[2] = 1;
    ASSERT_TRUE(Encode());
    EXPECT_EQ(memory[0x0230], 0xC7); // bits 3 … 5 stay clear
}

TEST_F(OptionCodecTest, FlagByte0233) {
    Options().FunctionOperation = 1;
    Options().InternalFunctionOperation = 1;
    Options().InitialiseKeys = 1;
    ASSERT_TRUE(Encode());
    EXPECT_EQ(memory[0x0233], 0x0B);

    Options().InternalFunctionOperation = 0;
    ASSERT_TRUE(Encode());
    EXPECT_EQ(memory[0x0233], 0x09);
}

TEST_F(OptionCodecTest, KeyFunctionsInFieldOrder) {
    for (std::size_t k = 0; k < kKeyFunctionCount; ++k) {
        Options().KeyFunctions[k] = static_cast<std::int16_t>(19 - k);
    }
    Options().KeyFunctions[11] = 255; // "None"
    ASSERT_TRUE(Encode());
    EXPECT_EQ(At(0x0240, 12), (Bytes{19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 0xFF}));
}

TEST_F(OptionCodecTest, TextsAreSentWithZeroFill) {
    Options().PowerOnPassword = MakeFixedText<6>("123\0"s);
    Options().WelcomeText = MakeFixedText<7>("Hi");
    ASSERT_TRUE(Encode());
    EXPECT_EQ(At(0x0210, 6), (Bytes{0x31, 0x32, 0x33, 0x00, 0x00, 0x00}));
    EXPECT_EQ(At(0x03E0, 7), (Bytes{0x48, 0x69, 0x00, 0x00, 0x00, 0x00, 0x00}));

    Options().PowerOnPassword = MakeFixedText<6>("987654");
    Options().WelcomeText = EmptyFixedText<7>();
    ASSERT_TRUE(Encode());
    EXPECT_EQ(At(0x0210, 6), (Bytes{0x39, 0x38, 0x37, 0x36, 0x35, 0x34}));
    EXPECT_EQ(At(0x03E0, 7), Bytes(7, 0x00));
}

TEST_F(OptionCodecTest, ValuesWithoutAPlaceAreNotSent) {
    ASSERT_TRUE(Encode());
    const RadioMemory before = memory;
    Options().Option1706 = 25;
    Options().Option1708 = 2;
    Options().Option1715 = 1;
    Options().Reserved = 0x7777;
    ASSERT_TRUE(Encode());
    EXPECT_EQ(memory, before);
}

// ---- Encoding failures ---------------------------------------------------------------------

TEST_F(OptionCodecTest, ValueAboveAByteFails) {
    Options().KeyFunctions[11] = 256;
    EXPECT_FALSE(Encode());
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"SetCommDataByOptionError"});
    EXPECT_EQ(ui.shown.at(0).Buttons, MessageButtons::Ok);
}

TEST_F(OptionCodecTest, NegativeValueFails) {
    Options().StartChannel = -1;
    EXPECT_FALSE(Encode());
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"SetCommDataByOptionError"});
}

TEST_F(OptionCodecTest, SendTimeAboveAByteFails) {
    Dtmf().SendTime = 300;
    EXPECT_FALSE(Encode());
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"SetCommDataByOptionError"});
}

TEST_F(OptionCodecTest, FlagOtherThanZeroOrOneFails) {
    Options().Option1716 = 2;
    EXPECT_FALSE(Encode());
    Options().Option1716 = 1;
    Dtmf().Ani = 2;
    EXPECT_FALSE(Encode());
    Dtmf().Ani = 1;
    image.Record.OptionExtra[1] = 2; // AlertEnable
    EXPECT_FALSE(Encode());
    image.Record.OptionExtra[1] = 0;
    Options().InitialiseKeys = 3;
    EXPECT_FALSE(Encode());
    EXPECT_EQ(ui.Texts(), std::vector<std::string>(4, "SetCommDataByOptionError"));
    EXPECT_TRUE(marks.marks.empty());
}

// ---- Decoding ------------------------------------------------------------------------------

TEST_F(OptionCodecTest, KeyLockAboveOneReadsAsOne) {
    memory[0x021A] = 0x05;
    GetCommDataByOption(image, memory);
    EXPECT_EQ(image.Record.OptionExtra[0], 1);
    EXPECT_EQ(memory[0x021A], 0x05); // the repair is the image's only

    memory[0x021A] = 0x00;
    GetCommDataByOption(image, memory);
    EXPECT_EQ(image.Record.OptionExtra[0], 0);
}

TEST_F(OptionCodecTest, Option18AboveOneReadsAsZero) {
    memory[0x0226] = 0x02;
    GetCommDataByOption(image, memory);
    EXPECT_EQ(Options().Option18, 0);
    EXPECT_EQ(memory[0x0226], 0x02);

    memory[0x0226] = 0x01;
    GetCommDataByOption(image, memory);
    EXPECT_EQ(Options().Option18, 1);
}

TEST_F(OptionCodecTest, FlagBytesReadBitByBit) {
    memory[0x0230] = 0x85;
    memory[0x0233] = 0xFA; // bits 1 and 3 among unused ones
    GetCommDataByOption(image, memory);
    EXPECT_EQ(Options().Option1716, 1);
    EXPECT_EQ(Options().TailElimination, 0);
    EXPECT_EQ(Dtmf().Ani, 1);
    EXPECT_EQ(image.Record.OptionExtra[2], 0); // UpDownKeyLock
    EXPECT_EQ(image.Record.OptionExtra[1], 1); // AlertEnable
    EXPECT_EQ(Options().FunctionOperation, 0);
    EXPECT_EQ(Options().InternalFunctionOperation, 1);
    EXPECT_EQ(Options().InitialiseKeys, 1);

    memory[0x0230] = 0x7A; // bits 1, 3 … 6
    GetCommDataByOption(image, memory);
    EXPECT_EQ(Options().Option1716, 0);
    EXPECT_EQ(Options().TailElimination, 1);
    EXPECT_EQ(Dtmf().Ani, 0);
    EXPECT_EQ(image.Record.OptionExtra[2], 1);
    EXPECT_EQ(image.Record.OptionExtra[1], 0);
}

TEST_F(OptionCodecTest, ByteValuesReadWhateverTheyAre) {
    memory[0x0222] = 0xFE;
    memory[0x0240] = 0xFF;
    memory[0x0232] = 0x80;
    GetCommDataByOption(image, memory);
    EXPECT_EQ(Options().StartChannel, 254);
    EXPECT_EQ(Options().KeyFunctions[0], 255);
    EXPECT_EQ(Dtmf().SendTime, 128);
}

TEST_F(OptionCodecTest, ShortPasswordReadsBackWithANul) {
    Options().PowerOnPassword = MakeFixedText<6>("123");
    ASSERT_TRUE(Encode());
    Options().PowerOnPassword = MakeFixedText<6>("999999");
    GetCommDataByOption(image, memory);
    EXPECT_EQ(Options().PowerOnPassword, MakeFixedText<6>("123\0"s));
}

TEST_F(OptionCodecTest, TextsStopAtZeroOrFFAndAtTheirWidth) {
    const Bytes password = {0x31, 0x32, 0xFF, 0x34, 0x35, 0x36};
    std::copy(password.begin(), password.end(), memory.begin() + 0x0210);
    const Bytes welcome = {0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48};
    std::copy(welcome.begin(), welcome.end(), memory.begin() + 0x03E0);
    GetCommDataByOption(image, memory);
    EXPECT_EQ(Options().PowerOnPassword, MakeFixedText<6>("12\0"s));
    EXPECT_EQ(Options().WelcomeText, MakeFixedText<7>("ABCDEFG")); // no room for a NUL

    memory[0x0210] = 0x00;
    GetCommDataByOption(image, memory);
    EXPECT_EQ(Options().PowerOnPassword, MakeFixedText<6>("\0"s));
    EXPECT_EQ(TextOf(Options().PowerOnPassword), "");
}

TEST_F(OptionCodecTest, FieldsWithoutAPlaceKeepTheirValuesThroughARead) {
    Options().Option1706 = 17;
    Options().Option1708 = 2;
    Options().Option1715 = 1;
    Options().Reserved = -5;
    Dtmf().PttId = 3;
    image.Record.OptionExtra = {0, 0, 0};
    for (std::size_t a = 0x0210; a < 0x0250; ++a) {
        memory[a] = 0xFF;
    }
    GetCommDataByOption(image, memory);
    EXPECT_EQ(Options().Option1706, 17);
    EXPECT_EQ(Options().Option1708, 2);
    EXPECT_EQ(Options().Option1715, 1);
    EXPECT_EQ(Options().Reserved, -5);
    EXPECT_EQ(Dtmf().PttId, 3);
    EXPECT_EQ(image.Record.OptionExtra, (std::array<std::uint8_t, 3>{1, 1, 1}));
}

} // namespace
} // namespace rp70
