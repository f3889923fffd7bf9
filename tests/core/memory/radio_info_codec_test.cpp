// The radio and dealer information area at 0010-00FF.

#include "memory/radio_info_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/memory_bytes.h"

namespace rp70 {
namespace {

using namespace std::string_literals;
using test::Bytes;

class RadioInfoCodecTest : public ::testing::Test {
protected:
    RadioInfoCodecTest() {
        ClearRadioMemory(memory);
        using namespace std::chrono;
        info = NewRadioInfo(year{2024} / March / 5);
    }

    void Put(std::size_t address, const Bytes& bytes) {
        std::copy(bytes.begin(), bytes.end(),
                  memory.begin() + static_cast<std::ptrdiff_t>(address));
    }

    void PutText(std::size_t address, std::string_view text) {
        std::copy(text.begin(), text.end(), memory.begin() + static_cast<std::ptrdiff_t>(address));
    }

    RadioMemory memory{};
    RadioInfo info;
};

TEST_F(RadioInfoCodecTest, BlankAreaGivesEmptyFields) {
    GetCommDataByRadioInfo(info, memory);
    EXPECT_EQ(info.InfoBand, 0);
    EXPECT_EQ(info.AreaCode, "");
    EXPECT_EQ(info.SerialNumber, EmptyFixedText<16>());
    EXPECT_EQ(info.ProductionDate, EmptyFixedText<16>());
    EXPECT_EQ(info.BatchNumber, EmptyFixedText<8>());
    EXPECT_EQ(info.CustomerCode, EmptyFixedText<4>());
    EXPECT_EQ(info.MaintenanceDate, EmptyFixedText<16>());
    EXPECT_EQ(info.DealerCode, EmptyFixedText<16>());
    EXPECT_EQ(info.StockDate, EmptyFixedText<16>());
    EXPECT_EQ(info.SaleDate, EmptyFixedText<16>());
    EXPECT_EQ(info.Handler, EmptyFixedText<16>());
    EXPECT_EQ(info.MaintenanceText, EmptyFixedText<96>());
    EXPECT_EQ(TextOf(info.SerialNumber), "");
}

TEST_F(RadioInfoCodecTest, EachFieldAtItsAddress) {
    memory[0x0017] = 19;
    PutText(0x0019, "0086");
    PutText(0x0020, "2023111400000042");
    PutText(0x0030, "2023-11-14");
    PutText(0x0040, "11-1-E-1");
    PutText(0x0048, "002B");
    PutText(0x004C, "PASS");
    PutText(0x0050, "2024-01-02");
    PutText(0x0060, "DEALER 7");
    PutText(0x0070, "2023-12-01");
    PutText(0x0080, "2023-12-24");
    PutText(0x0090, "SMITH");
    PutText(0x00A0, "Antenna replaced");
    GetCommDataByRadioInfo(info, memory);

    EXPECT_EQ(info.InfoBand, 19);
    EXPECT_EQ(info.AreaCode, "0086");
    EXPECT_EQ(info.SerialNumber, MakeFixedText<16>("2023111400000042"));
    EXPECT_EQ(info.ProductionDate, MakeFixedText<16>("2023-11-14\0"s));
    EXPECT_EQ(info.BatchNumber, MakeFixedText<8>("11-1-E-1"));
    EXPECT_EQ(info.CustomerCode, MakeFixedText<4>("002B")); // the password is not taken
    EXPECT_EQ(info.MaintenanceDate, MakeFixedText<16>("2024-01-02\0"s));
    EXPECT_EQ(info.DealerCode, MakeFixedText<16>("DEALER 7\0"s));
    EXPECT_EQ(info.StockDate, MakeFixedText<16>("2023-12-01\0"s));
    EXPECT_EQ(info.SaleDate, MakeFixedText<16>("2023-12-24\0"s));
    EXPECT_EQ(info.Handler, MakeFixedText<16>("SMITH\0"s));
    EXPECT_EQ(info.MaintenanceText, MakeFixedText<96>("Antenna replaced\0"s));
}

TEST_F(RadioInfoCodecTest, AreaCodeStopsAtZeroOrFFAndAfterFourBytes) {
    Put(0x0019, {0x41, 0x42, 0xFF, 0x43});
    GetCommDataByRadioInfo(info, memory);
    EXPECT_EQ(info.AreaCode, "AB");

    Put(0x0019, {0x31, 0x00, 0x32, 0x33});
    GetCommDataByRadioInfo(info, memory);
    EXPECT_EQ(info.AreaCode, "1");

    Put(0x0019, {0x31, 0x32, 0x33, 0x34, 0x35});
    GetCommDataByRadioInfo(info, memory);
    EXPECT_EQ(info.AreaCode, "1234");
}

TEST_F(RadioInfoCodecTest, FixedFieldsStopOnlyAtZero) {
    Put(0x0060, {0x41, 0xFF, 0x42, 0x00, 0x43});
    GetCommDataByRadioInfo(info, memory);
    EXPECT_EQ(info.DealerCode, MakeFixedText<16>("A\xFF"
                                                 "B\0"s));

    std::fill(memory.begin() + 0x0090, memory.begin() + 0x00A0, 0xFF);
    GetCommDataByRadioInfo(info, memory);
    EXPECT_EQ(info.Handler, MakeFixedText<16>(std::string(16, '\xFF')));
}

TEST_F(RadioInfoCodecTest, FieldsDropTrailingSpacesAndFitTheirWidth) {
    PutText(0x0040, "AB      ");
    PutText(0x0048, "1234");
    std::fill(memory.begin() + 0x00A0, memory.begin() + 0x0100, 'M');
    memory[0x0100] = 'X'; // beyond the area
    GetCommDataByRadioInfo(info, memory);
    EXPECT_EQ(info.BatchNumber, MakeFixedText<8>("AB\0"s));
    EXPECT_EQ(info.CustomerCode, MakeFixedText<4>("1234"));
    EXPECT_EQ(info.MaintenanceText, MakeFixedText<96>(std::string(96, 'M')));
}

TEST_F(RadioInfoCodecTest, ModelAndFirmwareVersionAreKept) {
    info.InfoModel = "OTHER";
    info.FirmwareVersion = "V9.99";
    PutText(0x0010, "KTRP70 V2.00");
    GetCommDataByRadioInfo(info, memory);
    EXPECT_EQ(info.InfoModel, "OTHER");
    EXPECT_EQ(info.FirmwareVersion, "V9.99");
}

TEST_F(RadioInfoCodecTest, PreviousValuesAreReplaced) {
    info.AreaCode = "9999";
    PutText(0x0019, "7");
    GetCommDataByRadioInfo(info, memory);
    EXPECT_EQ(info.AreaCode, "7");
    EXPECT_EQ(info.SerialNumber, EmptyFixedText<16>());
    EXPECT_EQ(info.ProductionDate, EmptyFixedText<16>());
}

} // namespace
} // namespace rp70
