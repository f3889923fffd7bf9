#include "editors/radio_info_view.h"

#include <algorithm>
#include <cstddef>

#include "model/bands.h"
#include "model/fixed_text.h"

namespace rp70 {
namespace {

struct Caption {
    std::string_view English;
    std::string_view Chinese;

    std::string_view In(Language language) const {
        return language == Language::Chinese ? Chinese : English;
    }
};

constexpr Caption kTitle{"Embedded Message", "嵌入信息"};
constexpr Caption kDealerInformation{"Dealer Information", "经销商信息"};

// Indexed by RadioInfoField.
constexpr std::array<Caption, 14> kCaptions = {{
    {"Radio Type", "机型"},
    {"Frequency", "频段"},
    {"Area Code", "销售区号"},
    {"Manufacture Code", "生产批号"},
    {"User Code", "客户代码"},
    {"Serial Number", "序列号"},
    {"Producted Date", "出厂日期"},
    {"Maintained Date", "维修日期"},
    {"Maintained\nDescription", "维修原因"},
    {"Version", "固件版本"},
    {"Dealer Code", "经销商代码"},
    {"Stock Date", "入库时间"},
    {"Sell Date", "销售时间"},
    {"Seller", "经手人"},
}};

// The order of the printed report.
constexpr std::array<RadioInfoField, 14> kReportOrder = {
    RadioInfoField::AreaCode,
    RadioInfoField::BatchNumber,
    RadioInfoField::CustomerCode,
    RadioInfoField::Model,
    RadioInfoField::Band,
    RadioInfoField::SerialNumber,
    RadioInfoField::ProductionDate,
    RadioInfoField::MaintenanceDate,
    RadioInfoField::FirmwareVersion,
    RadioInfoField::MaintenanceText,
    RadioInfoField::DealerCode,
    RadioInfoField::StockDate,
    RadioInfoField::SaleDate,
    RadioInfoField::Handler,
};

constexpr int kAreaCodeLimit = 4;
constexpr int kMaintenanceTextLimit = 112;
constexpr int kTextLimit = 16;

// The band list holds eight codes from each group of sixteen.
constexpr int kBandGroups = 4;
constexpr int kCodesPerGroup = 16;
constexpr int kBandsPerGroup = 8;

// A text kept as it is, as far as a text box shows it: up to its first NUL.
std::string UpToNul(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

} // namespace

std::string_view EmbeddedMessageTitle(Language language) {
    return kTitle.In(language);
}

std::string_view DealerInformationCaption(Language language) {
    return kDealerInformation.In(language);
}

std::string_view RadioInfoCaption(RadioInfoField field, Language language) {
    return kCaptions[static_cast<std::size_t>(field)].In(language);
}

int RadioInfoEntryLimit(RadioInfoField field) {
    switch (field) {
    case RadioInfoField::Model:
    case RadioInfoField::Band:
        return 0;
    case RadioInfoField::AreaCode:
        return kAreaCodeLimit;
    case RadioInfoField::MaintenanceText:
        return kMaintenanceTextLimit;
    default:
        return kTextLimit;
    }
}

std::vector<std::string> RadioInfoBandList() {
    std::vector<std::string> list;
    for (int group = 0; group < kBandGroups; ++group) {
        for (int band = 0; band < kBandsPerGroup; ++band) {
            list.emplace_back(
                BandCaption(static_cast<std::int16_t>(group * kCodesPerGroup + band)));
        }
    }
    return list;
}

int RadioInfoBandPosition(std::int16_t code) {
    const int group = code / kCodesPerGroup;
    const int band = code % kCodesPerGroup;
    if (code < 0 || group >= kBandGroups || band >= kBandsPerGroup) {
        return kNoSelection;
    }
    return group * kBandsPerGroup + band;
}

std::string RadioInfoShown(const RadioInfo& info, RadioInfoField field) {
    switch (field) {
    case RadioInfoField::Model:
        return ModelDisplayName(info.InfoModel, info.InfoBand);
    case RadioInfoField::Band:
        return TextAt(RadioInfoBandList(), RadioInfoBandPosition(info.InfoBand));
    case RadioInfoField::AreaCode:
        return UpToNul(info.AreaCode);
    case RadioInfoField::BatchNumber:
        return TextOf(info.BatchNumber);
    case RadioInfoField::CustomerCode:
        return TextOf(info.CustomerCode);
    case RadioInfoField::SerialNumber:
        return TextOf(info.SerialNumber);
    case RadioInfoField::ProductionDate:
        return TextOf(info.ProductionDate);
    case RadioInfoField::MaintenanceDate:
        return TextOf(info.MaintenanceDate);
    case RadioInfoField::MaintenanceText:
        return TextOf(info.MaintenanceText);
    case RadioInfoField::FirmwareVersion:
        return UpToNul(info.FirmwareVersion);
    case RadioInfoField::DealerCode:
        return TextOf(info.DealerCode);
    case RadioInfoField::StockDate:
        return TextOf(info.StockDate);
    case RadioInfoField::SaleDate:
        return TextOf(info.SaleDate);
    case RadioInfoField::Handler:
        return TextOf(info.Handler);
    }
    return {};
}

SettingLines RadioInfoSettingLines(const RadioInfo& info, const LanguageTexts& texts) {
    SettingLines lines;
    for (RadioInfoField field : kReportOrder) {
        std::string label(RadioInfoCaption(field, texts.Current()));
        std::replace(label.begin(), label.end(), '\n', ' ');
        lines.push_back({label, RadioInfoShown(info, field)});
    }
    return lines;
}

} // namespace rp70
