#include "wire_pacer.h"

#include <gtest/gtest.h>

namespace rp70::sim {
namespace {

using namespace std::chrono_literals;
using Clock = WirePacer::Clock;

const Bytes kThree = {0x01, 0x02, 0x03};

TEST(WirePacer, BytesLeaveOneByteTimeApartAt9600Baud) {
    WirePacer pacer;
    const Clock::time_point start{};
    pacer.Add(kThree, start);
    EXPECT_EQ(pacer.NextDue(), start + 1'041'667ns);
    EXPECT_TRUE(pacer.TakeDue(start + 1ms).empty());
    EXPECT_EQ(pacer.TakeDue(start + 2100us), (Bytes{0x01, 0x02}));
    EXPECT_EQ(pacer.NextDue(), start + 3 * 1'041'667ns);
    EXPECT_EQ(pacer.TakeDue(start + 1s), (Bytes{0x03}));
    EXPECT_TRUE(pacer.Empty());
    EXPECT_FALSE(pacer.NextDue());
}

TEST(WirePacer, LaterBytesQueueBehindEarlierOnesWithoutDrift) {
    WirePacer pacer;
    const Clock::time_point start{};
    pacer.Add(kThree, start);
    // Handed over while the first bytes still wait: they follow the last one.
    pacer.Add(Bytes{0x04}, start + 1ms);
    pacer.TakeDue(start + 3 * 1'041'667ns);
    EXPECT_EQ(pacer.NextDue(), start + 4 * 1'041'667ns);
    pacer.TakeDue(start + 1s);
    // After a quiet line the next byte starts from the moment it is handed over.
    pacer.Add(Bytes{0x05}, start + 2s);
    EXPECT_EQ(pacer.NextDue(), start + 2s + 1'041'667ns);
}

TEST(WirePacer, ZeroByteTimeSendsEverythingAtOnce) {
    WirePacer pacer(0ns);
    const Clock::time_point start{};
    pacer.Add(kThree, start);
    EXPECT_EQ(pacer.TakeDue(start), kThree);
}

} // namespace
} // namespace rp70::sim
