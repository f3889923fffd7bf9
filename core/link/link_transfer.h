#pragma once
// One transfer with the radio at a time: Read, Write or Radio information, driven by the
// bytes that arrive, the reply timer and the person's cancel. The engine knows nothing of the
// serial port's kind; it talks to a LinkPort and shows its window through a LinkObserver.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "link/link_context.h"
#include "link/link_port.h"
#include "link/radio_identity.h"
#include "link/wire_protocol.h"
#include "memory/block_passes.h"
#include "memory/radio_memory.h"
#include "model/radio_image.h"
#include "texts/interaction.h"

namespace rp70 {

/// The states of a transfer.
namespace link_state {
inline constexpr std::int16_t Idle = 0;
inline constexpr std::int16_t ProgramSent = 1;       ///< waiting for "ZT" 06
inline constexpr std::int16_t IdentifySent = 2;      ///< waiting for the identification
inline constexpr std::int16_t PasswordRequested = 3; ///< waiting for the block at 0040
inline constexpr std::int16_t Blocks = 4;    ///< reading (a Write skips its empty read passes)
inline constexpr std::int16_t Writing = 5;   ///< a Write's blocks
inline constexpr std::int16_t Verifying = 6; ///< a Write's blocks read back
inline constexpr std::int16_t TestBlock0Read = 31;         ///< factory Write: block 0000 read
inline constexpr std::int16_t TestBlock0Written = 41;      ///< factory Write: block 0000 written
inline constexpr std::int16_t TestBlock0ReadForRead = 401; ///< factory Read: block 0000 read
inline constexpr std::int16_t RestartEndSent = 45;         ///< END before starting again
inline constexpr std::int16_t FailedEndSent = 68;          ///< "D": END after a failure
inline constexpr std::int16_t DoneEndSent = 69;            ///< "E": END after success
} // namespace link_state

class LinkTransfer : public LinkEvents {
public:
    /// The engine works on `image` (replaced by a successful Read, encoded by a Write) and
    /// `context` (texts, feature flags, radio information, the entered radio password); it asks
    /// and tells through `ui`.
    LinkTransfer(LinkPort& port, LinkObserver& observer, RadioImage& image, LinkContext& context,
                 Interaction& ui);

    /// Whether a Read or a Write asks "… Do you wish continue?" before it starts. The desktop
    /// asks; a command typed at the command line is its own consent.
    bool ConfirmBeforeTransfer = true;

    /// Whether a Write reads back every block it wrote before it ends, and fails when one of
    /// them differs from what was sent.
    bool VerifyAfterWrite = false;

    /// Starts a transfer: opens the port, asks when confirming, prepares the memory and the
    /// block passes and sends PROGRAM (the factory word for a Write in the factory test mode).
    /// False when nothing started (the port could not be opened, the person cancelled, the
    /// test values do not fit the radio, a transfer is running); TransferFinished then does not
    /// follow.
    bool Start(TransferKind kind);

    /// The receive event: every byte that has arrived since the last command was sent.
    void BytesArrived(const Bytes& received) override;
    /// The reply timer fired.
    void ReplyTimeout() override;
    /// The port went away (a cable pulled, a closed pseudo-terminal): the transfer fails.
    void PortLost() override;
    /// The person stops the transfer: when the radio was already talking to us, END follows
    /// the reply under way; then the port is closed; a Read leaves the image as it was. Nothing
    /// happens once the last END is on its way. Call it from the event loop, not from an observer
    /// callback.
    void Cancel();

    bool IsRunning() const { return transferKind_ != TransferKind::None; }
    TransferKind Kind() const { return transferKind_; }
    std::int16_t State() const { return transferState_; }
    /// The radio of the last accepted or refused identification.
    const RadioIdentity& Identity() const { return identity_; }
    const RadioMemory& Memory() const { return memory_; }
    const BlockPasses& Passes() const { return passes_; }
    /// Addresses of the blocks the last verification found different, in ascending order.
    const std::vector<int>& VerifyMismatches() const { return mismatches_; }

private:
    bool OpenLinkPort();
    bool SendWord(std::string_view word, bool pauseFirst);
    bool SendProgram();
    bool SendFactory();
    /// Sends a command and waits for `replyLength` bytes behind its echo; false when the port
    /// refused it.
    bool SendCommand(Bytes command, int replyLength, bool pauseFirst);
    /// SendCommand, ending the transfer when the port refuses.
    void Send(Bytes command, int replyLength, bool pauseFirst);
    void SendIdentify();
    void ReadPasswordArea();
    void ReadTestBlock(int address);
    void WriteTestBlock0();
    void WriteTestBlock160();
    void ReadNextBlock();
    void WriteNextBlock();
    void RewriteBlock();
    /// The write pass is done: its blocks are read back as a pass of their own.
    void StartVerify();
    void VerifyNextBlock();
    /// The block read back at the current address, against what was written there.
    void CheckReadBack(const BlockReply& reply);
    /// The message naming every block that came back different and what it holds.
    std::string VerifyReport() const;
    void FinishTransfer(bool ok);
    void SendEnd();
    void AdvanceTransfer(std::int16_t newState);
    void EndTransfer(TransferOutcome outcome, bool preparationFailed = false);
    void EndCommunication();
    void ResendLastCommand();
    void RestartAfterPassword();
    /// The END of a cancelled transfer.
    void SendCancelEnd();
    void OnIdentifyReply(const RadioIdentity& identity);
    void OnPasswordReply(const BlockReply& reply);
    void OnTestBlockReply(const BlockReply& reply);
    /// What runs when pass 1 begins: a Write's encoders, a Read's choice of blocks in use.
    std::function<void()> PassOnePreparation();
    /// The progress window's display; empty for a transfer without one.
    ProgressDisplay ProgressWindow();
    void ApplyRead();
    Answer Ask(const Message& message);
    void ShowMessage(std::string text, MessageIcon icon = MessageIcon::None);

    LinkPort& port_;
    LinkObserver& observer_;
    RadioImage& image_;
    LinkContext& context_;
    Interaction& ui_;

    RadioMemory memory_{};
    BlockPasses passes_;
    RadioIdentity identity_;

    TransferKind transferKind_ = TransferKind::None;
    std::int16_t transferState_ = link_state::Idle;
    int echoLength_ = 0;
    int expectedCount_ = 0;
    Bytes lastCommand_;
    bool lastPauseFirst_ = false; ///< whether the last command waited out the pause
    int resendCount_ = 0;
    int repeatCount_ = 0; ///< times the radio asked for the current write frame again
    int currentAddress_ = -kBlockSize;
    std::vector<int> mismatches_;
    int readBlockSize_ = kFrameDataLength;
    int writeBlockSize_ = kFrameDataLength;
    bool writePermitted_ = false;
    bool factoryRestart_ = false;
    bool factoryTransfer_ = false; ///< the test values travel with this transfer
    bool cancelled_ = false;
    bool endAfterReply_ = false; ///< cancelled: END follows the reply under way
    bool handshaken_ = false;    ///< the radio has answered PROGRAM in this transfer
    bool inModal_ = false;       ///< a question or dialog is open; replies and timers wait
    /// The test values a factory Read fetched; they reach the image only when the Read succeeds.
    TestValues readTestValues_{};
};

} // namespace rp70
