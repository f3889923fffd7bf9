#include "shell/builtin_texts.h"

#include <array>
#include <utility>

namespace rp70 {
namespace {

using Pair = std::pair<std::string_view, std::string_view>;

// Indexed by BuiltinText.
constexpr std::array<Pair, 23> kPairs = {{
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
}};

static_assert(kPairs.size() == static_cast<std::size_t>(BuiltinText::TestValueDoesNotFit) + 1);

} // namespace

std::string_view BuiltinTextFor(BuiltinText text, Language language) {
    const Pair& pair = kPairs[static_cast<std::size_t>(text)];
    return language == Language::Chinese ? pair.second : pair.first;
}

} // namespace rp70
