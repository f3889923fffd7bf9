// The simulated radio's command parser fed by an arbitrary line. The first byte sets up the
// radio (bit 0 a radio password, bit 1 killed, bit 2 a write answered with 0A, bit 3 noise before
// an answer); then each byte n is followed by the n bytes the computer sends at once. Whatever
// arrives, the radio answers with the cable's echo of it first.

#include <algorithm>

#include "fuzz_support.h"
#include "radio_simulator.h"
#include "sample_radio.h"

using namespace rp70;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const std::uint8_t setup = input.Byte();
    sim::SimIdentity identity;
    if ((setup & 1) != 0) {
        identity.Password = "1234";
    }
    identity.Killed = (setup & 2) != 0;
    sim::SimFaults faults;
    if ((setup & 4) != 0) {
        faults.RepeatWrites = {1, 3};
    }
    if ((setup & 8) != 0) {
        faults.NoiseBefore = {2, 5};
    }
    static const RadioMemory sample = sim::SampleRadioMemory();
    sim::RadioSimulator radio(sample, identity, faults);

    while (!input.Empty()) {
        const auto sent = input.Take(input.Byte());
        const Bytes answer = radio.Receive(sent);
        fuzz::Require(answer.size() >= sent.size() &&
                      std::equal(sent.begin(), sent.end(), answer.begin()));
    }
    return 0;
}
