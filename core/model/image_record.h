#pragma once
// The settings record of a radio image as the data file stores it.

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/byte_io.h"
#include "model/records/alert_record.h"
#include "model/records/book.h"
#include "model/records/dtmf_record.h"
#include "model/records/five_tone_record.h"
#include "model/records/options_record.h"
#include "model/records/scan_record.h"
#include "model/records/two_tone_record.h"

namespace rp70 {

/// The function and signalling settings, in their stored order.
struct FunctionData {
    DTMFRecord Dtmf;
    TwoToneRecord TwoTone;
    FiveToneRecord FiveTone;
    OptionsRecord Options;
    ScanRecord Scan;
    AlertRecord Alert;

    bool operator==(const FunctionData&) const = default;
};

inline constexpr std::size_t kFunctionDataSize = kDTMFRecordSize + kTwoToneRecordSize +
                                                 kFiveToneRecordSize + kOptionsRecordSize +
                                                 kScanRecordSize + kAlertRecordSize;

/// Everything of an image but its channels and identity.
struct ImageRecord {
    std::int16_t BandIndex = 0;
    FunctionData Function;
    std::int16_t ChannelCount = 0;
    rp70::Book Book;
    std::uint8_t DecodeTime = 0;
    std::array<std::uint8_t, 3> OptionExtra{};

    bool operator==(const ImageRecord&) const = default;
};

inline constexpr std::size_t kImageRecordSize = 8615;
static_assert(2 + kFunctionDataSize + 2 + kBookSize + 1 + 3 == kImageRecordSize);

void Write(ByteWriter& out, const FunctionData& data);
void Read(ByteReader& in, FunctionData& data);

void Write(ByteWriter& out, const ImageRecord& record);
/// Throws TruncatedData when `in` ends early, leaving `record` as it was.
void Read(ByteReader& in, ImageRecord& record);

/// Defaults of a new image for every record, in the order DTMF, 2-tone,
/// 5-tone, options, scan, alert, book. Fields a new image leaves alone keep
/// their values. `BandIndex` and `ChannelCount` are the caller's.
void SetDefaults(ImageRecord& record);

} // namespace rp70
