#include "editors/test_data_edit.h"

#include <algorithm>

namespace rp70 {

const std::array<TestValueInput, kTestValueCount>& TestValueInputs() {
    static const std::array<TestValueInput, kTestValueCount> inputs = [] {
        std::array<TestValueInput, kTestValueCount> all{};
        for (std::size_t i = 0; i < all.size(); ++i) {
            all[i].Digits = (i <= 1 || (i >= 14 && i <= 15) || (i >= 18 && i <= 20)) ? 3 : 2;
            all[i].Column = i >= 16 ? 1 : 0;
        }
        const auto caption = [&](std::size_t i, std::string_view english,
                                 std::string_view chinese) {
            all[i].English = english;
            all[i].Chinese = chinese;
        };
        caption(2, "Frequency Adjust", "频率调整");
        caption(3, "Higher Power", "大高功率");
        caption(4, "High Power", "小高功率");
        caption(5, "Middle Power", "中功率");
        caption(6, "Low Power", "低功率");
        caption(7, "Offset frequency of 25K", "25K频偏");
        caption(8, "Offset frequency of 20K", "20K频偏");
        caption(9, "Offset frequency of 12.5K", "12.5K频偏");
        caption(10, "Microphone Sensitivity", "麦克风灵敏度");
        caption(11, "CTCSS of 25K", "25K CTCSS");
        caption(12, "CTCSS of 20K", "20K CTCSS");
        caption(13, "CTCSS of 12.5K", "12.5K CTCSS");
        caption(14, "SYS_BAND", "SYS_BAND");
        caption(16, "test_v", "test_v");
        caption(17, "test_status", "test_status");
        caption(18, "SYS_MOD1", "SYS_MOD1");
        caption(19, "SYS_MODM1", "SYS_MODM1");
        caption(20, "SYS_MODN1", "SYS_MODN1");
        return all;
    }();
    return inputs;
}

std::string_view TestValueCaption(std::size_t index, Language language) {
    const TestValueInput& input = TestValueInputs().at(index);
    return language == Language::English ? input.English : input.Chinese;
}

std::string TestValueText(std::int16_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    auto word = static_cast<std::uint16_t>(value);
    std::string text;
    do {
        text.insert(text.begin(), kDigits[word % 16]);
        word = static_cast<std::uint16_t>(word / 16);
    } while (word != 0);
    return text;
}

std::int16_t TestValueOfText(std::string_view text) {
    std::uint16_t word = 0;
    for (const char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        }
        if (digit >= 0) {
            word = static_cast<std::uint16_t>(word * 16 + digit);
        }
    }
    return static_cast<std::int16_t>(word);
}

TestDataTexts ShowTestValues(const TestValues& values) {
    TestDataTexts texts;
    std::transform(values.begin(), values.end(), texts.begin(), TestValueText);
    return texts;
}

TestValues ReadTestValues(const TestDataTexts& texts) {
    TestValues values{};
    std::transform(texts.begin(), texts.end(), values.begin(),
                   [](const std::string& text) { return TestValueOfText(text); });
    return values;
}

int TestValueInputLimit(std::size_t index, std::string_view shown) {
    return std::max(TestValueInputs().at(index).Digits, static_cast<int>(shown.size()));
}

} // namespace rp70
