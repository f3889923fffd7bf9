#include "model/records/dtmf_record.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace rp70 {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Encode(const DTMFRecord& record) {
    Bytes bytes;
    ByteWriter out(bytes);
    Write(out, record);
    return bytes;
}

DTMFRecord Decode(const Bytes& bytes) {
    ByteReader in(bytes);
    DTMFRecord record;
    Read(in, record);
    return record;
}

// Bytes of a text field as stored: the text, then spaces up to `width`.
Bytes Padded(std::string_view text, std::size_t width) {
    Bytes bytes(text.begin(), text.end());
    bytes.resize(width, ' ');
    return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

Bytes Slice(const Bytes& bytes, std::size_t offset, std::size_t count) {
    if (offset + count > bytes.size()) {
        ADD_FAILURE() << "slice " << offset << "+" << count << " beyond " << bytes.size();
        return {};
    }
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                 bytes.begin() + static_cast<std::ptrdiff_t>(offset + count));
}

// Every byte different from its neighbours, so a field read from the wrong
// place shows.
Bytes Pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>((i * 37 + 11) & 0xFF);
    }
    return bytes;
}

DTMFRecord KnownRecord() {
    DTMFRecord record;
    for (std::size_t i = 0; i < kDTMFCodeCount; ++i) {
        record.Codes[i].Digits = MakeFixedText<24>(std::string(i + 1, "0123456789ABCDEF"[i]));
        record.Codes[i].Length = static_cast<std::int16_t>(0x0100 + i);
    }
    record.BotCode = {MakeFixedText<24>("12E4F"), 5};
    record.EotCode = {MakeFixedText<24>("0123456789ABCDEF01234567"), 24};
    record.KillCode = {MakeFixedText<14>("135"), 3};
    record.StunCode = {MakeFixedText<14>("ABCDABCDABCDAB"), 14};
    record.Ani = 1;
    record.SendTime = 5;
    record.PttId = 3;
    record.OwnId = MakeFixedText<3>("123");
    record.SeparatorCode = 15;
    record.GroupCode = 255;
    record.DecodeResponse = 2;
    record.FirstDigitDelay = 250;
    record.PreSendDelay = 0x1234;
    record.ResetTime = -2;
    record.PostSendDelay = 300;
    record.PauseTime = 75;
    record.SideTone = 1;
    return record;
}

TEST(DTMFRecordLayout, WritesEveryFieldAtItsOffset) {
    const Bytes bytes = Encode(KnownRecord());
    ASSERT_EQ(bytes.size(), kDTMFRecordSize);

    for (std::size_t i = 0; i < kDTMFCodeCount; ++i) {
        SCOPED_TRACE("code memory " + std::to_string(i));
        const std::string digits(i + 1, "0123456789ABCDEF"[i]);
        EXPECT_EQ(Slice(bytes, 26 * i, 24), Padded(digits, 24));
        EXPECT_EQ(Slice(bytes, 26 * i + 24, 2), (Bytes{static_cast<std::uint8_t>(i), 1}));
    }
    EXPECT_EQ(Slice(bytes, 416, 26), Concat({Padded("12E4F", 24), {5, 0}}));
    EXPECT_EQ(Slice(bytes, 442, 26), Concat({Padded("0123456789ABCDEF01234567", 24), {24, 0}}));
    EXPECT_EQ(Slice(bytes, 468, 16), Concat({Padded("135", 14), {3, 0}}));
    EXPECT_EQ(Slice(bytes, 484, 16), Concat({Padded("ABCDABCDABCDAB", 14), {14, 0}}));
    EXPECT_EQ(Slice(bytes, 500, 2), (Bytes{1, 0}));       // Ani
    EXPECT_EQ(Slice(bytes, 502, 2), (Bytes{5, 0}));       // SendTime
    EXPECT_EQ(Slice(bytes, 504, 2), (Bytes{3, 0}));       // PttId
    EXPECT_EQ(Slice(bytes, 506, 3), Padded("123", 3));    // OwnId
    EXPECT_EQ(Slice(bytes, 509, 2), (Bytes{15, 0}));      // SeparatorCode
    EXPECT_EQ(Slice(bytes, 511, 2), (Bytes{255, 0}));     // GroupCode
    EXPECT_EQ(Slice(bytes, 513, 2), (Bytes{2, 0}));       // DecodeResponse
    EXPECT_EQ(Slice(bytes, 515, 2), (Bytes{250, 0}));     // FirstDigitDelay
    EXPECT_EQ(Slice(bytes, 517, 2), (Bytes{0x34, 0x12})); // PreSendDelay, low byte first
    EXPECT_EQ(Slice(bytes, 519, 2), (Bytes{0xFE, 0xFF})); // ResetTime -2, signed
    EXPECT_EQ(Slice(bytes, 521, 2), (Bytes{0x2C, 0x01})); // PostSendDelay 300
    EXPECT_EQ(Slice(bytes, 523, 2), (Bytes{75, 0}));      // PauseTime
    EXPECT_EQ(Slice(bytes, 525, 2), (Bytes{1, 0}));       // SideTone
}

