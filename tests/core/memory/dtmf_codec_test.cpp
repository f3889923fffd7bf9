#include "memory/dtmf_codec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/memory_bytes.h"
#include "support/recording_interaction.h"
#include "support/recording_marks.h"

namespace rp70 {
namespace {

using test::Bytes;
using test::BytesAt;
using test::Stored;

class DtmfCodec : public ::testing::Test {
protected:
    DtmfCodec() {
        ResetImage(image, {}, nullptr);
        ClearRadioMemory(memory);
    }

    DTMFRecord& Dtmf() { return image.Record.Function.Dtmf; }

    bool Encode() { return SetCommDataByDTMF(image, target); }

    RadioImage image;
    RadioMemory memory{};
    test::RecordingMarks marks;
    test::RecordingInteraction ui;
    EncodeTarget target{memory, marks, ui};
};

DTMFCode Code(const std::string& digits, int length) {
    DTMFCode code;
    code.Digits = MakeFixedText<24>(digits);
    code.Length = static_cast<std::int16_t>(length);
    return code;
}

DTMFShortCode ShortCode(const std::string& digits, int length) {
    DTMFShortCode code;
    code.Digits = MakeFixedText<14>(digits);
    code.Length = static_cast<std::int16_t>(length);
    return code;
}

// --- Settings bytes -------------------------------------------------------------------------

TEST_F(DtmfCodec, SettingsGoToTheirBytes) {
    Dtmf().SeparatorCode = 11;
    Dtmf().GroupCode = 13;
    Dtmf().DecodeResponse = 2;
    Dtmf().PreSendDelay = 0x21;
    Dtmf().FirstDigitDelay = 250;
    Dtmf().ResetTime = 0x23;
    Dtmf().OwnId = MakeFixedText<3>("789");
    Dtmf().SideTone = 1;
    Dtmf().PostSendDelay = 0x24;
    Dtmf().PauseTime = 75;
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x02E0, 16), (Bytes{0x0B, 0x0D, 0x02, 0x21, 0xFA, 0x23, 0x00, 0x07,
                                                  0x08, 0x09, 0x00, 0x00, 0x00, 0x01, 0x24, 75}));
}

TEST_F(DtmfCodec, SeparatorAndGroupOutsideTheirDigitsAreSentAsStarAndOff) {
    Dtmf().SeparatorCode = 9;
    Dtmf().GroupCode = 255;
    ASSERT_TRUE(Encode());
    EXPECT_EQ(memory[0x02E0], 0x0E);
    EXPECT_EQ(memory[0x02E1], 0xFF);

    Dtmf().SeparatorCode = 16;
    Dtmf().GroupCode = 9;
    ASSERT_TRUE(Encode());
    EXPECT_EQ(memory[0x02E0], 0x0E);
    EXPECT_EQ(memory[0x02E1], 0xFF);
}

TEST_F(DtmfCodec, DecodeResponseAndFirstDigitDelayAboveTheirRangeAreSentAsZero) {
    Dtmf().DecodeResponse = 3;
    Dtmf().FirstDigitDelay = 251;
    ASSERT_TRUE(Encode());
    EXPECT_EQ(memory[0x02E2], 0x00);
    EXPECT_EQ(memory[0x02E4], 0x00);
}

TEST_F(DtmfCodec, SeparatorAndGroupReadBackWithinTheirDigits) {
    memory[0x02E0] = 0x0F;
    memory[0x02E1] = 0x0C;
    GetCommDataByDTMF(image, memory);
    EXPECT_EQ(Dtmf().SeparatorCode, 15);
    EXPECT_EQ(Dtmf().GroupCode, 12);

    memory[0x02E0] = 0x09;
    memory[0x02E1] = 0xFF;
    GetCommDataByDTMF(image, memory);
    EXPECT_EQ(Dtmf().SeparatorCode, 14);
    EXPECT_EQ(Dtmf().GroupCode, 10);
}

