#pragma once
// The information block a radio carries from the factory and its dealer: serial number,
// production and maintenance data, dealer data. Read from a radio on request and shown; never
// saved in data files or written back.

#include <chrono>
#include <cstdint>
#include <string>

#include "model/fixed_text.h"

namespace rp70 {

struct RadioInfo {
    std::string InfoModel = "KTRP70";
    std::int16_t InfoBand = 0; ///< the radio's band code
    std::string AreaCode;      ///< up to 4 characters, variable length
    FixedText<8> BatchNumber{};
    FixedText<4> CustomerCode{};
    FixedText<16> SerialNumber{};
    FixedText<16> ProductionDate{};
    FixedText<16> MaintenanceDate{};
    FixedText<96> MaintenanceText{};
    std::string FirmwareVersion = "V1.00";
    FixedText<16> DealerCode{};
    FixedText<16> StockDate{};
    FixedText<16> SaleDate{};
    FixedText<16> Handler{};

    bool operator==(const RadioInfo&) const = default;
};

/// The values a run starts with on `today`: batch number "MM-1-E-1", customer code "001A",
/// serial number "YYYYMMDD00000001", the dates as "YYYY-MM-DD" followed by a NUL, the other
/// texts empty (a NUL).
RadioInfo NewRadioInfo(std::chrono::year_month_day today);

} // namespace rp70
