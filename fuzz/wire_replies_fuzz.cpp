// The radio's replies behind the cable's echo: the first byte gives the echo's length, the rest
// is what arrived. A block reply that is taken must be exactly the frame of what it holds; an
// identification that is taken must hold texts of their widths and pass the transfer checks.

#include <algorithm>

#include "fuzz_support.h"
#include "link/radio_identity.h"
#include "link/radio_password.h"
#include "link/wire_protocol.h"

using namespace rp70;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const int echo = input.Byte() % 40;
    const auto received = input.Rest();

    if (const auto block = ParseBlockReply(received, echo)) {
        const Bytes frame = BlockFrame(block->Address, block->Data);
        fuzz::Require(received.size() == static_cast<std::size_t>(echo) + frame.size() &&
                      std::equal(frame.begin(), frame.end(), received.begin() + echo));
        fuzz::Require(RadioPasswordOf(block->Data).size() <= kRadioPasswordLength);
        (void)PasswordMatches(block->Data, "1234");
    }
    if (const auto identity = ParseIdentifyReply(received, echo)) {
        fuzz::Require(identity->ModelText.size() <= 7 && identity->VersionText.size() <= 4);
        for (const auto kind : {TransferKind::Read, TransferKind::Write, TransferKind::RadioInfo}) {
            (void)IdentityRefusals(*identity, kind, 3);
        }
    }
    for (const int replyLength : {kAcknowledgeReplyLength, kProgramReplyLength}) {
        if (const auto reply = ReplyBehindEcho(received, echo, replyLength)) {
            fuzz::Require(reply->size() == static_cast<std::size_t>(replyLength));
        }
    }
    return 0;
}
