#include "sample_radio.h"

#include <gtest/gtest.h>

#include "memory/memory_codec.h"
#include "memory/radio_info_codec.h"
#include "model/fixed_text.h"

namespace rp70::sim {
namespace {

TEST(SampleRadioTest, HoldsNamedChannelsAndAnInformationBlock) {
    RadioMemory memory = SampleRadioMemory();
    RadioImage image;
    ResetImage(image, {}, nullptr);
    DecodeRadioMemory(image, memory);

    ASSERT_EQ(image.UsedChannelCount(), 14); // ten memory channels, PA, PB, CALL, VFO
    EXPECT_EQ(TextOf(image.Channels[0].Name), "CALL");
    EXPECT_EQ(TextOf(image.Channels[3].RxFreq), "014560000");
    EXPECT_EQ(image.Channels[3].ShiftDirection, 1);
    EXPECT_EQ(image.Channels[3].TxToneType, kToneCtcss);
    EXPECT_EQ(image.Channels[10].ChannelNumber, 201);

    RadioInfo info;
    GetCommDataByRadioInfo(info, memory);
    EXPECT_EQ(TextOf(info.SerialNumber), "2026120900000001");
    EXPECT_EQ(info.InfoBand, 3);
}

} // namespace
} // namespace rp70::sim
