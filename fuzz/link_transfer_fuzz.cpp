// The transfer engine fed by an arbitrary line. The first byte sets up the transfer (bits 0-1
// its kind, bit 2 the factory test mode, bit 3 verify after a Write, bit 4 the radio password
// already entered, bit 5 the password the prompt answers); then each byte is a step: FF a tick of
// the reply timer, FE the person's cancel, FD the port lost, any other value n the next n bytes
// arriving at once. Whatever arrives, the engine sends only through an open port, and once the
// line falls silent its timer ends the transfer, closed and reported once.

#include "fake_link.h"
#include "link/link_transfer.h"
#include "model/radio_image.h"

using namespace rp70;

namespace {

constexpr std::uint8_t kTick = 0xFF;
constexpr std::uint8_t kCancel = 0xFE;
constexpr std::uint8_t kPortLost = 0xFD;
/// Ticks after the input's end within which every transfer must be over.
constexpr int kTicksToEnd = 64;

class Person : public fuzz::Silent {
public:
    std::optional<std::string> AskRadioPassword(std::string_view) override { return answer; }
    std::optional<std::string> answer;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const std::uint8_t setup = input.Byte();

    RadioImage image;
    ResetImage(image, {}, nullptr);
    LinkContext context;
    Person person;
    if ((setup & 32) != 0) {
        person.answer = "1234";
    }
    fuzz::FakeLink link;
    LinkTransfer engine(link, link, image, context, person);
    if (!fuzz::StartTransfer(setup, engine, image, context)) {
        return 0;
    }

    while (!input.Empty()) {
        const std::uint8_t step = input.Byte();
        if (step == kTick) {
            if (link.timerArmed) {
                engine.ReplyTimeout();
            }
        } else if (step == kCancel) {
            engine.Cancel();
        } else if (step == kPortLost) {
            if (link.open) {
                link.Close();
                engine.PortLost();
            }
        } else {
            const auto chunk = input.Take(step);
            if (link.open) {
                engine.BytesArrived(Bytes(chunk.begin(), chunk.end()));
            }
        }
    }
    for (int tick = 0; tick < kTicksToEnd && engine.IsRunning(); ++tick) {
        fuzz::Require(link.timerArmed); // a running transfer waits for its timer
        engine.ReplyTimeout();
    }
    fuzz::Require(!engine.IsRunning() && !link.open && link.finished == 1);
    return 0;
}
