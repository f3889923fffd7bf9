#include "memory/memory_place.h"

#include <array>
#include <string_view>

namespace rp70 {
namespace {

/// One area of the memory map. Areas of numbered records name the record: its number is
/// (address − First) / RecordLength + 1.
struct Area {
    int First;
    int Last;
    std::string_view English;
    std::string_view Chinese;
    int RecordLength = 0; ///< 0: the area is one setting
};

constexpr std::array<Area, 25> kAreas = {{
    {0x0010, 0x00FF, "radio information", "对讲机信息"},
    {0x0100, 0x011F, "channel in-use bitmap", "信道使用表"},
    {0x0120, 0x013F, "channel scan bitmap", "信道扫描表"},
    {0x0210, 0x024F, "options", "功能设定"},
    {0x0260, 0x027F, "channel PB", "信道PB"},
    {0x0280, 0x029F, "channel PA", "信道PA"},
    {0x02A0, 0x02BF, "channel CALL", "信道CALL"},
    {0x02C0, 0x02DF, "channel VFO", "信道VFO"},
    {0x02E0, 0x02FF, "DTMF", "DTMF"},
    {0x0300, 0x031F, "2-tone", "2Tone"},
    {0x0320, 0x033F, "5-tone", "5Tone"},
    {0x0340, 0x035F, "DTMF", "DTMF"},
    {0x0360, 0x037F, "5-tone", "5Tone"},
    {0x0380, 0x038F, "2-tone entry bitmap", "2Tone使用表"},
    {0x0390, 0x039F, "5-tone entry bitmap", "5Tone使用表"},
    {0x03A0, 0x03AF, "alert", "报警"},
    {0x03B0, 0x03BF, "scan", "扫描"},
    {0x03E0, 0x03EF, "options", "功能设定"},
    {0x0400, 0x04FF, "DTMF code memories", "DTMF编码"},
    {0x0500, 0x05FF, "5-tone info codes", "5Tone信息码"},
    {0x0600, 0x09E7, "channel PTT-ID codes", "信道PTT-ID码"},
    {0x0B00, 0x0CFF, "2-tone entry ", "2Tone条目", 16},
    {0x0D00, 0x197F, "5-tone code ", "5Tone编码", 32},
    {0x1980, 0x1FFF, "communication book", "通信簿"},
    {0x2000, 0x38FF, "channel ", "信道", 32},
}};

std::string NameOf(const Area& area, int address, Language language) {
    std::string name(language == Language::Chinese ? area.Chinese : area.English);
    if (area.RecordLength > 0) {
        name += std::to_string((address - area.First) / area.RecordLength + 1);
    }
    return name;
}

} // namespace

std::string MemoryPlace(int address, Language language) {
    // A block is named by the area its first byte lies in (0600 … 09E7 ends inside a block).
    for (const Area& area : kAreas) {
        if (address >= area.First && address <= area.Last) {
            return NameOf(area, address, language);
        }
    }
    return language == Language::Chinese ? "未用存储区" : "unused memory";
}

} // namespace rp70
