#pragma once
// The serial line and the progress window of a transfer, faked: the engine's commands are
// recorded, the reply timer is a flag, and the bytes that arrive and the timer's ticks are
// whatever the caller hands over.

#include <functional>
#include <vector>

#include "fuzz_support.h"
#include "link/link_port.h"
#include "link/link_transfer.h"
#include "model/radio_image.h"

namespace rp70::fuzz {

class FakeLink : public LinkPort, public LinkObserver {
public:
    // LinkPort
    bool Open() override {
        open = true;
        return true;
    }
    bool IsOpen() const override { return open; }
    void Close() override {
        open = false;
        timerArmed = false;
    }
    void SetReceiveThreshold(int count) override { threshold = count; }
    bool Send(const Bytes& bytes, bool) override {
        Require(open); // nothing leaves through a closed port
        sent.push_back(bytes);
        if (onSend) {
            onSend(bytes);
        }
        return true;
    }
    void StartReplyTimer() override { timerArmed = true; }
    void StopReplyTimer() override { timerArmed = false; }

    // LinkObserver
    void ShowProgress(TransferKind) override {}
    void SetProgressValue(int percent) override { Require(percent >= 0 && percent <= 100); }
    void CloseProgress() override {}
    void TransferFinished(TransferKind, TransferOutcome) override { ++finished; }

    bool open = false;
    bool timerArmed = false;
    int threshold = 1;
    int finished = 0;
    std::vector<Bytes> sent;
    /// Called with every command the engine sends.
    std::function<void(const Bytes&)> onSend;
};

/// Sets up and starts a transfer from the first byte of a transfer input: bits 0-1 its kind (0 and
/// 3 Read, 1 Write, 2 radio information), bit 2 the factory test mode, bit 3 verify after a Write,
/// bit 4 the radio password already entered. The seeds are made by the same rule they are read by.
inline bool StartTransfer(std::uint8_t setup, LinkTransfer& engine, RadioImage& image,
                          LinkContext& context) {
    image.Factory.FactoryMode = (setup & 4) != 0;
    if ((setup & 16) != 0) {
        context.EnteredPassword = "1234";
    }
    engine.ConfirmBeforeTransfer = false;
    engine.VerifyAfterWrite = (setup & 8) != 0;
    const TransferKind kinds[] = {TransferKind::Read, TransferKind::Write, TransferKind::RadioInfo,
                                  TransferKind::Read};
    return engine.Start(kinds[setup & 3]);
}

} // namespace rp70::fuzz
