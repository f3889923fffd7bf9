#include "model/records/channel_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace rp70 {
namespace {

std::vector<std::uint8_t> Bytes(const ChannelRecord& record) {
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    Write(out, record);
    return bytes;
}

std::int16_t I16At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::int16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

std::string TextAt(const std::vector<std::uint8_t>& bytes, std::size_t offset, std::size_t n) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                       bytes.begin() + static_cast<std::ptrdiff_t>(offset + n));
}

// Every 16-bit field with its offset in the channel file.
const std::vector<std::pair<std::int16_t ChannelRecord::*, std::size_t>> kValueOffsets = {
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
    std::int16_t value = 0x0102;
    for (const auto& [field, offset] : kValueOffsets) {
        record.*field = value;
        value = static_cast<std::int16_t>(value + 0x0101);
    }
    record.RxFreq = MakeFixedText<9>("014512500");
    record.TxOffset = MakeFixedText<9>("000060000");
    record.Name = MakeFixedText<7>("REPEAT1");
    record.PttIdCode = MakeFixedText<5>("12345");
    return record;
}

TEST(ChannelRecordLayout, IsOneHundredAndEightBytes) {
    EXPECT_EQ(Bytes(ChannelRecord{}).size(), kChannelRecordSize);
    EXPECT_EQ(kChannelRecordSize, 108u);
    EXPECT_EQ(kValueOffsets.size() + 4, 43u); // 39 values and 4 texts
}

TEST(ChannelRecordLayout, ValuesSitAtTheirOffsets) {
    const ChannelRecord record = Distinct();
    const auto bytes = Bytes(record);
    for (const auto& [field, offset] : kValueOffsets) {
        EXPECT_EQ(I16At(bytes, offset), record.*field) << "offset " << offset;
    }
}

TEST(ChannelRecordLayout, TextsSitAtTheirOffsets) {
    const auto bytes = Bytes(Distinct());
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
    const auto bytes = Bytes(record);
    EXPECT_EQ(bytes[0], 0xCC);
    EXPECT_EQ(bytes[1], 0x00);
    EXPECT_EQ(bytes[71], 0xFF);
    EXPECT_EQ(bytes[72], 0x01);
    EXPECT_EQ(bytes[99], 0xFF);
    EXPECT_EQ(bytes[100], 0xFF);
}

TEST(ChannelRecordRead, RoundTripsEveryField) {
    const ChannelRecord original = Distinct();
    auto bytes = Bytes(original);
    const auto second = Bytes(NewChannelRecord(7));
    bytes.insert(bytes.end(), second.begin(), second.end());
    ByteReader in(bytes);
    ChannelRecord first_read;
    ChannelRecord second_read;
    Read(in, first_read);
    EXPECT_EQ(in.Position(), kChannelRecordSize);
    Read(in, second_read);
    EXPECT_EQ(first_read, original);
    EXPECT_EQ(second_read, NewChannelRecord(7));
}

TEST(ChannelRecordRead, TruncatedDataThrowsAndLeavesRecordAlone) {
    for (std::size_t size : {std::size_t{0}, std::size_t{30}, kChannelRecordSize - 1}) {
        auto bytes = Bytes(Distinct());
        bytes.resize(size);
        ByteReader in(bytes);
        ChannelRecord record = NewChannelRecord(3);
        EXPECT_THROW(Read(in, record), TruncatedData) << "size " << size;
        EXPECT_EQ(record, NewChannelRecord(3)) << "size " << size;
    }
}

TEST(NewChannelRecord, IsAnEmptyChannel) {
    const ChannelRecord record = NewChannelRecord(42);
    EXPECT_EQ(record.ChannelNumber, 42);
    EXPECT_EQ(record.InUse, 0);
    EXPECT_EQ(record.StepIndex, 5);
    EXPECT_EQ(TextOf(record.Name), "");

    const auto bytes = Bytes(record);
    std::vector<std::uint8_t> expected = {42, 0, 0, 0, 0, 0};
    for (char c : std::string("FFFFFFFFF000000000       ")) {
        expected.push_back(static_cast<std::uint8_t>(c));
    }
    expected.insert(expected.end(), {5, 0});
    expected.resize(103, 0); // every other value 0
    for (char c : std::string("00000")) {
        expected.push_back(static_cast<std::uint8_t>(c));
    }
    EXPECT_EQ(bytes, expected);
}

} // namespace
} // namespace rp70
