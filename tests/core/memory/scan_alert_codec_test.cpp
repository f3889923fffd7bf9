// The scan area at 03B0 and the alert area at 03A0 of the radio memory.

#include "memory/scan_alert_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "support/memory_bytes.h"
#include "support/recording_interaction.h"
#include "support/recording_marks.h"

namespace rp70 {
namespace {

using test::Bytes;
using Mark = test::RecordingMarks::Mark;

class ScanAlertCodecTest : public ::testing::Test {
protected:
    ScanAlertCodecTest() {
        ResetImage(image, {}, nullptr);
        ClearRadioMemory(memory);
    }

    ScanRecord& Scan() { return image.Record.Function.Scan; }
    AlertRecord& Alert() { return image.Record.Function.Alert; }
    EncodeTarget Target() { return EncodeTarget{memory, marks, ui}; }

    Bytes At(std::size_t address, std::size_t length) const {
        return Bytes(memory.begin() + static_cast<std::ptrdiff_t>(address),
                     memory.begin() + static_cast<std::ptrdiff_t>(address + length));
    }

    RadioImage image;
    RadioMemory memory{};
    test::RecordingMarks marks;
    test::RecordingInteraction ui;
};

// ---- Scan ----------------------------------------------------------------------------------

TEST_F(ScanAlertCodecTest, ScanBytesZeroToNineAreSentUnchanged) {
    Scan() = {1, 3, 7, 9, 10, 11, 12, 3, 1, 255, 0, 0, 0, 0};
    memory[0x03BE] = 0x5A;
    memory[0x03BF] = 0x5A;
    SetCommDataByScan(image, Target());
    EXPECT_EQ(At(0x03B0, 10), (Bytes{1, 3, 7, 9, 10, 11, 12, 3, 1, 255}));
    EXPECT_EQ(At(0x03BE, 2), (Bytes{0x5A, 0x5A})); // not used
    EXPECT_EQ(marks.marks, (std::vector<Mark>{{RecordKind::Scan, 0x03B0, 16}}));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ScanAlertCodecTest, ScanBytesTenToThirteenAreSentOneLower) {
    Scan().PriorityGroup1 = 0;
    Scan().PriorityChannel1 = 1;
    Scan().PriorityGroup2 = 5;
    Scan().PriorityChannel2 = 200;
    SetCommDataByScan(image, Target());
    EXPECT_EQ(At(0x03BA, 4), (Bytes{0xFF, 0x00, 0x04, 0xC7}));
}

TEST_F(ScanAlertCodecTest, ScanBytesTenToThirteenReadOneHigher) {
    const Bytes stored = {0xFF, 0x04, 0x00, 0xFE};
    std::copy(stored.begin(), stored.end(), memory.begin() + 0x03BA);
    GetCommDataByScan(image, memory);
    EXPECT_EQ(Scan().PriorityGroup1, 0);
    EXPECT_EQ(Scan().PriorityChannel1, 5);
    EXPECT_EQ(Scan().PriorityGroup2, 1);
    EXPECT_EQ(Scan().PriorityChannel2, 255);
}

// ---- Alert ---------------------------------------------------------------------------------

TEST_F(ScanAlertCodecTest, AlertSkipsAddress03A7) {
    Alert() = {0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C};
    memory[0x03A7] = 0x5A;
    for (std::size_t a = 0x03AD; a < 0x03B0; ++a) {
        memory[a] = 0x5A;
    }
    SetCommDataByAlert(image, Target());
    EXPECT_EQ(At(0x03A0, 16), (Bytes{0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x5A, 0x18, 0x19,
                                     0x1A, 0x1B, 0x1C, 0x5A, 0x5A, 0x5A}));
    EXPECT_EQ(marks.marks, (std::vector<Mark>{{RecordKind::Alert, 0x03A0, 16}}));
}

TEST_F(ScanAlertCodecTest, AlertReadsAroundAddress03A7) {
    const Bytes stored = {0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0xEE,
                          0x28, 0x29, 0x2A, 0x2B, 0x2C, 0xEE, 0xEE, 0xEE};
    std::copy(stored.begin(), stored.end(), memory.begin() + 0x03A0);
    GetCommDataByAlert(image, memory);
    EXPECT_EQ(Alert(), (AlertRecord{0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A,
                                    0x2B, 0x2C}));
}

} // namespace
} // namespace rp70
