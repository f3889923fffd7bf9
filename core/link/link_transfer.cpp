#include "link/link_transfer.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <span>

#include "link/radio_password.h"
#include "memory/memory_codec.h"
#include "memory/memory_place.h"
#include "memory/radio_info_codec.h"
#include "memory/test_blocks.h"
#include "model/bands.h"
#include "model/feature_flags.h"
#include "model/fixed_text.h"

namespace rp70 {

// Every block of the radio memory travels in one frame.
static_assert(kFrameDataLength == kBlockSize);

namespace {

/// How often a block the radio asks for again is sent before the transfer gives up.
constexpr int kMaxRepeats = 5;
/// How often a command is sent again after its reply did not come.
constexpr int kMaxResends = 5;
/// How many differing blocks a failed verification names; the count covers the rest.
constexpr std::size_t kMaxReportedMismatches = 20;

bool ShowsProgress(TransferKind kind) {
    return kind == TransferKind::Read || kind == TransferKind::Write;
}

/// Marks the time a question or a dialog is open: the replies and timers that may still come
/// in meanwhile are not acted on.
class ModalScope {
public:
    explicit ModalScope(bool& flag) : flag_(flag), outer_(flag) { flag_ = true; }
    ~ModalScope() { flag_ = outer_; }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    bool& flag_;
    bool outer_;
};

} // namespace

LinkTransfer::LinkTransfer(LinkPort& port, LinkObserver& observer, RadioImage& image,
                           LinkContext& context, Interaction& ui)
    : port_(port), observer_(observer), image_(image), context_(context), ui_(ui) {}

bool LinkTransfer::Start(TransferKind kind) {
    if (IsRunning() || kind == TransferKind::None) {
        return false;
    }
    const bool factory = image_.Factory.FactoryMode && kind != TransferKind::RadioInfo;
    if (factory && kind == TransferKind::Write) {
        const auto unfit =
            FirstUnsendableTestValue(image_.Factory.TestValues, UserTestValueIndices());
        if (unfit) {
            ShowMessage(FillMarker(context_.Texts.Builtin(BuiltinText::TestValueDoesNotFit), "%1",
                                   std::to_string(*unfit)),
                        MessageIcon::Exclamation);
            return false;
        }
    }
    if (!OpenLinkPort()) {
        return false;
    }
    if (ConfirmBeforeTransfer && ShowsProgress(kind)) {
        const BuiltinText question =
            kind == TransferKind::Read ? BuiltinText::ConfirmRead : BuiltinText::ConfirmWrite;
        const Answer answer = Ask(Message{std::string(context_.Texts.Builtin(question)), "",
                                          MessageIcon::Question, MessageButtons::OkCancel});
        if (answer != Answer::Ok) {
            port_.Close();
            return false;
        }
    }

    transferKind_ = kind;
    factoryTransfer_ = factory;
    cancelled_ = false;
    endAfterReply_ = false;
    handshaken_ = false;
    ClearRadioMemory(memory_);
    BuildPassMap(passes_, kind);
    currentAddress_ = -kBlockSize;
    writePermitted_ = kind == TransferKind::Write;
    mismatches_.clear();
    readTestValues_ = image_.Factory.TestValues;
    if (ShowsProgress(kind)) {
        observer_.ShowProgress(kind);
    }
    const bool sent = factory && kind == TransferKind::Write ? SendFactory() : SendProgram();
    if (!sent) {
        if (ShowsProgress(kind)) {
            observer_.CloseProgress();
        }
        port_.StopReplyTimer();
        port_.Close();
        transferState_ = link_state::Idle;
        transferKind_ = TransferKind::None;
        return false;
    }
    return true;
}

bool LinkTransfer::OpenLinkPort() {
    port_.StopReplyTimer();
    transferState_ = link_state::Idle;
    if (!port_.Open()) {
        ShowMessage(PortFailureMessage(port_.OpenFailure(), context_.Texts), MessageIcon::Critical);
        return false;
    }
    passes_.LastPercent = 0;
    return true;
}

bool LinkTransfer::SendWord(std::string_view word, bool pauseFirst) {
    if (!port_.IsOpen() && !port_.Open()) {
        ShowMessage(PortFailureMessage(port_.OpenFailure(), context_.Texts), MessageIcon::Critical);
        return false;
    }
    passes_.LastPercent = 0;
    transferState_ = link_state::ProgramSent;
    // A lost PROGRAM (or factory word) is sent again like any other command, so a radio that
    // never answers ends the transfer after the last re-send.
    if (!SendCommand(WordCommand(word), kProgramReplyLength, pauseFirst)) {
        ShowMessage(context_.Texts.GetText(2002), MessageIcon::Critical);
        return false;
    }
    return true;
}

bool LinkTransfer::SendProgram() {
    factoryRestart_ = false;
    return SendWord(kProgramWord, true);
}

bool LinkTransfer::SendFactory() {
    factoryRestart_ = true;
    return SendWord(kFactoryWord, false);
}

bool LinkTransfer::SendCommand(Bytes command, int replyLength, bool pauseFirst) {
    echoLength_ = static_cast<int>(command.size());
    resendCount_ = 0;
    lastCommand_ = std::move(command);
    lastPauseFirst_ = pauseFirst;
    expectedCount_ = echoLength_ + replyLength;
    port_.StartReplyTimer();
    port_.SetReceiveThreshold(expectedCount_);
    return port_.Send(lastCommand_, pauseFirst);
}

void LinkTransfer::Send(Bytes command, int replyLength, bool pauseFirst) {
    if (!SendCommand(std::move(command), replyLength, pauseFirst)) {
        EndCommunication();
    }
}

void LinkTransfer::SendIdentify() {
    Send(Bytes{kIdentifyCommand}, kIdentifyReplyLength, true);
}

void LinkTransfer::ReadPasswordArea() {
    Send(ReadBlockCommand(kPasswordAreaAddress), kBlockReplyLength, true);
}

void LinkTransfer::ReadTestBlock(int address) {
    Send(ReadBlockCommand(address), kBlockReplyLength, false);
}

void LinkTransfer::WriteTestBlock0() {
    repeatCount_ = 0;
    Send(BlockFrame(kTestBlock0Address, TestBlock0(image_.Factory.TestValues)),
         kAcknowledgeReplyLength, false);
}

void LinkTransfer::WriteTestBlock160() {
    repeatCount_ = 0;
    Send(
        BlockFrame(kTestBlock160Address, TestBlock160(image_.Factory.TestValues), kTestWriteLetter),
        kAcknowledgeReplyLength, false);
}

void LinkTransfer::BytesArrived(const Bytes& received) {
    if (!IsRunning() || inModal_) {
        return;
    }
    const int echo = echoLength_;
    // The one byte a write frame or END is answered with, when that is what arrived.
    std::optional<std::uint8_t> answer;
    if (expectedCount_ == echo + kAcknowledgeReplyLength) {
        if (const auto reply = ReplyBehindEcho(received, echo, kAcknowledgeReplyLength)) {
            answer = reply->front();
        }
    }

    if (cancelled_) {
        if (endAfterReply_) {
            // The reply that was under way when the person cancelled is in: now END can go
            // without the rest of that reply arriving behind it.
            SendCancelEnd();
        } else if (answer == kAcknowledge) {
            EndTransfer(TransferOutcome::Cancelled);
        }
        return;
    }
    if (answer == kAcknowledge) {
        AdvanceTransfer(0);
        return;
    }
    if (answer == kRepeatRequest) {
        port_.StopReplyTimer();
        RewriteBlock();
        return;
    }
    if (expectedCount_ == echo + kProgramReplyLength) {
        const auto reply = ReplyBehindEcho(received, echo, kProgramReplyLength);
        if (reply && std::equal(kProgramReply.begin(), kProgramReply.end(), reply->begin())) {
            AdvanceTransfer(0);
            return;
        }
    }
    if (expectedCount_ == echo + kIdentifyReplyLength) {
        if (const auto identity = ParseIdentifyReply(received, echo)) {
            OnIdentifyReply(*identity);
        }
        return;
    }
    const auto block = ParseBlockReply(received, echo);
    if (!block) {
        return; // not for us: the reply timer sends the command again
    }
    if (block->Address == kPasswordAreaAddress && transferState_ == link_state::PasswordRequested) {
        OnPasswordReply(*block);
        return;
    }
    if (factoryTransfer_ &&
        (block->Address == kTestBlock0Address || block->Address == kTestBlock160Address)) {
        OnTestBlockReply(*block);
        return;
    }
    if (block->Address == currentAddress_ && transferState_ == link_state::Verifying) {
        CheckReadBack(*block);
        AdvanceTransfer(0);
        return;
    }
    if (block->Address == currentAddress_ && currentAddress_ >= 0) {
        std::copy(block->Data.begin(), block->Data.end(),
                  memory_.begin() + static_cast<std::ptrdiff_t>(currentAddress_));
        AdvanceTransfer(0);
    }
}

void LinkTransfer::OnIdentifyReply(const RadioIdentity& identity) {
    identity_ = identity;
    const FeatureFlags before = context_.Features;
    MergeFeatureByte(context_.Features, identity.FeatureByte);
    if (context_.Features != before) {
        observer_.FeaturesChanged();
    }

    port_.StopReplyTimer();
    const auto refusals = IdentityRefusals(identity_, transferKind_, image_.BandIndex);
    for (const BuiltinText refusal : refusals) {
        ShowMessage(std::string(context_.Texts.Builtin(refusal)), refusal == BuiltinText::WrongBand
                                                                      ? MessageIcon::Warning
                                                                      : MessageIcon::Critical);
    }
    if (!refusals.empty()) {
        EndTransfer(TransferOutcome::Failed);
        return;
    }
    AdvanceTransfer(0);
}

void LinkTransfer::OnPasswordReply(const BlockReply& reply) {
    if (PasswordMatches(reply.Data, context_.EnteredPassword)) {
        AdvanceTransfer(0);
        return;
    }
    port_.StopReplyTimer();
    std::optional<std::string> entered;
    {
        ModalScope modal(inModal_);
        entered = ui_.AskRadioPassword(context_.EnteredPassword);
    }
    if (entered) {
        context_.EnteredPassword = TextOf(entered->substr(0, kRadioPasswordLength));
    }
    if (PasswordMatches(reply.Data, context_.EnteredPassword)) {
        RestartAfterPassword();
    } else {
        EndTransfer(TransferOutcome::Failed);
    }
}

void LinkTransfer::OnTestBlockReply(const BlockReply& reply) {
    if (transferKind_ == TransferKind::Read) {
        StoreReadTestBlock(reply.Address, reply.Data, readTestValues_);
    } else if (transferKind_ == TransferKind::Write && reply.Address == kTestBlock0Address) {
        StoreWriteTestBlock0(reply.Data, image_.Factory.TestValues);
    }
    AdvanceTransfer(0);
}

void LinkTransfer::AdvanceTransfer(std::int16_t newState) {
    port_.StopReplyTimer();
    if (newState > 0) {
        transferState_ = newState;
    }
    using namespace link_state;
    switch (transferState_) {
    case ProgramSent:
        handshaken_ = true;
        transferState_ = IdentifySent;
        if (ShowsProgress(transferKind_)) {
            observer_.SetProgressValue(0);
        }
        SendIdentify();
        break;
    case IdentifySent:
        transferState_ = PasswordRequested;
        ReadPasswordArea();
        break;
    case PasswordRequested:
        transferState_ = Blocks;
        if (transferKind_ == TransferKind::Write) {
            if (factoryTransfer_) {
                transferState_ = TestBlock0Read;
                ReadTestBlock(kTestBlock0Address);
            } else {
                AdvanceTransfer(0);
            }
        } else if (factoryTransfer_) {
            transferState_ = TestBlock0ReadForRead;
            ReadTestBlock(kTestBlock0Address);
        } else {
            ReadNextBlock();
        }
        break;
    case Blocks:
        if (transferKind_ == TransferKind::Write && factoryRestart_) {
            // The test blocks go once more after a second handshake that starts with PROGRAM.
            if (!SendProgram()) {
                EndCommunication();
            }
        } else {
            ReadNextBlock();
        }
        break;
    case Writing:
        WriteNextBlock();
        break;
    case Verifying:
        VerifyNextBlock();
        break;
    case TestBlock0Read:
        transferState_ = TestBlock0Written;
        WriteTestBlock0();
        break;
    case TestBlock0Written:
        transferState_ = Blocks;
        WriteTestBlock160();
        break;
    case TestBlock0ReadForRead:
        transferState_ = Blocks;
        ReadTestBlock(kTestBlock160Address);
        break;
    case RestartEndSent:
        if (!SendProgram()) {
            EndCommunication();
        }
        break;
    case FailedEndSent:
        EndTransfer(cancelled_ ? TransferOutcome::Cancelled : TransferOutcome::Failed,
                    !cancelled_ && mismatches_.empty());
        break;
    case DoneEndSent:
        EndTransfer(TransferOutcome::Succeeded);
        break;
    default:
        break;
    }
}

std::function<void()> LinkTransfer::PassOnePreparation() {
    if (transferKind_ == TransferKind::Write) {
        return [this] {
            WritePassMarks marks(passes_);
            const EncodeTarget target{memory_, marks, ui_};
            ModalScope modal(inModal_); // a failing encoder shows its message
            if (!EncodeRadioMemory(image_, target)) {
                writePermitted_ = false;
            }
        };
    }
    if (transferKind_ == TransferKind::Read) {
        return [this] { DeriveReadPassOne(passes_, memory_); };
    }
    return {};
}

ProgressDisplay LinkTransfer::ProgressWindow() {
    if (!ShowsProgress(transferKind_)) {
        return {};
    }
    return [this](int percent) { observer_.SetProgressValue(percent); };
}

void LinkTransfer::ReadNextBlock() {
    currentAddress_ = FindNextBlock(passes_, currentAddress_ + readBlockSize_);
    if (currentAddress_ < 0) {
        if (!NextPass(passes_, transferKind_, PassOnePreparation(), ProgressWindow())) {
            FinishTransfer(true);
            return;
        }
        if (transferKind_ == TransferKind::Write && passes_.CurrentPass == 1) {
            if (!writePermitted_) {
                FinishTransfer(false);
                return;
            }
            transferState_ += 1;
        }
        AdvanceTransfer(0);
        return;
    }
    if (IsCountedPass(passes_, transferKind_)) {
        ProgressStep(passes_, ProgressWindow());
    }
    Send(ReadBlockCommand(currentAddress_), kBlockReplyLength, true);
}

void LinkTransfer::WriteNextBlock() {
    currentAddress_ = FindNextBlock(passes_, currentAddress_ + writeBlockSize_);
    if (currentAddress_ < 0) {
        if (NextPass(passes_, transferKind_, PassOnePreparation(), ProgressWindow())) {
            AdvanceTransfer(0);
        } else if (VerifyAfterWrite) {
            StartVerify();
        } else {
            FinishTransfer(true);
        }
        return;
    }
    ProgressStep(passes_, ProgressWindow());
    repeatCount_ = 0;
    const auto block = std::span<const std::uint8_t, kFrameDataLength>(
        memory_.data() + currentAddress_, kFrameDataLength);
    Send(BlockFrame(currentAddress_, block), kAcknowledgeReplyLength, true);
}

void LinkTransfer::StartVerify() {
    transferState_ = link_state::Verifying;
    // The map still holds the write pass: walk it once more, counted from 0 %.
    passes_.CurrentPass = 1;
    passes_.BlocksInPass = static_cast<std::int32_t>(
        std::count(passes_.Map.begin(), passes_.Map.end(), std::uint8_t{1}));
    passes_.BlocksDone = 0;
    passes_.LastPercent = 0;
    currentAddress_ = -kBlockSize;
    observer_.ShowVerifyPass();
    observer_.SetProgressValue(0);
    VerifyNextBlock();
}

void LinkTransfer::VerifyNextBlock() {
    currentAddress_ = FindNextBlock(passes_, currentAddress_ + readBlockSize_);
    if (currentAddress_ < 0) {
        passes_.CurrentPass = 0;
        FinishTransfer(mismatches_.empty());
        return;
    }
    ProgressStep(passes_, ProgressWindow());
    Send(ReadBlockCommand(currentAddress_), kBlockReplyLength, true);
}

void LinkTransfer::CheckReadBack(const BlockReply& reply) {
    const auto written = memory_.begin() + static_cast<std::ptrdiff_t>(reply.Address);
    if (!std::equal(reply.Data.begin(), reply.Data.end(), written)) {
        mismatches_.push_back(reply.Address);
    }
}

std::string LinkTransfer::VerifyReport() const {
    std::string text = FillMarker(context_.Texts.Builtin(BuiltinText::VerifyFailed), "%1",
                                  std::to_string(mismatches_.size()));
    const std::size_t shown = std::min(mismatches_.size(), kMaxReportedMismatches);
    for (std::size_t i = 0; i < shown; ++i) {
        char address[8];
        std::snprintf(address, sizeof address, "%04X", static_cast<unsigned>(mismatches_[i]));
        text += "\r\n" + std::string(address) + "  " +
                MemoryPlace(mismatches_[i], context_.Texts.Current());
    }
    if (shown < mismatches_.size()) {
        text += "\r\n…";
    }
    return text;
}

void LinkTransfer::RewriteBlock() {
    // Only a write frame or END waits for a one-byte answer: the radio asks for that again.
    if (++repeatCount_ > kMaxRepeats) {
        EndCommunication();
        return;
    }
    Send(lastCommand_, kAcknowledgeReplyLength, lastPauseFirst_);
}

void LinkTransfer::FinishTransfer(bool ok) {
    transferState_ = ok ? link_state::DoneEndSent : link_state::FailedEndSent;
    SendEnd();
}

void LinkTransfer::SendEnd() {
    repeatCount_ = 0;
    Send(WordCommand(kEndWord), kAcknowledgeReplyLength, true);
}

void LinkTransfer::RestartAfterPassword() {
    transferState_ = link_state::RestartEndSent;
    BuildPassMap(passes_, transferKind_);
    currentAddress_ = -kBlockSize;
    SendEnd();
}

void LinkTransfer::ReplyTimeout() {
    if (!IsRunning() || inModal_) {
        return;
    }
    port_.StopReplyTimer();
    if (cancelled_) {
        if (endAfterReply_) {
            SendCancelEnd();
        } else {
            EndTransfer(TransferOutcome::Cancelled);
        }
        return;
    }
    try {
        if (resendCount_ >= kMaxResends) {
            EndCommunication();
            return;
        }
        ++resendCount_;
        ResendLastCommand();
    } catch (const std::exception&) {
        ShowMessage(std::string(context_.Texts.Builtin(BuiltinText::CommunicationFailure)),
                    MessageIcon::Critical);
        EndCommunication();
    }
}

void LinkTransfer::ResendLastCommand() {
    if (!port_.IsOpen() && !port_.Open()) {
        EndCommunication();
        return;
    }
    port_.StartReplyTimer();
    port_.SetReceiveThreshold(expectedCount_);
    if (!port_.Send(lastCommand_, false)) {
        EndCommunication();
    }
}

void LinkTransfer::PortLost() {
    if (!IsRunning() || inModal_) {
        return;
    }
    EndCommunication();
}

void LinkTransfer::Cancel() {
    using namespace link_state;
    if (!IsRunning() || inModal_ || cancelled_ || transferState_ == DoneEndSent ||
        transferState_ == FailedEndSent) {
        return; // END is on its way already and its answer ends the transfer
    }
    cancelled_ = true;
    if (transferState_ == RestartEndSent) {
        transferState_ = FailedEndSent; // the END of the restart becomes the last one
        return;
    }
    if (!handshaken_ || !port_.IsOpen()) {
        EndTransfer(TransferOutcome::Cancelled);
        return;
    }
    // The radio is in its programming session: tell it the session is over once the reply to
    // the command under way is in (or its time is up), so that one command is out at a time.
    endAfterReply_ = true;
}

void LinkTransfer::SendCancelEnd() {
    endAfterReply_ = false;
    transferState_ = link_state::FailedEndSent;
    repeatCount_ = 0;
    if (!SendCommand(WordCommand(kEndWord), kAcknowledgeReplyLength, true)) {
        EndTransfer(TransferOutcome::Cancelled);
    }
}

void LinkTransfer::EndCommunication() {
    if (port_.IsOpen()) {
        port_.Close();
    }
    EndTransfer(cancelled_ ? TransferOutcome::Cancelled : TransferOutcome::Failed);
}

void LinkTransfer::EndTransfer(TransferOutcome outcome, bool preparationFailed) {
    const TransferKind kind = transferKind_;
    if (ShowsProgress(kind)) {
        observer_.CloseProgress();
    }
    port_.StopReplyTimer();
    if (port_.IsOpen()) {
        port_.Close();
    }
    switch (outcome) {
    case TransferOutcome::Failed:
        if (!mismatches_.empty()) {
            ShowMessage(VerifyReport(), MessageIcon::Critical);
        }
        ShowMessage(context_.Texts.GetText(kind == TransferKind::Read    ? 2006
                                           : kind == TransferKind::Write ? 2007
                                                                         : 2008),
                    MessageIcon::Critical);
        if (preparationFailed) {
            ShowMessage(context_.Texts.GetText(9905), MessageIcon::Critical);
        }
        break;
    case TransferOutcome::Succeeded:
        if (kind == TransferKind::Read) {
            ApplyRead();
            observer_.ImageReplaced();
            ShowMessage(context_.Texts.GetText(2004));
        } else if (kind == TransferKind::Write) {
            ShowMessage(context_.Texts.GetText(2005));
        } else {
            GetCommDataByRadioInfo(context_.Info, memory_);
        }
        break;
    case TransferOutcome::Cancelled:
        break;
    }
    transferState_ = link_state::Idle;
    transferKind_ = TransferKind::None;
    observer_.TransferFinished(kind, outcome);
}

void LinkTransfer::ApplyRead() {
    image_.ModelName = identity_.ModelText;
    SetBandCode(image_, identity_.BandCode);
    image_.Version = identity_.VersionText;
    DecodeRadioMemory(image_, memory_);
    if (factoryTransfer_) {
        image_.Factory.TestValues = readTestValues_;
    }
    image_.CurrentFilePath = "new.dat";
    image_.IsUntitled = true;
    TakeSnapshot(image_);
}

Answer LinkTransfer::Ask(const Message& message) {
    ModalScope modal(inModal_);
    return ui_.Show(message);
}

void LinkTransfer::ShowMessage(std::string text, MessageIcon icon) {
    Ask(Message{std::move(text), "", icon, MessageButtons::Ok});
}

} // namespace rp70
