// The embedded message window's texts: band list positions, fields as the radio sends them,
// captions in both languages.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "editors/radio_info_view.h"
#include "memory/radio_info_codec.h"
#include "model/bands.h"

namespace rp70 {
namespace {

using namespace std::chrono;

TEST(RadioInfoBandTest, EachListedCodeShowsItsOwnCaptionAtItsPosition) {
    const std::vector<std::string> list = RadioInfoBandList();
    ASSERT_EQ(list.size(), 32U);
    EXPECT_EQ(RadioInfoBandPosition(19), 11);
    EXPECT_EQ(RadioInfoBandPosition(55), 31);
    RadioInfo info;
    for (int position = 0; position < 32; ++position) {
        info.InfoBand = static_cast<std::int16_t>(16 * (position / 8) + position % 8);
        EXPECT_EQ(RadioInfoBandPosition(info.InfoBand), position);
        EXPECT_EQ(list[static_cast<std::size_t>(position)], BandCaption(info.InfoBand));
        EXPECT_EQ(RadioInfoShown(info, RadioInfoField::Band), BandCaption(info.InfoBand));
    }
    // Codes outside the list select nothing rather than the caption of another code.
    for (const int code : {8, 24, 47, 56, 255, -1}) {
        info.InfoBand = static_cast<std::int16_t>(code);
        EXPECT_EQ(RadioInfoBandPosition(info.InfoBand), kNoSelection) << "code " << code;
        EXPECT_EQ(RadioInfoShown(info, RadioInfoField::Band), "") << "code " << code;
    }
}

TEST(RadioInfoShownTest, FieldsReadAsAllNulShowEmpty) {
    RadioInfo info = NewRadioInfo(2024y / March / 5d);
    EXPECT_EQ(RadioInfoShown(info, RadioInfoField::SerialNumber), "2024030500000001");
    EXPECT_EQ(RadioInfoShown(info, RadioInfoField::ProductionDate), "2024-03-05");
    GetCommDataByRadioInfo(info, RadioMemory{});
    for (RadioInfoField field : kRadioInfoFields) {
        const bool kept = field == RadioInfoField::Model || field == RadioInfoField::Band ||
                          field == RadioInfoField::FirmwareVersion;
        EXPECT_EQ(RadioInfoShown(info, field).empty(), !kept) << static_cast<int>(field);
    }
}

TEST(RadioInfoSettingLinesTest, ListsEveryFieldInTheReportOrderAndLanguage) {
    RadioInfo info = NewRadioInfo(2024y / March / 5d);
    info.InfoBand = 19;
    info.AreaCode = std::string("86\0", 3);
    const SettingLines english = RadioInfoSettingLines(info, LanguageTexts());
    ASSERT_EQ(english.size(), 14U);
    EXPECT_EQ(english[0], (SettingLine{"Area Code", "86"}));
    EXPECT_EQ(english[1], (SettingLine{"Manufacture Code", "03-1-E-1"}));
    EXPECT_EQ(english[3], (SettingLine{"Radio Type", "KT-RP70"}));
    EXPECT_EQ(english[4], (SettingLine{"Frequency", std::string(BandCaption(19))}));
    EXPECT_EQ(english[8], (SettingLine{"Version", "V1.00"}));
    EXPECT_EQ(english[9], (SettingLine{"Maintained Description", ""}));
    EXPECT_EQ(english[13], (SettingLine{"Seller", ""}));

    const LanguageTexts chinese = LanguageTexts::Load("missing.ini", Language::Chinese);
    EXPECT_EQ(RadioInfoSettingLines(info, chinese)[9].Label, "维修原因");
    EXPECT_EQ(EmbeddedMessageTitle(Language::Chinese), "嵌入信息");
}

} // namespace
} // namespace rp70
