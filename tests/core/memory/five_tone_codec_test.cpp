#include "memory/five_tone_codec.h"

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
using Mark = test::RecordingMarks::Mark;

class FiveToneCodec : public ::testing::Test {
protected:
    FiveToneCodec() {
        ResetImage(image, {}, nullptr);
        ClearRadioMemory(memory);
    }

    FiveToneRecord& FiveTone() { return image.Record.Function.FiveTone; }

    bool Encode() { return SetCommDataBy5Tone(image, target); }

    void ExpectFailure() {
        EXPECT_FALSE(Encode());
        EXPECT_EQ(ui.Texts(), std::vector<std::string>{"SetCommDataBy5ToneError"});
        ASSERT_FALSE(ui.shown.empty());
        EXPECT_EQ(ui.shown[0].Buttons, MessageButtons::Ok);
        ui.shown.clear();
    }

    RadioImage image;
    RadioMemory memory{};
    test::RecordingMarks marks;
    test::RecordingInteraction ui;
    EncodeTarget target{memory, marks, ui};
};

FiveToneCode Code(const std::string& digits, int length, int standard = 0, int toneLength = 7) {
    FiveToneCode code;
    code.InUseFlag = 0;
    code.Standard = static_cast<std::uint8_t>(standard);
    code.Length = static_cast<std::uint8_t>(length);
    code.ToneLength = static_cast<std::uint8_t>(toneLength);
    code.Digits = MakeFixedText<40>(digits);
    return code;
}

int CodeAt(int j) {
    return 0x0D00 + 32 * j;
}

// --- System values and own ID ---------------------------------------------------------------

TEST_F(FiveToneCodec, SystemValuesGoToTheirBytes) {
    FiveToneRecord& r = FiveTone();
    r.Reserved = 0x11;
    r.DecodeResponse = 2;
    r.Standard = 13;
    r.OwnIdLength = 5;
    r.ToneLength = 10;
    r.OwnId = MakeFixedText<6>("90817");
    r.PreSendDelay = 0x2B;
    r.PostSendDelay = 0x2C;
    r.PauseTime = 0x2D;
    r.ResetTime = 0x2E;
    r.FirstDigitDelay = 0x2F;
    r.SideTone = 1;
    r.AniSeparator = 15;
    r.PauseCode = 12;
    r.PauseCodeTime = 255;
    image.Record.DecodeTime = 200;
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0320, 32),
              (Bytes{0x11, 0x02, 0x0D, 0x05, 0x0A, 0x09, 0x00, 0x08, 0x01, 0x07, 0x00,
                     0x2B, 0x2C, 0x2D, 0x2E, 0x2F, 0x01, 0x0F, 0x0C, 0xFF, 200,  0x00,
                     0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}));

    RadioImage other;
    ResetImage(other, {}, nullptr);
    GetCommDataBy5Tone(other, memory);
    const FiveToneRecord& read = other.Record.Function.FiveTone;
    EXPECT_EQ(read.Reserved, r.Reserved);
    EXPECT_EQ(read.DecodeResponse, r.DecodeResponse);
    EXPECT_EQ(read.Standard, r.Standard);
    EXPECT_EQ(read.OwnIdLength, r.OwnIdLength);
    EXPECT_EQ(read.ToneLength, r.ToneLength);
    EXPECT_EQ(Stored(read.OwnId), std::string("90817\0", 6));
    EXPECT_EQ(read.PreSendDelay, r.PreSendDelay);
    EXPECT_EQ(read.PostSendDelay, r.PostSendDelay);
    EXPECT_EQ(read.PauseTime, r.PauseTime);
    EXPECT_EQ(read.ResetTime, r.ResetTime);
    EXPECT_EQ(read.FirstDigitDelay, r.FirstDigitDelay);
    EXPECT_EQ(read.SideTone, r.SideTone);
    EXPECT_EQ(read.AniSeparator, r.AniSeparator);
    EXPECT_EQ(read.PauseCode, r.PauseCode);
    EXPECT_EQ(read.PauseCodeTime, r.PauseCodeTime);
    EXPECT_EQ(other.Record.DecodeTime, 200);
}

TEST_F(FiveToneCodec, OwnIdSendsOnlyItsFirstOwnIdLengthDigits) {
    FiveTone().OwnId = MakeFixedText<6>("123");
    FiveTone().OwnIdLength = 2;
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0325, 5), (Bytes{0x01, 0x02, 0x00, 0x00, 0x00}));

    // A new image has no own ID at all: nothing to check, all zero.
    SetDefaults(FiveTone());
    FiveTone().OwnId = MakeFixedText<6>("x");
    FiveTone().OwnIdLength = 0;
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0325, 5), Bytes(5, 0x00));
}

