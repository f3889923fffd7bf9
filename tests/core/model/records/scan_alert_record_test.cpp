// The scan and alert records: one byte a field, in field order.

#include "model/records/alert_record.h"
#include "model/records/scan_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/record_bytes.h"

namespace rp70 {
namespace {

// Each field of a record with its offset, and the stored size.
template <typename Record> struct Layout;

template <> struct Layout<ScanRecord> {
    static constexpr const char* kName = "ScanRecord";
    static constexpr std::size_t kSize = 14;
    static constexpr std::size_t kDeclaredSize = kScanRecordSize;
    static inline const std::vector<std::pair<std::uint8_t ScanRecord::*, std::size_t>> kOffsets = {
        {&ScanRecord::ScanMode, 0},        {&ScanRecord::PriorityMode, 1},
        {&ScanRecord::RevertChannel, 2},   {&ScanRecord::LookBackTimeA, 3},
        {&ScanRecord::LookBackTimeB, 4},   {&ScanRecord::RxResumeDelay, 5},
        {&ScanRecord::TxResumeDelay, 6},   {&ScanRecord::ScanType, 7},
        {&ScanRecord::ScanEntryTone, 8},   {&ScanRecord::WaitTime, 9},
        {&ScanRecord::PriorityGroup1, 10}, {&ScanRecord::PriorityChannel1, 11},
        {&ScanRecord::PriorityGroup2, 12}, {&ScanRecord::PriorityChannel2, 13},
    };
};

template <> struct Layout<AlertRecord> {
    static constexpr const char* kName = "AlertRecord";
    static constexpr std::size_t kSize = 12;
    static constexpr std::size_t kDeclaredSize = kAlertRecordSize;
    static inline const std::vector<std::pair<std::uint8_t AlertRecord::*, std::size_t>> kOffsets =
        {
            {&AlertRecord::AlarmMode, 0},     {&AlertRecord::IdCodeType, 1},
            {&AlertRecord::IdCode, 2},        {&AlertRecord::AlarmTime, 3},
            {&AlertRecord::AlertTxTime, 4},   {&AlertRecord::AlertRxTime, 5},
            {&AlertRecord::ChannelSelect, 6}, {&AlertRecord::EmergencyChannel, 7},
            {&AlertRecord::AlertCycle, 8},    {&AlertRecord::AutoDetect, 9},
            {&AlertRecord::PreAlertTime, 10}, {&AlertRecord::LoneWorkerTime, 11},
        };
};

// A record whose byte at offset n holds 0xF0 + n.
template <typename Record> Record Distinct() {
    Record record;
    for (const auto& [field, offset] : Layout<Record>::kOffsets) {
        record.*field = static_cast<std::uint8_t>(0xF0 + offset);
    }
    return record;
}

template <typename Record> class OneByteFieldRecord : public ::testing::Test {};

struct RecordName {
    template <typename Record> static std::string GetName(int) { return Layout<Record>::kName; }
};

using OneByteFieldRecords = ::testing::Types<ScanRecord, AlertRecord>;
TYPED_TEST_SUITE(OneByteFieldRecord, OneByteFieldRecords, RecordName);

TYPED_TEST(OneByteFieldRecord, StoresTheFieldsInOrder) {
    const auto bytes = test::BytesOf(Distinct<TypeParam>());
    ASSERT_EQ(bytes.size(), Layout<TypeParam>::kSize);
    EXPECT_EQ(Layout<TypeParam>::kDeclaredSize, Layout<TypeParam>::kSize);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        EXPECT_EQ(bytes[i], 0xF0 + i) << "byte " << i;
    }
}

TYPED_TEST(OneByteFieldRecord, ReadGivesBackWhatWasWrittenAndStopsAtItsEnd) {
    test::ExpectReadBackStopsAtItsEnd(Distinct<TypeParam>());
    test::ExpectAnyStoredBytesWrittenBackUnchanged<TypeParam>();
}

TYPED_TEST(OneByteFieldRecord, TruncatedDataThrowsAndLeavesRecordAlone) {
    test::ExpectShortDataThrowsAndLeavesRecordAlone(Distinct<TypeParam>(),
                                                    test::WithDefaults(TypeParam{}));
}

// The values themselves are checked in the bytes of a new image.
TYPED_TEST(OneByteFieldRecord, DefaultsOverwriteEveryField) {
    EXPECT_EQ(test::WithDefaults(Distinct<TypeParam>()), test::WithDefaults(TypeParam{}));
}

} // namespace
} // namespace rp70
