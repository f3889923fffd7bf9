#include "model/records/alert_record.h"
#include "model/records/scan_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace rp70 {
namespace {

template <typename Record> std::vector<std::uint8_t> Bytes(const Record& record) {
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    Write(out, record);
    return bytes;
}

const std::vector<std::pair<std::uint8_t ScanRecord::*, std::size_t>> kScanOffsets = {
    {&ScanRecord::ScanMode, 0},        {&ScanRecord::PriorityMode, 1},
    {&ScanRecord::RevertChannel, 2},   {&ScanRecord::LookBackTimeA, 3},
    {&ScanRecord::LookBackTimeB, 4},   {&ScanRecord::RxResumeDelay, 5},
    {&ScanRecord::TxResumeDelay, 6},   {&ScanRecord::ScanType, 7},
    {&ScanRecord::ScanEntryTone, 8},   {&ScanRecord::WaitTime, 9},
    {&ScanRecord::PriorityGroup1, 10}, {&ScanRecord::PriorityChannel1, 11},
    {&ScanRecord::PriorityGroup2, 12}, {&ScanRecord::PriorityChannel2, 13},
};

const std::vector<std::pair<std::uint8_t AlertRecord::*, std::size_t>> kAlertOffsets = {
    {&AlertRecord::AlarmMode, 0},     {&AlertRecord::IdCodeType, 1},
    {&AlertRecord::IdCode, 2},        {&AlertRecord::AlarmTime, 3},
    {&AlertRecord::AlertTxTime, 4},   {&AlertRecord::AlertRxTime, 5},
    {&AlertRecord::ChannelSelect, 6}, {&AlertRecord::EmergencyChannel, 7},
    {&AlertRecord::AlertCycle, 8},    {&AlertRecord::AutoDetect, 9},
    {&AlertRecord::PreAlertTime, 10}, {&AlertRecord::LoneWorkerTime, 11},
};

// A record whose byte at offset n holds 0xF0 + n.
template <typename Record, typename Offsets> Record Distinct(const Offsets& offsets) {
    Record record;
    for (const auto& [field, offset] : offsets) {
        record.*field = static_cast<std::uint8_t>(0xF0 + offset);
    }
    return record;
}

TEST(ScanRecordLayout, FourteenBytesInFieldOrder) {
    const auto bytes = Bytes(Distinct<ScanRecord>(kScanOffsets));
    ASSERT_EQ(bytes.size(), kScanRecordSize);
    EXPECT_EQ(kScanRecordSize, 14u);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        EXPECT_EQ(bytes[i], 0xF0 + i) << "byte " << i;
    }
}

TEST(ScanRecordRead, RoundTripsAndStopsAfterFourteenBytes) {
    const auto original = Distinct<ScanRecord>(kScanOffsets);
    auto bytes = Bytes(original);
    bytes.push_back(0x77); // the next record's first byte
    ByteReader in(bytes);
    ScanRecord read;
    Read(in, read);
    EXPECT_EQ(read, original);
    EXPECT_EQ(in.Position(), kScanRecordSize);
}

TEST(ScanRecordRead, TruncatedDataThrowsAndLeavesRecordAlone) {
    auto bytes = Bytes(Distinct<ScanRecord>(kScanOffsets));
    bytes.resize(13);
    ByteReader in(bytes);
    ScanRecord record;
    SetDefaults(record);
    const ScanRecord before = record;
    EXPECT_THROW(Read(in, record), TruncatedData);
    EXPECT_EQ(record, before);
}

TEST(ScanRecordDefaults, LookBackTimesFiveEverythingElseZero) {
    auto record = Distinct<ScanRecord>(kScanOffsets);
    SetDefaults(record);
    const std::vector<std::uint8_t> expected = {0, 0, 0, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Bytes(record), expected);
    EXPECT_EQ(record.LookBackTimeA, 5);
    EXPECT_EQ(record.LookBackTimeB, 5);
}

TEST(AlertRecordLayout, TwelveBytesInFieldOrder) {
    const auto bytes = Bytes(Distinct<AlertRecord>(kAlertOffsets));
    ASSERT_EQ(bytes.size(), kAlertRecordSize);
    EXPECT_EQ(kAlertRecordSize, 12u);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        EXPECT_EQ(bytes[i], 0xF0 + i) << "byte " << i;
    }
}

TEST(AlertRecordRead, RoundTripsAndStopsAfterTwelveBytes) {
    const auto original = Distinct<AlertRecord>(kAlertOffsets);
    auto bytes = Bytes(original);
    bytes.push_back(0x77);
    ByteReader in(bytes);
    AlertRecord read;
    Read(in, read);
    EXPECT_EQ(read, original);
    EXPECT_EQ(in.Position(), kAlertRecordSize);
}

TEST(AlertRecordRead, TruncatedDataThrowsAndLeavesRecordAlone) {
    const std::vector<std::uint8_t> bytes(11, 0x33);
    ByteReader in(bytes);
    AlertRecord record;
    SetDefaults(record);
    const AlertRecord before = record;
    EXPECT_THROW(Read(in, record), TruncatedData);
    EXPECT_EQ(record, before);
}

TEST(AlertRecordDefaults, PreAlertOneLoneWorkerFiveEverythingElseZero) {
    auto record = Distinct<AlertRecord>(kAlertOffsets);
    SetDefaults(record);
    const std::vector<std::uint8_t> expected = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 5};
    EXPECT_EQ(Bytes(record), expected);
    EXPECT_EQ(record.PreAlertTime, 1);
    EXPECT_EQ(record.LoneWorkerTime, 5);
}

} // namespace
} // namespace rp70
