#include "memory/memory_place.h"

#include <gtest/gtest.h>

namespace rp70 {
namespace {

TEST(MemoryPlace, NamesTheAreaOrRecordOfABlock) {
    const struct {
        int Address;
        const char* Place;
    } cases[] = {
        {0x0040, "radio information"},
        {0x0100, "channel in-use bitmap"},
        {0x03E0, "options"},
        {0x0600, "channel PTT-ID codes"},
        {0x09E0, "channel PTT-ID codes"},
        {0x0B10, "2-tone entry 2"},
        {0x0D20, "5-tone code 2"},
        {0x1970, "5-tone code 100"},
        {0x1C00, "communication book"},
        {0x2000, "channel 1"},
        {0x2010, "channel 1"},
        {0x2020, "channel 2"},
        {0x38F0, "channel 200"},
        {0x3900, "unused memory"},
        {0x0000, "unused memory"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MemoryPlace(c.Address, Language::English), c.Place) << std::hex << c.Address;
    }
    EXPECT_EQ(MemoryPlace(0x2020, Language::Chinese), "信道2");
}

} // namespace
} // namespace rp70
