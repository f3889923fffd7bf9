// The Chinese code page conversion, which has one implementation on each system.

#include "files/gb18030_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace rp70 {
namespace {

TEST(Gb18030Text, WritesGbkCharactersAsGbkAndTheEuroAsGb18030) {
    const struct {
        const char* Utf8;
        std::optional<std::string> Expected;
    } cases[] = {
        {"", ""},
        {"CH-1 |\r\n", "CH-1 |\r\n"},
        {"显示信道", "\xCF\xD4\xCA\xBE\xD0\xC5\xB5\xC0"},
        {"窄带 €5", "\xD5\xAD\xB4\xF8 \xA2\xE3"
                    "5"},
        {"\xE4\xBF", std::nullopt}, // cut inside a character
        {"a\xFF"
         "b",
         std::nullopt}, // not UTF-8 at all
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToGb18030(c.Utf8), c.Expected) << c.Utf8;
    }
}

// A character beyond GBK takes four bytes; a system that cannot write them refuses the text
// rather than writing something else.
TEST(Gb18030Text, ACharacterBeyondGbkTakesFourBytesOrIsRefused) {
    const auto bytes = ToGb18030("\xF0\xA0\x80\x80"); // U+20000
    if (bytes) {
        EXPECT_EQ(*bytes, "\x95\x32\x82\x36");
    }
}

} // namespace
} // namespace rp70
