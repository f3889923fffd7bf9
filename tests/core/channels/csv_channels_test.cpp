#include "channels/csv_channels.h"

#include <gtest/gtest.h>

#include "model/channel_lookup.h"
#include "model/conversions.h"

namespace rp70 {
namespace {

// A channel list as another programming tool writes it, with its full column set and two
// columns of its own, for a 136 … 174 MHz radio.
constexpr std::string_view kSample =
    R"(Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL
0,CALL2M,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,National simplex,,
1,W1AW RPT,146.940000,-,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,"Repeater, club",,
2,K1ABC,147.300000,+,0.600000,TSQL,88.5,141.3,023,NN,023,Tone->Tone,FM,5.00,,Mid,,,
3,DCS RPT,145.230000,-,0.600000,DTCS,88.5,88.5,051,NR,051,Tone->Tone,NFM,12.50,,Low,,,
4,XBAND,146.000000,split,147.000000,Cross,110.9,88.5,023,RN,754,Tone->DTCS,FM,5.00,,High,,,
5,RXONLY,162.550000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,25.00,S,Low,NOAA weather,,
6,ODDSTEP,151.820000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,7.50,,High,,,
7,OFFRAST,145.126300,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,
8,UHF,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,High,out of band,,
9,"Long ""Name"" here",145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,"multi
line comment",,
10,Café,145.550000,,0.000000,DTCS,88.5,88.5,023,RR,023,Tone->Tone,FM,6.25,,Low,,,
11,DTCSRX,145.600000,,0.000000,Cross,88.5,88.5,023,NN,155,->DTCS,FM,5.00,,High,,,
12,TONERX,145.650000,,0.000000,Cross,88.5,123.0,023,NN,023,->Tone,FM,5.00,,High,,,
13,BADTONE,145.700000,,0.000000,Tone,67.1,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,
14,AMAIR,118.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,,High,airband,,
15,FARTX,173.900000,+,5.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,
16,MARINE,156.800000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,P,5.0W,,,
200,BEYOND,145.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,
PA,PUBLIC,150.000000,,0.000000,DTCS,88.5,88.5,023,XX,023,Tone->Tone,FM,5.00,,High,,,
CALL,CALLCH,146.520000,,0.000000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,FM,2.50,,High,,,
)";

CsvImport Imported(std::string_view text, const RadioImage& image) {
    auto read = ReadChannelsCsv(text, image);
    EXPECT_TRUE(std::holds_alternative<CsvImport>(read)) << std::get<std::string>(read);
    return std::get<CsvImport>(std::move(read));
}

const ChannelRecord& Channel(const RadioImage& image, int number) {
    return image.Channels[static_cast<std::size_t>(FindChannel(image, number).value())];
}

TEST(CsvChannelImport, ReportsEveryRowOfAnotherToolsList) {
    using Kind = CsvRowOutcome::Kind;
    const struct {
        int Line;
        Kind Result;
        const char* Note; ///< part of the first note, or nothing
    } expected[] = {
        {2, Kind::Imported, ""},
        {3, Kind::Corrected, "name \"W1AW RPT\" cut to \"W1AW RP\""},
        {4, Kind::Imported, ""},
        {5, Kind::Imported, ""},
        {6, Kind::Imported, ""},
        {7, Kind::Imported, ""},
        {8, Kind::Corrected, "step 7.50 kHz is not offered by the band; 8.33K taken"},
        {9, Kind::Corrected, "145.126300 moved onto the channel raster: 145.125000"},
        {10, Kind::Refused, "receive frequency 446.000000 is outside the receive band"},
        {11, Kind::Corrected, "cut to \"Long \"N\""},
        {13, Kind::Corrected, "the radio cannot show"},
        {14, Kind::Imported, ""},
        {15, Kind::Imported, ""},
        {16, Kind::Refused, "rToneFreq \"67.1\" is not a CTCSS tone"},
        {17, Kind::Refused, "receive frequency 118.000000 is outside"},
        {18, Kind::Refused, "transmit frequency 178.900000 is outside the transmit band"},
        {19, Kind::Corrected, "Skip \"P\" is not known"},
        {20, Kind::Refused, "location \"200\" is not a channel"},
        {21, Kind::Refused, "DtcsPolarity \"XX\""},
        {22, Kind::Imported, ""},
    };
    RadioImage image;
    const CsvImport import = Imported(kSample, image);
    ASSERT_EQ(import.Rows.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const CsvRowOutcome& row = import.Rows[i];
        EXPECT_EQ(row.Line, expected[i].Line);
        EXPECT_EQ(row.Result, expected[i].Result) << "line " << row.Line;
        const std::string first = row.Notes.empty() ? "" : row.Notes.front();
        EXPECT_NE(first.find(expected[i].Note), std::string::npos) << first;
    }
    EXPECT_EQ(import.Channels.size(), 14u);
    EXPECT_EQ(CsvImportReport(import).back(), "20 rows: 14 imported (6 corrected), 6 refused");
}

TEST(CsvChannelImport, MapsRepeatersTonesAndPolarity) {
    RadioImage image;
    ApplyCsvImport(image, Imported(kSample, image));

    const ChannelRecord& minus = Channel(image, 2); // 146.94 − 0.6, tone 100.0
    EXPECT_EQ(TextOf(minus.RxFreq), "014694000");
    EXPECT_EQ(TextOf(minus.TxOffset), "000060000");
    EXPECT_EQ(minus.ShiftDirection, kShiftMinus);
    EXPECT_EQ(minus.TxToneType, kToneCtcss);
    EXPECT_EQ(minus.TxCtcss, 13);
    EXPECT_EQ(minus.RxToneType, kToneNone);

    const ChannelRecord& dcs = Channel(image, 4); // DTCS 051, polarity NR, NFM, Low
    EXPECT_EQ(dcs.TxToneType, kToneDcs);
    EXPECT_EQ(dcs.RxDcs, 051); // octal, as the code is named
    EXPECT_EQ(dcs.TxDcsInvert, 0);
    EXPECT_EQ(dcs.RxDcsInvert, 1);
    EXPECT_EQ(dcs.Bandwidth, 2);
    EXPECT_EQ(dcs.TxPower, 2);

    const ChannelRecord& split = Channel(image, 5); // split 146 → 147, Tone->DTCS 754
    EXPECT_EQ(split.ShiftDirection, kShiftPlus);
    EXPECT_EQ(TextOf(split.TxOffset), "000100000");
    EXPECT_EQ(split.TxToneType, kToneCtcss);
    EXPECT_EQ(split.RxToneType, kToneDcs);
    EXPECT_EQ(split.RxDcs, 0754);

    EXPECT_EQ(Channel(image, 6).ScanSkip, 1);
    EXPECT_EQ(Channel(image, 6).TxInhibit, 1);  // Duplex "off"
    EXPECT_EQ(Channel(image, 203).RxCtcss, 13); // CALL, TSQL 100.0 from cToneFreq
    EXPECT_FALSE(FindChannel(image, 9));        // the refused out-of-band row
}

TEST(CsvChannelImport, ExportThenImportGivesTheSameChannels) {
    RadioImage image;
    ApplyCsvImport(image, Imported(kSample, image));
    // The tone pairs the sample lacks, a 20K channel and an offset kept on a simplex channel.
    const struct {
        int Number;
        std::int16_t TxType, RxType, TxCtcss, RxCtcss, TxDcs, RxDcs;
    } tones[] = {{1, kToneDcs, kToneNone, 0, 0, 0173, 0},
                 {6, kToneDcs, kToneCtcss, 0, 22, 0265, 0},
                 {7, kToneCtcss, kToneCtcss, 9, 30, 0, 0},
                 {8, kToneDcs, kToneDcs, 0, 0, 0411, 0732}};
    for (const auto& t : tones) {
        ChannelRecord& channel =
            image.Channels[static_cast<std::size_t>(*FindChannel(image, t.Number))];
        channel.TxToneType = t.TxType;
        channel.RxToneType = t.RxType;
        channel.TxCtcss = t.TxCtcss;
        channel.RxCtcss = t.RxCtcss;
        channel.TxDcs = t.TxDcs;
        channel.RxDcs = t.RxDcs;
        channel.TxDcsInvert = t.TxType == kToneDcs ? 1 : 0;
    }
    image.Channels[static_cast<std::size_t>(*FindChannel(image, 1))].Bandwidth = 1; // 20K
    image.Channels[static_cast<std::size_t>(*FindChannel(image, 2))].TxInhibit = 1;
    image.Channels[static_cast<std::size_t>(*FindChannel(image, 6))].TxOffset =
        MakeFixedText<9>("000500000");
    const std::string csv = ExportChannelsCsv(image);

    RadioImage same = image;
    ApplyCsvImport(same, Imported(csv, same));
    EXPECT_TRUE(same.Channels == image.Channels);
    EXPECT_EQ(same.Record.ChannelCount, image.Record.ChannelCount);

    RadioImage fresh;
    const CsvImport import = Imported(csv, fresh);
    for (const CsvRowOutcome& row : import.Rows) {
        EXPECT_EQ(row.Result, CsvRowOutcome::Kind::Imported) << row.Line;
    }
    ApplyCsvImport(fresh, import);
    EXPECT_EQ(ExportChannelsCsv(fresh), csv);
    // The column set cannot tell 20K from 25K: a new channel takes 25K.
    EXPECT_EQ(Channel(fresh, 1).Bandwidth, 0);
}

TEST(CsvChannelImport, MatchesColumnsByNameAndKeepsWhatTheFileLacks) {
    RadioImage image;
    ApplyCsvImport(image, Imported(kSample, image));
    const ChannelRecord before = Channel(image, 2);
    ApplyCsvImport(image, Imported("Frequency,Extra,location\r\n146.82,x,1\r\n", image));
    ChannelRecord expected = before;
    expected.RxFreq = MakeFixedText<9>("014682000");
    EXPECT_EQ(Channel(image, 2), expected);
}

TEST(CsvChannelImport, RefusesFilesThatAreNoChannelList) {
    std::string many = "Location,Frequency\n";
    for (int i = 0; i < 10000; ++i) {
        many += "1,145.5\n";
    }
    const struct {
        std::string Text;
        const char* Error;
    } cases[] = {
        {"Location,Name,Frequency\n1,\"open,145.5\n", "never closed"},
        {"1,A,145.5\n2,B,145.6\n", "no header row"},
        {"", "no header row"},
        {many, "more than 1000 channel rows"},
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "not a text file"},
    };
    const RadioImage image;
    for (const auto& c : cases) {
        const auto read = ReadChannelsCsv(c.Text, image);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.Text.substr(0, 40);
        EXPECT_NE(std::get<std::string>(read).find(c.Error), std::string::npos)
            << std::get<std::string>(read);
    }
}

