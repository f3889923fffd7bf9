#include "memory/radio_info_codec.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/fixed_text.h"

namespace rp70 {
namespace {

constexpr std::size_t kBandAddress = 0x0017;
constexpr std::size_t kAreaCodeAddress = 0x0019;
constexpr std::size_t kAreaCodeWidth = 4;

/// A fixed-width field of the area: the bytes from `address` on, stopping before the first
/// 00 and after `N` bytes (FF is an ordinary character here), without trailing spaces and
/// followed by a NUL when there is room for one.
template <std::size_t N>
void TakeField(FixedText<N>& field, const RadioMemory& memory, std::size_t address) {
    std::string raw;
    for (std::size_t k = 0; k < N; ++k) {
        const std::uint8_t byte = memory[address + k];
        if (byte == 0x00) {
            break;
        }
        raw.push_back(static_cast<char>(byte));
    }
    std::string text = TextOf(raw);
    text.push_back('\0');
    WriteFixedText(field, text);
}

} // namespace

void GetCommDataByRadioInfo(RadioInfo& info, const RadioMemory& memory) {
    info.InfoBand = memory[kBandAddress];

    info.AreaCode.clear();
    for (std::size_t k = 0; k < kAreaCodeWidth; ++k) {
        const std::uint8_t byte = memory[kAreaCodeAddress + k];
        if (byte == 0x00 || byte == 0xFF) {
            break;
        }
        info.AreaCode.push_back(static_cast<char>(byte));
    }

    TakeField(info.SerialNumber, memory, 0x0020);
    TakeField(info.ProductionDate, memory, 0x0030);
    TakeField(info.BatchNumber, memory, 0x0040);
    TakeField(info.CustomerCode, memory, 0x0048);
    TakeField(info.MaintenanceDate, memory, 0x0050);
    TakeField(info.DealerCode, memory, 0x0060);
    TakeField(info.StockDate, memory, 0x0070);
    TakeField(info.SaleDate, memory, 0x0080);
    TakeField(info.Handler, memory, 0x0090);
    TakeField(info.MaintenanceText, memory, 0x00A0);
}

} // namespace rp70
