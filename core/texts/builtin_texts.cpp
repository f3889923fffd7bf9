#include "texts/builtin_texts.h"

#include <array>
#include <utility>

namespace rp70 {
namespace {

using Pair = std::pair<std::string_view, std::string_view>;

// Indexed by BuiltinText.
constexpr std::array<Pair, 68> kPairs = {{
    {"Read data from radio", "从对讲机读取数据"},
    {"Write data to radio", "向对讲机写入数据"},
    {"Completion percentage:", "完成进度:"},
    {"Read data from radio.\r\nDo you wish continue?", "从对讲机读取数据。\r\n是否继续？"},
    {"Write data to radio.\r\nDo you wish continue?", "向对讲机写入数据。\r\n是否继续？"},
    {"Model type is wrong. ", "机型类型错误。"},
    {"Radio is killed,can't be written!", "对讲机被遥毙，不能写入！"},
    {"Radio is fainted,can't be written!", "对讲机被遥晕，不能写入！"},
    {"Version is wrong. Overwrite?", "版本错误。"},
    {"Frequencys is wrong!", "频段类型错误！"},
    {"All data will be cleared.", "所有数据将被清空。"},
    {"file error.", "文件错误。"},
    {"file password error.", "文件密码错误。"},
    {"File Password Set", "文件密码设置"},
    {"File Password", "文件密码"},
    {"file will be Overwrite,Continue?", "文件将被覆盖，是否继续？"},
    {"File has been modify,save it now?", "当前文件已被修改，是否现在保存？"},
    {"Data File", "数据文件"},
    {"Frequency data will be cleared.", "频率数据将被清除。"},
    {"Warning", "警告"},
    {"&Close", "关闭(&C)"},
    {"Communication failure", "通信失败"},
    {"Test value %1 does not fit its place in the radio; nothing has been written.",
     "测试值%1超出对讲机的存储范围，未写入任何数据。"},
    {"No serial port is chosen (Settings > COM Port).", "未选择串口（设置 > 串口）。"},
    {"Port %1 is not there: check that the cable is plugged in.",
     "串口%1不存在：请检查写频线是否已插好。"},
    {"Port %1 may not be opened by this user (%2).", "当前用户无权打开串口%1（%2）。"},
    {"Add your user to the %1 group (sudo usermod -aG %1 $USER), then log out and in again.",
     "请将当前用户加入 %1 组（sudo usermod -aG %1 $USER），然后注销并重新登录。"},
    {"Port %1 is busy: another program is using it (%2); close that program and try again.",
     "串口%1忙：正被其他程序占用（%2），请关闭该程序后重试。"},
    {"Port %1: %2", "串口%1：%2"},
    {"No USB serial port is present, and there are signs of the braille display service brltty "
     "(a running process or kernel log lines): it may be holding the USB serial adapter. Stop it "
     "with sudo systemctl stop brltty (for good: sudo systemctl mask brltty-udev.service "
     "brltty.service, or sudo apt remove brltty), then plug the cable in again.",
     "没有USB串口，而系统中有盲文显示服务 brltty 的迹象（正在运行的进程或内核日志）："
     "它可能占用了USB串口适配器。请用 sudo systemctl stop brltty 停止它（永久停用："
     "sudo systemctl mask brltty-udev.service brltty.service，或 sudo apt remove brltty），"
     "然后重新插入写频线。"},
    {"This user may not open %1 (group %2).", "当前用户无权打开%1（%2 组）。"},
    {"KT_RP70 Radio Programming Information", "KT_RP70 对讲机编程信息"},
    {"Model Type", "机型类型"},
    {"Frequency", "频率"},
    {"File Name", "文件名"},
    {"Channel Infomation", "信道信息"},
    {"VHF Channel Infomation", "VHF信道信息"},
    {"Radio Channel Infomation", "Radio信道信息"},
    {"Option", "功能设定"},
    {"DTMF", "DTMF"},
    {"2Tone", "2Tone"},
    {"5Tone", "5Tone"},
    {"Communication Book", "通信簿"},
    {"Embedded Message", "嵌入信息"},
    {"Select &All", "选择所有(&A)"},
    {"&Clear All", "清除所有(&C)"},
    {"&Set", "设置(&S)"},
    {"Please select printing items.", "请选择打印项目。"},
    {"OFF", "关"},
    {"ON", "开"},
    {"Verify data in radio", "校验对讲机数据"},
    {"Verify after write: %1 block(s) in the radio differ from what was written:",
     "写入后校验：对讲机中有%1个数据块与写入的数据不同："},
    {"The backup could not be saved in %1.", "无法在%1中保存备份。"},
    {"Backups", "备份"},
    {"Date and Time", "日期时间"},
    {"Kind", "类型"},
    {"Read from radio", "从对讲机读取"},
    {"Written to radio", "写入对讲机"},
    {"Model", "机型"},
    {"Band", "频段"},
    {"Channels", "信道数"},
    {"&Open", "打开(&O)"},
    {"Compare", "比较"},
    {"Place", "位置"},
    {"Field", "项目"},
    {"Open image", "当前数据"},
    {"Radio", "对讲机"},
    {"No differences.", "没有差别。"},
}};

static_assert(kPairs.size() == static_cast<std::size_t>(BuiltinText::CompareNoDifferences) + 1);

} // namespace

std::string_view BuiltinTextFor(BuiltinText text, Language language) {
    const Pair& pair = kPairs[static_cast<std::size_t>(text)];
    return language == Language::Chinese ? pair.second : pair.first;
}

std::string FillMarker(std::string_view original, std::string_view marker, std::string_view value) {
    std::string text(original);
    for (auto at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + value.size())) {
        text.replace(at, marker.size(), value);
    }
    return text;
}

} // namespace rp70