TEST(CsvChannelImport, RefusesRowsItCannotStore) {
    const struct {
        const char* Row; ///< Frequency,Duplex,Offset,Tone,DtcsCode,CrossMode,Mode
        const char* Why;
    } cases[] = {
        {"abc,,,,,,", "receive frequency \"abc\" is not a frequency"},
        {"-145.5,,,,,,", "is not a frequency"},
        {"123456789012345678901234567890,,,,,,", "is not a frequency"},
        {"145.5,+,-0.6,,,,", "offset \"-0.6\" is not a frequency"},
        {"145.5,x,0.6,,,,", "Duplex \"x\" is not known"},
        {"145.5,,,DTCS,089,,", "DtcsCode \"089\" is not a DCS code"},
        {"145.5,,,Cross,,Tone->Foo,", "CrossMode \"Tone->Foo\" is not supported"},
        {"145.5,,,TSQL-R,,,", "Tone \"TSQL-R\" is not supported"},
        {"145.5,,,,,,AM", "Mode \"AM\" is not supported"},
    };
    const RadioImage image;
    for (const auto& c : cases) {
        const CsvImport import = Imported(
            std::string("Location,Frequency,Duplex,Offset,Tone,DtcsCode,CrossMode,Mode\n0,") +
                c.Row + "\n",
            image);
        ASSERT_EQ(import.Rows.size(), 1u);
        EXPECT_EQ(import.Rows[0].Result, CsvRowOutcome::Kind::Refused) << c.Row;
        EXPECT_NE(import.Rows[0].Notes.front().find(c.Why), std::string::npos)
            << import.Rows[0].Notes.front();
    }
}

TEST(CsvChannelImport, RefusesASecondRowForTheSameLocation) {
    const RadioImage image;
    const CsvImport import = Imported("Location,Frequency\n5,145.5\n5,145.6\n", image);
    ASSERT_EQ(import.Channels.size(), 1u);
    EXPECT_EQ(import.Rows[1].Notes.front(), "location already given on line 2");
}

} // namespace
} // namespace rp70