TEST(DTMFRecordLayout, AppendsAfterWhatIsAlreadyWritten) {
    Bytes bytes{0xAA, 0xBB};
    ByteWriter out(bytes);
    Write(out, KnownRecord());
    ASSERT_EQ(bytes.size(), 2 + kDTMFRecordSize);
    EXPECT_EQ(Slice(bytes, 0, 2), (Bytes{0xAA, 0xBB}));
    EXPECT_EQ(Slice(bytes, 2, kDTMFRecordSize), Encode(KnownRecord()));
}

TEST(DTMFRecordRoundTrip, ReadGivesBackWhatWasWritten) {
    EXPECT_EQ(Decode(Encode(KnownRecord())), KnownRecord());

    DTMFRecord defaults;
    SetDefaults(defaults);
    EXPECT_EQ(Decode(Encode(defaults)), defaults);
}

TEST(DTMFRecordRoundTrip, AnyStoredBytesAreWrittenBackUnchanged) {
    const Bytes stored = Pattern(kDTMFRecordSize);
    EXPECT_EQ(Encode(Decode(stored)), stored);
}

TEST(DTMFRecordRoundTrip, ReadConsumesExactlyTheRecord) {
    Bytes bytes = Encode(KnownRecord());
    bytes.push_back(0x5A);
    ByteReader in(bytes);
    DTMFRecord record;
    Read(in, record);
    EXPECT_EQ(in.Position(), kDTMFRecordSize);
    EXPECT_EQ(in.U8(), 0x5A);
}

TEST(DTMFRecordRead, TruncatedDataThrowsAndLeavesTheRecordAlone) {
    const Bytes full = Encode(KnownRecord());
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{1}, std::size_t{500}, kDTMFRecordSize - 1}) {
        SCOPED_TRACE("size " + std::to_string(size));
        const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
        ByteReader in(cut);
        DTMFRecord record;
        SetDefaults(record);
        const DTMFRecord before = record;
        EXPECT_THROW(Read(in, record), TruncatedData);
        EXPECT_EQ(record, before);
    }
}

TEST(DTMFRecordDefaults, MatchTheNewImageValuesByteForByte) {
    DTMFRecord record;
    SetDefaults(record);

    Bytes expected;
    for (int i = 0; i < 18; ++i) { // 16 memories, begin and end code
        expected = Concat({expected, Padded("", 24), {0, 0}});
    }
    for (int i = 0; i < 2; ++i) { // kill and stun code
        expected = Concat({expected, Padded("", 14), {0, 0}});
    }
    expected = Concat({expected,
                       {0, 0, 1, 0, 3, 0}, // Ani, SendTime, PttId
                       Padded("000", 3),   // OwnId
                       {14, 0, 10, 0, 0, 0, 20, 0, 20, 0, 0, 0, 20, 0, 10, 0, 0, 0}});
    ASSERT_EQ(expected.size(), kDTMFRecordSize);
    EXPECT_EQ(Encode(record), expected);
}

TEST(DTMFRecordDefaults, OverwriteEveryFieldWhateverWasThere) {
    DTMFRecord fresh;
    SetDefaults(fresh);

    DTMFRecord used = Decode(Pattern(kDTMFRecordSize));
    SetDefaults(used);
    EXPECT_EQ(used, fresh);
}

} // namespace
} // namespace rp70