TEST_F(FiveToneCodec, OwnIdThatCannotFillItsLengthFails) {
    FiveTone().OwnId = MakeFixedText<6>("12A45");
    FiveTone().OwnIdLength = 5;
    ExpectFailure();

    FiveTone().OwnId = MakeFixedText<6>("123");
    FiveTone().OwnIdLength = 4;
    ExpectFailure();

    // Only five places exist for the digits.
    FiveTone().OwnId = MakeFixedText<6>("123456");
    FiveTone().OwnIdLength = 6;
    ExpectFailure();
}

TEST_F(FiveToneCodec, OwnIdReadsBackBoundedToItsFivePlaces) {
    memory[0x0323] = 9;
    for (int i = 0; i < 8; ++i) {
        memory[static_cast<std::size_t>(0x0325 + i)] = static_cast<std::uint8_t>(i + 1);
    }
    GetCommDataBy5Tone(image, memory);
    EXPECT_EQ(FiveTone().OwnIdLength, 5);
    EXPECT_EQ(Stored(FiveTone().OwnId), std::string("12345\0", 6));

    memory[0x0323] = 3;
    GetCommDataBy5Tone(image, memory);
    EXPECT_EQ(FiveTone().OwnIdLength, 3);
    EXPECT_EQ(Stored(FiveTone().OwnId), std::string("123\0  ", 6));
}

TEST_F(FiveToneCodec, OwnIdWithByteThatIsNoDigitReadsAsZeros) {
    memory[0x0323] = 4;
    memory[0x0325] = 1;
    memory[0x0326] = 0x0A;
    GetCommDataBy5Tone(image, memory);
    EXPECT_EQ(FiveTone().OwnIdLength, 4);
    EXPECT_EQ(Stored(FiveTone().OwnId), std::string("0000\0 ", 6));
}

TEST_F(FiveToneCodec, SixteenBitValuesThatDoNotFitTheirByteFail) {
    FiveTone().FirstDigitDelay = 256;
    ExpectFailure();
    SetDefaults(FiveTone());
    FiveTone().AniSeparator = -1;
    ExpectFailure();
    SetDefaults(FiveTone());
    FiveTone().PauseCodeTime = 300;
    ExpectFailure();
    SetDefaults(FiveTone());
    FiveTone().PauseCode = -5;
    ExpectFailure();
    SetDefaults(FiveTone());
    FiveTone().SideTone = 256;
    ExpectFailure();
}

// --- Code blocks ----------------------------------------------------------------------------

TEST_F(FiveToneCodec, CodeListElementHoldsItsValuesDigitsAndName) {
    FiveTone().Codes[7] = Code("1E23", 4, 2, 7);
    FiveTone().Codes[7].Name = MakeFixedText<7>("AB");
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, CodeAt(7), 32),
              (Bytes{0x00, 0x02, 0x04, 0x07, 0x1E, 0x23, 0,    0,    0,    0,   0,
                     0,    0,    0,    0,    0,    0,    0,    0,    0,    0,   0,
                     0,    0,    0x41, 0x42, 0x20, 0x20, 0x20, 0x20, 0x20, 0x00}));
}

TEST_F(FiveToneCodec, OddLengthCodeIsCompletedWithTheRepeatTone) {
    FiveTone().Codes[0] = Code("12345", 5);
    FiveTone().BotCode = Code("123", 3);
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, CodeAt(0) + 4, 4), (Bytes{0x12, 0x34, 0x5E, 0x00}));
    EXPECT_EQ(BytesAt(memory, 0x0360, 7), (Bytes{0x00, 0x00, 0x03, 0x07, 0x12, 0x3E, 0x00}));
}

TEST_F(FiveToneCodec, CodeDigitsAreCutOrExtendedToTheLength) {
    FiveTone().Codes[1] = Code("123456", 3);
    FiveTone().Codes[2] = Code("12", 5);
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, CodeAt(1) + 4, 3), (Bytes{0x12, 0x3E, 0x00}));
    EXPECT_EQ(BytesAt(memory, CodeAt(2) + 4, 4), (Bytes{0x12, 0xEE, 0xEE, 0x00}));
}