TEST_F(DtmfCodec, ReadBackRepairsAreKeptInTheMemory) {
    memory[0x02E2] = 3;
    memory[0x02E4] = 251;
    memory[0x02E3] = 0xFE; // no repair here
    GetCommDataByDTMF(image, memory);
    EXPECT_EQ(Dtmf().DecodeResponse, 0);
    EXPECT_EQ(Dtmf().FirstDigitDelay, 0);
    EXPECT_EQ(memory[0x02E2], 0);
    EXPECT_EQ(memory[0x02E4], 0);
    EXPECT_EQ(Dtmf().PreSendDelay, 0xFE);
    EXPECT_EQ(memory[0x02E3], 0xFE);

    memory[0x02E2] = 2;
    memory[0x02E4] = 250;
    GetCommDataByDTMF(image, memory);
    EXPECT_EQ(Dtmf().DecodeResponse, 2);
    EXPECT_EQ(Dtmf().FirstDigitDelay, 250);
    EXPECT_EQ(memory[0x02E2], 2);
    EXPECT_EQ(memory[0x02E4], 250);
}

TEST_F(DtmfCodec, DecodingKeepsTheValuesTheMemoryDoesNotHold) {
    Dtmf().Ani = 1;
    Dtmf().SendTime = 4;
    Dtmf().PttId = 2;
    for (std::size_t a = 0; a < memory.size(); ++a) {
        memory[a] = static_cast<std::uint8_t>(a * 7);
    }
    GetCommDataByDTMF(image, memory);
    EXPECT_EQ(Dtmf().Ani, 1);
    EXPECT_EQ(Dtmf().SendTime, 4);
    EXPECT_EQ(Dtmf().PttId, 2);
}

// --- Own ID ---------------------------------------------------------------------------------

TEST_F(DtmfCodec, ShortOwnIdIsCompletedWithZerosAtItsEndInMemoryAndImage) {
    Dtmf().OwnId = MakeFixedText<3>("12");
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x02E7, 3), (Bytes{0x01, 0x02, 0x00}));
    EXPECT_EQ(Stored(Dtmf().OwnId), "120");
}

TEST_F(DtmfCodec, OwnIdThatIsNoNumberIsSentAsZeros) {
    Dtmf().OwnId = MakeFixedText<3>("AB");
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x02E7, 3), (Bytes{0x00, 0x00, 0x00}));
    EXPECT_EQ(Stored(Dtmf().OwnId), "000");

    Dtmf().OwnId = EmptyFixedText<3>();
    ASSERT_TRUE(Encode());
    EXPECT_EQ(Stored(Dtmf().OwnId), "000");
}

TEST_F(DtmfCodec, OwnIdReadsBackDigitByDigitOrAsZerosWhenOneIsNoDigit) {
    memory[0x02E7] = 4;
    memory[0x02E8] = 0;
    memory[0x02E9] = 9;
    GetCommDataByDTMF(image, memory);
    EXPECT_EQ(Stored(Dtmf().OwnId), "409");

    memory[0x02E8] = 10;
    GetCommDataByDTMF(image, memory);
    EXPECT_EQ(Stored(Dtmf().OwnId), "000");
}

// --- Codes ----------------------------------------------------------------------------------

TEST_F(DtmfCodec, OddLengthCodeIsCompletedWithZeroAndReadsBackWithNul) {
    Dtmf().Codes[0] = Code("123", 3);
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0400, 16),
              (Bytes{0x12, 0x30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x03, 0, 0, 0}));

    Dtmf() = DTMFRecord{};
    GetCommDataByDTMF(image, memory);
    EXPECT_EQ(Dtmf().Codes[0].Length, 3);
    EXPECT_EQ(Stored(Dtmf().Codes[0].Digits), std::string("123\0", 4) + std::string(20, ' '));
}

