#pragma once
// The test data dialog without its widgets: the 32 factory test values, which of them have an
// input with a caption, how many hexadecimal digits each input takes, and the hexadecimal text
// an input shows for a value and the value it stands for.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/radio_image.h"
#include "texts/builtin_texts.h"

namespace rp70 {

/// The input of one test value.
struct TestValueInput {
    std::string_view English; ///< empty: the value has no visible input
    std::string_view Chinese;
    int Digits = 2; ///< how many hexadecimal digits a person may type
    int Column = 0; ///< 0 left, 1 right
};

/// The inputs of the test values, by index.
const std::array<TestValueInput, kTestValueCount>& TestValueInputs();

/// The caption of test value `index` in `language` (English for English, otherwise Chinese);
/// empty for a value without a visible input.
std::string_view TestValueCaption(std::size_t index, Language language);

/// What the inputs of the dialog show, one text per test value.
using TestDataTexts = std::array<std::string, kTestValueCount>;

/// A value as its input shows it: upper-case hexadecimal without leading zeros; a negative
/// value as its four digits (−1 as "FFFF").
std::string TestValueText(std::int16_t value);

/// The value an input's text stands for: its hexadecimal digits, read as a 16-bit word (so
/// "FFFF" is −1 again). An empty text is 0; characters other than hexadecimal digits are
/// skipped, and only the last four digits count.
std::int16_t TestValueOfText(std::string_view text);

/// The texts of `values`, every value, hidden ones included.
TestDataTexts ShowTestValues(const TestValues& values);

/// The values the texts stand for.
TestValues ReadTestValues(const TestDataTexts& texts);

/// The typing limit of an input showing `shown`: its digits, or the shown text's length when
/// that is longer (a negative value), so showing a value never cuts it.
int TestValueInputLimit(std::size_t index, std::string_view shown);

} // namespace rp70
