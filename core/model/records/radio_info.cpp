#include "model/records/radio_info.h"

#include <charconv>
#include <string>

namespace rp70 {
namespace {

/// `value` in decimal with leading zeros to `width` digits; negative values count as 0.
std::string Digits(long value, int width) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value < 0 ? 0 : value);
    std::string text(buffer, result.ptr);
    if (text.size() < static_cast<std::size_t>(width)) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    }
    return text;
}

} // namespace

RadioInfo NewRadioInfo(std::chrono::year_month_day today) {
    const std::string year = Digits(static_cast<int>(today.year()), 4);
    const std::string month = Digits(static_cast<unsigned>(today.month()), 2);
    const std::string day = Digits(static_cast<unsigned>(today.day()), 2);
    std::string date = year + "-" + month + "-" + day;
    date.push_back('\0');

    RadioInfo info;
    info.BatchNumber = MakeFixedText<8>(month + "-1-E-1");
    info.CustomerCode = MakeFixedText<4>("001A");
    info.SerialNumber = MakeFixedText<16>(year + month + day + "00000001");
    info.ProductionDate = MakeFixedText<16>(date);
    info.MaintenanceDate = MakeFixedText<16>(date);
    info.MaintenanceText = EmptyFixedText<96>();
    info.DealerCode = EmptyFixedText<16>();
    info.StockDate = MakeFixedText<16>(date);
    info.SaleDate = MakeFixedText<16>(date);
    info.Handler = EmptyFixedText<16>();
    return info;
}

} // namespace rp70
