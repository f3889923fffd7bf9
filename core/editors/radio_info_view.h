#pragma once
// The embedded message window without its widgets: the radio's information block (RadioInfo)
// as the window shows it. Its captions are fixed English/Chinese pairs chosen by the language in
// use; the window stores nothing.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editors/setting_lines.h"
#include "model/choice_list.h"
#include "model/records/radio_info.h"
#include "texts/builtin_texts.h"
#include "texts/language_texts.h"

namespace rp70 {

/// The inputs of the window, one per field of RadioInfo.
enum class RadioInfoField {
    Model, ///< a list with the one model
    Band,  ///< a list of the 32 band captions
    AreaCode,
    BatchNumber,
    CustomerCode,
    SerialNumber,
    ProductionDate,
    MaintenanceDate,
    MaintenanceText, ///< several lines
    FirmwareVersion,
    DealerCode,
    StockDate,
    SaleDate,
    Handler,
};

/// The fields in the order the window lists them; the last kDealerFieldCount of them form the
/// "Dealer Information" group.
inline constexpr std::array<RadioInfoField, 14> kRadioInfoFields = {
    RadioInfoField::Model,           RadioInfoField::Band,
    RadioInfoField::AreaCode,        RadioInfoField::BatchNumber,
    RadioInfoField::CustomerCode,    RadioInfoField::SerialNumber,
    RadioInfoField::ProductionDate,  RadioInfoField::MaintenanceDate,
    RadioInfoField::MaintenanceText, RadioInfoField::FirmwareVersion,
    RadioInfoField::DealerCode,      RadioInfoField::StockDate,
    RadioInfoField::SaleDate,        RadioInfoField::Handler,
};

/// Number of fields in the "Dealer Information" group.
inline constexpr std::size_t kDealerFieldCount = 4;

/// The window's title: "Embedded Message" / "嵌入信息".
std::string_view EmbeddedMessageTitle(Language language);

/// The dealer group's caption: "Dealer Information" / "经销商信息".
std::string_view DealerInformationCaption(Language language);

/// The caption of a field ("Radio Type" / "机型", …). The English caption of the maintenance
/// text has two lines, "Maintained" and "Description", separated by "\n".
std::string_view RadioInfoCaption(RadioInfoField field, Language language);

/// How many characters a text field takes: 4 for the area code, 112 for the maintenance text,
/// 16 for the others; 0 for the two lists.
int RadioInfoEntryLimit(RadioInfoField field);

/// The band list: the captions of the band codes 0 … 7, 16 … 23, 32 … 39 and 48 … 55, each at
/// its own code even where two codes share a caption.
std::vector<std::string> RadioInfoBandList();

/// The position of a band code in the band list: (code div 16) × 8 + (code mod 16). A code that
/// is not in the list (a radio may report any byte) gives kNoSelection, so that the list shows
/// no band rather than another code's.
int RadioInfoBandPosition(std::int16_t code);

/// The text an input shows: the model's display name, the band list's caption (empty for a code
/// not in the list), the area code and firmware version as they are up to a NUL, and TextOf every
/// other field.
std::string RadioInfoShown(const RadioInfo& info, RadioInfoField field);

/// The captions and the texts the window shows, in the order the printed report lists them:
/// area code, batch number, customer code, model, band, serial number, production and
/// maintenance date, firmware version, maintenance text (its caption on one line), then the
/// dealer fields.
SettingLines RadioInfoSettingLines(const RadioInfo& info, const LanguageTexts& texts);

} // namespace rp70