TEST_F(DtmfCodec, CodesGoToTheirPlaces) {
    for (int i = 0; i < 16; ++i) {
        Dtmf().Codes[static_cast<std::size_t>(i)] = Code("A" + std::to_string(i % 10), 2);
    }
    Dtmf().BotCode = Code("E1", 2);
    Dtmf().EotCode = Code("F2", 2);
    Dtmf().KillCode = ShortCode("D3", 2);
    Dtmf().StunCode = ShortCode("C4", 2);
    ASSERT_TRUE(Encode());
    for (int i = 0; i < 16; ++i) {
        const int at = 0x0400 + 16 * i;
        EXPECT_EQ(memory[static_cast<std::size_t>(at)], 0xA0 + i % 10) << "memory M" << i + 1;
        EXPECT_EQ(memory[static_cast<std::size_t>(at + 12)], 2) << "memory M" << i + 1;
    }
    EXPECT_EQ(memory[0x0340], 0xE1);
    EXPECT_EQ(memory[0x034C], 2);
    EXPECT_EQ(memory[0x0350], 0xF2);
    EXPECT_EQ(memory[0x035C], 2);
    EXPECT_EQ(memory[0x02F0], 0xD3);
    EXPECT_EQ(memory[0x02F7], 2);
    EXPECT_EQ(memory[0x02F8], 0xC4);
    EXPECT_EQ(memory[0x02FF], 2);
}

TEST_F(DtmfCodec, FullLengthCodesFillTheirPlacesAndReadBackWithoutNul) {
    Dtmf().BotCode = Code("0123456789ABCDEF01234567", 24);
    Dtmf().KillCode = ShortCode("0123456789ABCD", 14);
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0340, 13),
              (Bytes{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x67, 24}));
    EXPECT_EQ(BytesAt(memory, 0x02F0, 8), (Bytes{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 14}));

    GetCommDataByDTMF(image, memory);
    EXPECT_EQ(Stored(Dtmf().BotCode.Digits), "0123456789ABCDEF01234567");
    EXPECT_EQ(Dtmf().BotCode.Length, 24);
    EXPECT_EQ(Stored(Dtmf().KillCode.Digits), "0123456789ABCD");
    EXPECT_EQ(Dtmf().KillCode.Length, 14);
}

TEST_F(DtmfCodec, LengthAboveItsPlaceIsSentAsZeroWithoutDigits) {
    Dtmf().BotCode = Code("123456", 30);
    Dtmf().StunCode = ShortCode("1234", 15);
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0340, 16), Bytes(16, 0x00));
    EXPECT_EQ(BytesAt(memory, 0x02F8, 8), Bytes(8, 0x00));
}

TEST_F(DtmfCodec, MemoryCodeShorterThanItsLengthIsCompletedWithZeros) {
    Dtmf().Codes[2] = Code("12", 5);
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0420, 4), (Bytes{0x12, 0x00, 0x00, 0x00}));
    EXPECT_EQ(memory[0x042C], 5);
}

TEST_F(DtmfCodec, DigitsBeyondTheLengthAreNotSent) {
    Dtmf().Codes[1] = Code("123456", 2);
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0410, 3), (Bytes{0x12, 0x00, 0x00}));
}

TEST_F(DtmfCodec, LengthAboveItsPlaceReadsBackAsEmptyCode) {
    memory[0x0340] = 0x12;
    memory[0x034C] = 25;
    memory[0x02F0] = 0x34;
    memory[0x02F7] = 15;
    GetCommDataByDTMF(image, memory);
    EXPECT_EQ(Dtmf().BotCode.Length, 0);
    EXPECT_EQ(Stored(Dtmf().BotCode.Digits), std::string(1, '\0') + std::string(23, ' '));
    EXPECT_EQ(Dtmf().KillCode.Length, 0);
    EXPECT_EQ(Stored(Dtmf().KillCode.Digits), std::string(1, '\0') + std::string(13, ' '));
}