TEST_F(FiveToneCodec, ToneLengthOutsideItsRangeIsSentAndReadAsSeven) {
    FiveTone().Codes[0] = Code("", 0, 0, 2);
    FiveTone().Codes[1] = Code("", 0, 0, 11);
    FiveTone().Codes[2] = Code("", 0, 0, 3);
    FiveTone().Codes[3] = Code("", 0, 0, 10);
    FiveTone().EotCode = Code("", 0, 0, 0);
    ASSERT_TRUE(Encode());
    EXPECT_EQ(memory[CodeAt(0) + 3], 7);
    EXPECT_EQ(memory[CodeAt(1) + 3], 7);
    EXPECT_EQ(memory[CodeAt(2) + 3], 3);
    EXPECT_EQ(memory[CodeAt(3) + 3], 10);
    EXPECT_EQ(memory[0x0373], 7);

    memory[CodeAt(0) + 3] = 0xFF;
    memory[0x0363] = 1;
    GetCommDataBy5Tone(image, memory);
    EXPECT_EQ(FiveTone().Codes[0].ToneLength, 7);
    EXPECT_EQ(FiveTone().Codes[2].ToneLength, 3);
    EXPECT_EQ(FiveTone().Codes[3].ToneLength, 10);
    EXPECT_EQ(FiveTone().BotCode.ToneLength, 7);
}

