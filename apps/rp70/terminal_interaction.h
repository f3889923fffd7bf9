#pragma once
// The command line's way of telling and asking: messages on stderr, questions
// answered at the terminal. Without a terminal a question is answered with
// its cautious choice (Cancel or No), so scripts never hang.

#include <functional>
#include <optional>
#include <string>

#include "texts/interaction.h"

namespace rp70::cli {

class TerminalInteraction : public Interaction {
public:
    Answer Show(const Message& message) override;

    /// File dialogs have no counterpart: the command line names its files.
    std::optional<std::filesystem::path> ChooseOpenFile(const FileChoice& choice) override;
    std::optional<std::filesystem::path> ChooseSaveFile(const FileChoice& choice) override;

    /// The password given with --password answers the first prompt; later prompts (after a
    /// wrong password, or without --password) are asked at the terminal when prompting is
    /// allowed (the default) and one is attached, otherwise cancelled.
    std::optional<std::string> AskFilePassword(std::string_view current) override;

    /// Asked when the radio's password differs from the one entered (--radio-password sets the
    /// first): "Radio password: " at the terminal without echo, when prompting is allowed and
    /// one is attached, otherwise cancelled. At most four characters are taken. A cancelled
    /// prompt fails the transfer: its failure message is then replaced by the reason, naming
    /// --radio-password.
    std::optional<std::string> AskRadioPassword(std::string_view current) override;

    void SetFilePassword(std::optional<std::string> password) { password_ = std::move(password); }
    void AllowPasswordPrompt(bool allow) { promptAllowed_ = allow; }

    /// Names what the messages are about, e.g. the file being opened: "rp70: a.dat: file error."
    void SetSubject(std::string subject) { subject_ = std::move(subject); }

    /// How many messages were shown so far.
    int MessageCount() const { return messages_; }

    /// From now on, messages that only tell (an OK button) are kept back and printed together on
    /// one line by ReleaseMessages: a transfer's reason and its failure text make one line.
    void HoldMessages() { holding_ = true; }
    void ReleaseMessages();

    /// Runs before every message or prompt is written, e.g. to end a progress line.
    void SetBeforeOutput(std::function<void()> beforeOutput) {
        beforeOutput_ = std::move(beforeOutput);
    }

    /// Sends every message to `sink` as one line instead of the terminal; questions then take
    /// their cautious answer unasked. For transfers that run side by side.
    void SetMessageSink(std::function<void(const std::string&)> sink) { sink_ = std::move(sink); }

private:
    std::optional<std::string> password_;
    std::function<void(const std::string&)> sink_;
    bool promptAllowed_ = true;
    std::string subject_;
    int messages_ = 0;
    std::function<void()> beforeOutput_;
    std::string failureReason_; ///< says better why the next failure message comes
    bool holding_ = false;
    std::string held_; ///< the messages kept back, on one line

    void Print(const std::string& text) const;

    void BeforeOutput() const {
        if (beforeOutput_) {
            beforeOutput_();
        }
    }
};

} // namespace rp70::cli
