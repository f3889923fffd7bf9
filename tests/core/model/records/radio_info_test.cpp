// The start values of the radio information.

#include "model/records/radio_info.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace rp70 {
namespace {

using namespace std::string_literals;
using namespace std::chrono;

TEST(NewRadioInfoTest, TextsFollowTheDate) {
    const RadioInfo info = NewRadioInfo(year{2024} / March / 5);
    EXPECT_EQ(info.SerialNumber, MakeFixedText<16>("2024030500000001"));
    EXPECT_EQ(info.BatchNumber, MakeFixedText<8>("03-1-E-1"));
    EXPECT_EQ(info.ProductionDate, MakeFixedText<16>("2024-03-05\0"s));
    EXPECT_EQ(info.MaintenanceDate, MakeFixedText<16>("2024-03-05\0"s));
    EXPECT_EQ(info.StockDate, MakeFixedText<16>("2024-03-05\0"s));
    EXPECT_EQ(info.SaleDate, MakeFixedText<16>("2024-03-05\0"s));
    EXPECT_EQ(TextOf(info.ProductionDate), "2024-03-05");
}

TEST(NewRadioInfoTest, FixedStartValues) {
    const RadioInfo info = NewRadioInfo(year{2031} / December / 31);
    EXPECT_EQ(info.InfoModel, "KTRP70");
    EXPECT_EQ(info.InfoBand, 0);
    EXPECT_EQ(info.AreaCode, "");
    EXPECT_EQ(info.CustomerCode, MakeFixedText<4>("001A"));
    EXPECT_EQ(info.FirmwareVersion, "V1.00");
    EXPECT_EQ(info.MaintenanceText, EmptyFixedText<96>());
    EXPECT_EQ(info.DealerCode, EmptyFixedText<16>());
    EXPECT_EQ(info.Handler, EmptyFixedText<16>());
    EXPECT_EQ(info.SerialNumber, MakeFixedText<16>("2031123100000001"));
    EXPECT_EQ(info.BatchNumber, MakeFixedText<8>("12-1-E-1"));
}

TEST(NewRadioInfoTest, YearHasFourDigits) {
    const RadioInfo info = NewRadioInfo(year{987} / January / 9);
    EXPECT_EQ(info.SerialNumber, MakeFixedText<16>("0987010900000001"));
    EXPECT_EQ(info.SaleDate, MakeFixedText<16>("0987-01-09\0"s));
}

} // namespace
} // namespace rp70