TEST_F(FiveToneCodec, BeginAndEndCodesHaveNoName) {
    FiveTone().BotCode = Code("0123456789ABCDEF01234567", 24, 5, 9);
    FiveTone().BotCode.Name = MakeFixedText<7>("NAME");
    FiveTone().EotCode = Code("F", 1, 6, 4);
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0360, 16), (Bytes{0x00, 0x05, 24, 0x09, 0x01, 0x23, 0x45, 0x67,
                                                  0x89, 0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x67}));
    EXPECT_EQ(BytesAt(memory, 0x0370, 16),
              (Bytes{0x00, 0x06, 0x01, 0x04, 0xFE, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(FiveToneCodec, CodeLongerThanItsBlockFails) {
    FiveTone().BotCode = Code("1", 25);
    ExpectFailure();

    SetDefaults(FiveTone());
    FiveTone().BotCode = Code("", 0);
    FiveTone().EotCode = Code("1", 30);
    ExpectFailure();

    SetDefaults(FiveTone());
    FiveTone().EotCode = Code("", 0);
    FiveTone().Codes[99] = Code("1", 41);
    ExpectFailure();
}

TEST_F(FiveToneCodec, FullLengthCodeListElementEndsWhereItsNameBegins) {
    FiveTone().Codes[0] = Code(std::string(40, 'D'), 40);
    FiveTone().Codes[0].Name = MakeFixedText<7>("N");
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, CodeAt(0) + 4, 20), Bytes(20, 0xDD));
    EXPECT_EQ(BytesAt(memory, CodeAt(0) + 24, 8),
              (Bytes{'N', 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x00}));

    GetCommDataBy5Tone(image, memory);
    EXPECT_EQ(FiveTone().Codes[0].Length, 40);
    EXPECT_EQ(Stored(FiveTone().Codes[0].Digits), std::string(40, 'D'));
}

TEST_F(FiveToneCodec, DigitThatIsNotHexadecimalFails) {
    FiveTone().Codes[4] = Code("12G4", 4);
    ExpectFailure();
}

// --- Info codes -----------------------------------------------------------------------------

TEST_F(FiveToneCodec, InfoCodeHoldsOneDigitValuePerByte) {
    FiveToneInfoCode& info = FiveTone().InfoCodes[2];
    info.Function = 3;
    info.Response = 2;
    info.Length = 5;
    info.Digits = MakeFixedText<12>("1AF");
    info.Name = MakeFixedText<7>("KILL");
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0540, 32),
              (Bytes{0x03, 0x02, 0x05, 0x01, 0x0A, 0x0F, 0x0E, 0x0E, 0, 0, 0, 0, 0, 0, 0, 0,
                     'K',  'I',  'L',  'L',  0x20, 0x20, 0x20, 0,    0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(FiveToneCodec, InfoCodeOfTwelveDigitsFillsItsPlace) {
    FiveToneInfoCode& info = FiveTone().InfoCodes[7];
    info.Length = 12;
    info.Digits = MakeFixedText<12>("0123456789AB");
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x05E0, 16),
              (Bytes{0, 0, 12, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0}));
}

TEST_F(FiveToneCodec, InfoCodeLongerThanTwelveOrWithoutHexDigitsFails) {
    FiveTone().InfoCodes[0].Length = 13;
    ExpectFailure();

    SetDefaults(FiveTone());
    FiveTone().InfoCodes[1].Length = 2;
    FiveTone().InfoCodes[1].Digits = MakeFixedText<12>("1x");
    ExpectFailure();
}

TEST_F(FiveToneCodec, UnsetInfoBlockReadsAsZeros) {
    memory[0x0500] = 0xFF;
    memory[0x0501] = 0xFF;
    memory[0x0502] = 0xFF;
    GetCommDataBy5Tone(image, memory);
    const FiveToneInfoCode& info = FiveTone().InfoCodes[0];
    EXPECT_EQ(info.Function, 0);
    EXPECT_EQ(info.Response, 0);
    EXPECT_EQ(info.Length, 0);
    EXPECT_EQ(TextOf(info.Digits), "");
}

TEST_F(FiveToneCodec, InfoCodeReadsBackBoundedToTwelveDigits) {
    const Bytes block = {0x05, 0x01, 20,  0x01, 0x0F, 0x22, 3,   4,   5,   6,   7,
                         8,    9,    0xA, 0xB,  0xC,  'W',  'A', 'K', 'E', 0xFF};
    std::copy(block.begin(), block.end(), memory.begin() + 0x0520);
    GetCommDataBy5Tone(image, memory);
    const FiveToneInfoCode& info = FiveTone().InfoCodes[1];
    EXPECT_EQ(info.Function, 5);
    EXPECT_EQ(info.Response, 1);
    EXPECT_EQ(info.Length, 12);
    // A byte that is not a digit value (22) reads as digit 0.
    EXPECT_EQ(Stored(info.Digits), "1F03456789AB");
    EXPECT_EQ(Stored(info.Name), std::string("WAKE\0  ", 7));
}

// --- Code list bitmap, marks and reading the list -------------------------------------------

TEST_F(FiveToneCodec, BitmapClearsTheBitsOfElementsInUseOnly) {
    FiveTone().Codes[0] = Code("12", 2);
    FiveTone().Codes[9] = Code("34", 2);
    FiveTone().Codes[99] = Code("56", 2);
    FiveTone().Codes[5].InUseFlag = -1;
    FiveTone().Codes[6].InUseFlag = 1;
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0390, 16), (Bytes{0xFE, 0xFD, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                  0xFF, 0xFF, 0xFF, 0xFF, 0xF7, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(marks.marks, (std::vector<Mark>{{RecordKind::FiveTone, 0x0320, 32},
                                              {RecordKind::FiveTone, 0x0360, 32},
                                              {RecordKind::FiveTone, 0x0500, 256},
                                              {RecordKind::FiveTone, 0x0390, 16},
                                              {RecordKind::FiveTone, CodeAt(0), 32},
                                              {RecordKind::FiveTone, CodeAt(9), 32},
                                              {RecordKind::FiveTone, CodeAt(99), 32}}));
}

TEST_F(FiveToneCodec, ElementsNotInUseAreWrittenButNotMarked) {
    FiveTone().Codes[3] = Code("77", 2);
    FiveTone().Codes[3].InUseFlag = 1;
    ASSERT_TRUE(Encode());
    EXPECT_EQ(memory[CodeAt(3) + 4], 0x77);
    EXPECT_EQ(marks.Blocks().count(CodeAt(3) / 16), 0u);
}

TEST_F(FiveToneCodec, ElementNotInUseKeepsItsFieldsOnRead) {
    FiveToneCode& old = FiveTone().Codes[4];
    old = Code("1234", 4, 3, 5);
    old.Name = MakeFixedText<7>("OLD");
    old.Spare = 9;
    const FiveToneCode kept = old;
    // The radio's block holds something else, but its bit says the element is not in use.
    memory[CodeAt(4) + 2] = 2;
    memory[CodeAt(4) + 4] = 0x99;
    GetCommDataBy5Tone(image, memory);
    FiveToneCode expected = kept;
    expected.InUseFlag = 1;
    EXPECT_EQ(FiveTone().Codes[4], expected);
}

TEST_F(FiveToneCodec, ElementInUseIsReadFromItsBlock) {
    FiveToneCode& old = FiveTone().Codes[50];
    old.Spare = 4;
    const Bytes block = {0x00, 0x02, 0x05, 0x0C, 0x12, 0x34, 0x5E, 0x99, 0,   0,  0,
                         0,    0,    0,    0,    0,    0,    0,    0,    0,   0,  0,
                         0,    0,    'A',  'B',  0x00, 'C',  'D',  'E',  'F', 'G'};
    std::copy(block.begin(), block.end(), memory.begin() + CodeAt(50));
    memory[0x0396] = 0xFB; // element 51: byte 0390 + 6, bit 2
    GetCommDataBy5Tone(image, memory);
    const FiveToneCode& read = FiveTone().Codes[50];
    EXPECT_EQ(read.InUseFlag, 0);
    EXPECT_EQ(read.Spare, 4);
    EXPECT_EQ(read.Standard, 2);
    EXPECT_EQ(read.Length, 5);
    EXPECT_EQ(read.ToneLength, 7);
    EXPECT_EQ(Stored(read.Digits), "12345" + std::string(35, ' '));
    EXPECT_EQ(Stored(read.Name), std::string("AB\0    ", 7));
}

TEST_F(FiveToneCodec, CodeLengthsReadBackBoundedToTheirBlocks) {
    memory[0x0362] = 30;
    for (int k = 0; k < 12; ++k) {
        memory[static_cast<std::size_t>(0x0364 + k)] = 0x11;
    }
    memory[0x0370] = 0x55; // the next block is not read into the begin code
    memory[CodeAt(0) + 2] = 0xFF;
    memory[0x0390] = 0xFE;
    GetCommDataBy5Tone(image, memory);
    EXPECT_EQ(FiveTone().BotCode.Length, 24);
    EXPECT_EQ(Stored(FiveTone().BotCode.Digits), std::string(24, '1') + std::string(16, ' '));
    EXPECT_EQ(FiveTone().Codes[0].Length, 40);
    EXPECT_EQ(TextOf(FiveTone().Codes[0].Digits), std::string(40, '0'));
}

TEST_F(FiveToneCodec, BeginAndEndCodesKeepTheirFlagSpareAndNameOnRead) {
    FiveTone().BotCode.InUseFlag = -1;
    FiveTone().BotCode.Spare = 3;
    FiveTone().BotCode.Name = MakeFixedText<7>("BEGIN");
    FiveTone().EotCode.Name = MakeFixedText<7>("END");
    memory[0x0361] = 4;
    memory[0x0362] = 2;
    memory[0x0363] = 8;
    memory[0x0364] = 0xAB;
    GetCommDataBy5Tone(image, memory);
    const FiveToneCode& bot = FiveTone().BotCode;
    EXPECT_EQ(bot.InUseFlag, -1);
    EXPECT_EQ(bot.Spare, 3);
    EXPECT_EQ(TextOf(bot.Name), "BEGIN");
    EXPECT_EQ(bot.Standard, 4);
    EXPECT_EQ(bot.ToneLength, 8);
    EXPECT_EQ(TextOf(bot.Digits), "AB");
    EXPECT_EQ(TextOf(FiveTone().EotCode.Name), "END");
}

// --- Whole record ---------------------------------------------------------------------------

TEST_F(FiveToneCodec, WritesNothingOutsideItsAreas) {
    memory.fill(0xA5);
    FiveTone().OwnId = MakeFixedText<6>("12345");
    FiveTone().OwnIdLength = 5;
    FiveTone().BotCode = Code("1", 24);
    FiveTone().EotCode = Code("2", 23);
    for (auto& info : FiveTone().InfoCodes) {
        info.Length = 12;
        info.Name = MakeFixedText<7>("INFO");
    }
    for (auto& code : FiveTone().Codes) {
        code = Code("3", 40);
        code.Name = MakeFixedText<7>("CODE");
    }
    FiveTone().Codes[1].InUseFlag = 1;
    ASSERT_TRUE(Encode());
    for (std::size_t a = 0; a < memory.size(); ++a) {
        const bool header = (a >= 0x0320 && a < 0x032A) || (a >= 0x032B && a < 0x0335);
        const bool codes = a >= 0x0360 && a < 0x0380 && a % 16 != 0;
        const bool bitmap = a >= 0x0390 && a < 0x039D;
        const bool info =
            a >= 0x0500 && a < 0x0600 && (a % 32 < 15 || (a % 32 >= 16 && a % 32 < 23));
        const bool list = a >= 0x0D00 && a < 0x1980 && a % 32 != 0 && a % 32 != 31;
        if (!header && !codes && !bitmap && !info && !list) {
            ASSERT_EQ(memory[a], 0xA5) << "address " << a;
        }
    }
    EXPECT_EQ(memory[0x039C], 0xF0);
}

} // namespace
} // namespace rp70
