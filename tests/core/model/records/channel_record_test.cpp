#include "model/records/channel_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/record_bytes.h"

namespace rp70 {
namespace {

using test::BytesOf;
using test::TextAt;

// Every 16-bit field with its offset in the channel file.
const test::ValueOffsets<ChannelRecord> kValueOffsets = {
    {&ChannelRecord::ChannelNumber, 0},
    {&ChannelRecord::InUse, 2},
    {&ChannelRecord::ScanSkip, 4},
    {&ChannelRecord::StepIndex, 31},
    {&ChannelRecord::TxInhibit, 33},
    {&ChannelRecord::Bandwidth, 35},
    {&ChannelRecord::TxDcsInvert, 37},
    {&ChannelRecord::TxDcsHigh, 39},
    {&ChannelRecord::AuxFlag, 41},
    {&ChannelRecord::Reserved1, 43},
    {&ChannelRecord::Reserved2, 45},
    {&ChannelRecord::ShiftDirection, 47},
    {&ChannelRecord::TxPower, 49},
    {&ChannelRecord::TalkAround, 51},
    {&ChannelRecord::RxDcsInvert, 53},
    {&ChannelRecord::RxDcsHigh, 55},
    {&ChannelRecord::Compander, 57},
    {&ChannelRecord::Reserved3, 59},
    {&ChannelRecord::TxToneType, 61},
    {&ChannelRecord::RxToneType, 63},
    {&ChannelRecord::TxCtcss, 65},
    {&ChannelRecord::RxCtcss, 67},
    {&ChannelRecord::TxDcs, 69},
    {&ChannelRecord::RxDcs, 71},
    {&ChannelRecord::Signalling, 73},
    {&ChannelRecord::Reserved4, 75},
    {&ChannelRecord::TwoToneNumber, 77},
    {&ChannelRecord::FiveToneNumber, 79},
    {&ChannelRecord::PttIdEnable, 81},
    {&ChannelRecord::Reverse, 83},
    {&ChannelRecord::Scrambler, 85},
    {&ChannelRecord::DtmfPttIdMode, 87},
    {&ChannelRecord::FiveTonePttIdMode, 89},
    {&ChannelRecord::SquelchMode, 91},
    {&ChannelRecord::DtmfCode, 93},
    {&ChannelRecord::ExtraDisplay, 95},
    {&ChannelRecord::BusyLock, 97},
    {&ChannelRecord::RadioReserved, 99},
    {&ChannelRecord::PttIdDecode, 101},
};

// A record in which every field holds a different value.
ChannelRecord Distinct() {
    ChannelRecord record;
    test::SetDistinctValues(record, kValueOffsets);
    record.RxFreq = MakeFixedText<9>("014512500");
    record.TxOffset = MakeFixedText<9>("000060000");
    record.Name = MakeFixedText<7>("REPEAT1");
    record.PttIdCode = MakeFixedText<5>("12345");
    return record;
}

TEST(ChannelRecordLayout, IsOneHundredAndEightBytes) {
    EXPECT_EQ(BytesOf(ChannelRecord{}).size(), kChannelRecordSize);
    EXPECT_EQ(kChannelRecordSize, 108u);
    EXPECT_EQ(kValueOffsets.size() + 4, 43u); // 39 values and 4 texts
}

TEST(ChannelRecordLayout, ValuesSitAtTheirOffsets) {
    test::ExpectValuesAtTheirOffsets(Distinct(), kValueOffsets);
}

TEST(ChannelRecordLayout, TextsSitAtTheirOffsets) {
    const auto bytes = BytesOf(Distinct());
    EXPECT_EQ(TextAt(bytes, 6, 9), "014512500");
    EXPECT_EQ(TextAt(bytes, 15, 9), "000060000");
    EXPECT_EQ(TextAt(bytes, 24, 7), "REPEAT1");
    EXPECT_EQ(TextAt(bytes, 103, 5), "12345");
}

TEST(ChannelRecordLayout, ValuesAreLittleEndianSigned) {
    ChannelRecord record;
    record.ChannelNumber = 204;
    record.RxDcs = 511;
    record.RadioReserved = -1;
    const auto bytes = BytesOf(record);
    EXPECT_EQ(bytes[0], 0xCC);
    EXPECT_EQ(bytes[1], 0x00);
    EXPECT_EQ(bytes[71], 0xFF);
    EXPECT_EQ(bytes[72], 0x01);
    EXPECT_EQ(bytes[99], 0xFF);
    EXPECT_EQ(bytes[100], 0xFF);
}

TEST(ChannelRecordRead, RoundTripsEveryField) {
    test::ExpectReadBackStopsAtItsEnd(Distinct());
    test::ExpectReadBackStopsAtItsEnd(NewChannelRecord(7));
    test::ExpectAnyStoredBytesWrittenBackUnchanged<ChannelRecord>();
}

TEST(ChannelRecordRead, TruncatedDataThrowsAndLeavesRecordAlone) {
    test::ExpectShortDataThrowsAndLeavesRecordAlone(Distinct(), NewChannelRecord(3));
}

TEST(NewChannelRecord, IsAnEmptyChannel) {
    EXPECT_EQ(BytesOf(NewChannelRecord(42)),
              test::Concat({{42, 0, 0, 0, 0, 0},                    // number, not in use
                            test::Padded("FFFFFFFFF000000000", 25), // frequency, offset, name
                            {5, 0},                                 // StepIndex
                            test::Bytes(103 - 33, 0),               // every other value 0
                            test::Padded("00000", 5)}));
}

} // namespace
} // namespace rp70