// --- Marks ----------------------------------------------------------------------------------

TEST_F(DtmfCodec, MarksItsThreeAreas) {
    ASSERT_TRUE(Encode());
    using Mark = test::RecordingMarks::Mark;
    EXPECT_EQ(marks.marks, (std::vector<Mark>{{RecordKind::Dtmf, 0x02E0, 32},
                                              {RecordKind::Dtmf, 0x0340, 32},
                                              {RecordKind::Dtmf, 0x0400, 256}}));
}

TEST_F(DtmfCodec, WritesNothingOutsideItsAreas) {
    memory.fill(0xA5);
    for (auto& code : Dtmf().Codes) {
        code = Code("FFFFFFFFFFFFFFFFFFFFFFFF", 24);
    }
    Dtmf().BotCode = Code("1", 24);
    Dtmf().EotCode = Code("", 23);
    Dtmf().KillCode = ShortCode("12345678901234", 14);
    Dtmf().StunCode = ShortCode("1234567890123", 13);
    ASSERT_TRUE(Encode());
    for (std::size_t a = 0; a < memory.size(); ++a) {
        const bool inside = (a >= 0x02E0 && a < 0x0300) || (a >= 0x0340 && a < 0x0360) ||
                            (a >= 0x0400 && a < 0x0500);
        if (!inside) {
            ASSERT_EQ(memory[a], 0xA5) << "address " << a;
        }
    }
    // Unused bytes inside the areas are left as they were.
    EXPECT_EQ(memory[0x02E6], 0xA5);
    EXPECT_EQ(BytesAt(memory, 0x034D, 3), Bytes(3, 0xA5));
    EXPECT_EQ(BytesAt(memory, 0x040D, 3), Bytes(3, 0xA5));
}

// --- Failures -------------------------------------------------------------------------------

TEST_F(DtmfCodec, KillOrStunCodeShorterThanItsLengthFails) {
    Dtmf().OwnId = MakeFixedText<3>("5");
    Dtmf().KillCode = ShortCode("12", 3);
    EXPECT_FALSE(Encode());
    ASSERT_EQ(ui.Texts(), std::vector<std::string>{"SetCommDataByDTMFError"});
    EXPECT_EQ(ui.shown[0].Buttons, MessageButtons::Ok);
    EXPECT_EQ(TextOf(Dtmf().OwnId), "5"); // the image is left alone on failure

    ui.shown.clear();
    Dtmf().KillCode = ShortCode("123", 3);
    Dtmf().StunCode = ShortCode("", 1);
    EXPECT_FALSE(Encode());
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"SetCommDataByDTMFError"});
}

TEST_F(DtmfCodec, DigitThatIsNotHexadecimalFails) {
    Dtmf().Codes[15] = Code("12*4", 4);
    EXPECT_FALSE(Encode());
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"SetCommDataByDTMFError"});
}

TEST_F(DtmfCodec, ValueThatDoesNotFitItsByteFails) {
    for (auto change : std::vector<void (*)(DTMFRecord&)>{
             [](DTMFRecord& r) { r.PreSendDelay = 256; },
             [](DTMFRecord& r) { r.ResetTime = -1; },
             [](DTMFRecord& r) { r.DecodeResponse = -1; },
             [](DTMFRecord& r) { r.PauseTime = 300; },
             [](DTMFRecord& r) { r.SideTone = -2; },
             [](DTMFRecord& r) { r.PostSendDelay = 1000; },
             [](DTMFRecord& r) { r.Codes[4].Length = -1; },
         }) {
        SetDefaults(Dtmf());
        ui.shown.clear();
        change(Dtmf());
        EXPECT_FALSE(Encode());
        EXPECT_EQ(ui.Texts(), std::vector<std::string>{"SetCommDataByDTMFError"});
    }
}

// --- Whole record ---------------------------------------------------------------------------

} // namespace
} // namespace rp70
