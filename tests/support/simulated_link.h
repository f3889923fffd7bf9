#pragma once
// The link engine against the simulated radio, in-process: a serial port whose bytes go to
// the radio and come back one at a time as on a real line, commands that wait out their pause
// before they leave, a reply timer on a clock of its own, and a record of what the progress
// window showed.

#include <functional>
#include <optional>
#include <vector>

#include "link/link_port.h"
#include "link/link_transfer.h"
#include "radio_simulator.h"

namespace rp70::test {

class SimulatedLink : public LinkPort, public LinkObserver {
public:
    explicit SimulatedLink(sim::RadioSimulator& radio) : radio_(radio) {}

    /// The engine that receives the port's events.
    void Attach(LinkTransfer& engine) { engine_ = &engine; }

    /// Delivers bytes and timer ticks until nothing more happens. Returns how the transfer
    /// ended, nullopt when it is still waiting (or never started).
    std::optional<TransferOutcome> Run();

    // LinkPort
    bool Open() override;
    bool IsOpen() const override { return open_; }
    PortFailure OpenFailure() const override { return failOpen ? openFailure : PortFailure{}; }
    void Close() override;
    void SetReceiveThreshold(int count) override { threshold_ = count; }
    bool Send(const Bytes& bytes, bool pauseFirst) override;
    void StartReplyTimer() override { timerArmed_ = true; }
    void StopReplyTimer() override { timerArmed_ = false; }

    // LinkObserver
    void ShowProgress(TransferKind) override { progressOpen = true; }
    void SetProgressValue(int percent) override { percents.push_back(percent); }
    void CloseProgress() override { progressOpen = false; }
    void FeaturesChanged() override { ++featureChanges; }
    void TransferFinished(TransferKind, TransferOutcome outcome) override { finished = outcome; }

    bool failOpen = false;        ///< the port cannot be opened
    PortFailure openFailure;      ///< why, when it cannot
    int cancelAfterCommands = -1; ///< the person cancels once the radio has seen this many
    int elapsedMs = 0;            ///< time spent waiting for replies that did not come
    int pausedSends = 0;          ///< commands sent after the 2 ms pause
    std::vector<Bytes> sent;      ///< every command, re-sends included
    std::vector<bool> sentPaused; ///< for each of them: whether it waited out the pause
    /// Answers a command instead of the radio when it returns bytes (echo included).
    std::function<std::optional<Bytes>(const Bytes& command)> answer;
    std::vector<int> percents; ///< what the progress window showed, in order
    bool progressOpen = false;
    int featureChanges = 0;
    std::optional<TransferOutcome> finished;

private:
    /// Clears what arrived so far and hands `bytes` to the radio.
    void Transmit(const Bytes& bytes, bool paused);
    /// The next byte from the radio arrives; at the threshold everything arrived is handed over.
    void Deliver();

    sim::RadioSimulator& radio_;
    LinkTransfer* engine_ = nullptr;
    bool open_ = false;
    bool timerArmed_ = false;
    int threshold_ = 1;
    Bytes incoming_;              ///< on its way from the radio
    Bytes buffer_;                ///< arrived, waiting for the threshold
    std::optional<Bytes> paused_; ///< a command waiting out its pause
};

} // namespace rp70::test
