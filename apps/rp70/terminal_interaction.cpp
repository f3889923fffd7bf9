#include "terminal_interaction.h"

#include <cctype>
#include <cstdio>
#include <iostream>
#include <utility>

#include "console.h"
#include "link/radio_password.h"

namespace rp70::cli {
namespace {

std::string OneLine(const std::string& text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            line += text[i];
        } else if (text[i] == '\n' || i + 1 == text.size() || text[i + 1] != '\n') {
            line += ' '; // CR LF makes one space
        }
    }
    return line;
}

} // namespace

Answer TerminalInteraction::Show(const Message& message) {
    ++messages_;
    const bool replaced = !failureReason_.empty() && message.Buttons == MessageButtons::Ok;
    std::string text = OneLine(replaced ? failureReason_ : message.Text);
    if (replaced) {
        failureReason_.clear();
    }
    if (holding_ && message.Buttons == MessageButtons::Ok) {
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        held_ += (held_.empty() ? "" : " ") + text;
        return Answer::Ok;
    }
    ReleaseMessages();
    Print(text);
    const bool yesNo =
        message.Buttons == MessageButtons::YesNo || message.Buttons == MessageButtons::YesNoCancel;
    if (message.Buttons == MessageButtons::Ok) {
        return Answer::Ok;
    }
    const Answer cautious = yesNo ? Answer::No : Answer::Cancel;
    if (sink_ || !InputIsTerminal()) {
        return cautious;
    }
    std::cerr << (yesNo ? "[y/n] " : "[ok/cancel] ") << std::flush;
    std::string reply;
    if (!std::getline(std::cin, reply) || reply.empty()) {
        return cautious;
    }
    const char first = static_cast<char>(std::tolower(static_cast<unsigned char>(reply[0])));
    if (yesNo) {
        return first == 'y' ? Answer::Yes : Answer::No;
    }
    return first == 'o' ? Answer::Ok : Answer::Cancel;
}

void TerminalInteraction::ReleaseMessages() {
    holding_ = false;
    if (!held_.empty()) {
        Print(std::exchange(held_, {}));
    }
}

void TerminalInteraction::Print(const std::string& text) const {
    if (sink_) {
        sink_(text);
        return;
    }
    BeforeOutput();
    std::cerr << "rp70: " << (subject_.empty() ? "" : subject_ + ": ") << text << '\n';
}

std::optional<std::filesystem::path> TerminalInteraction::ChooseOpenFile(const FileChoice&) {
    return std::nullopt;
}

std::optional<std::filesystem::path> TerminalInteraction::ChooseSaveFile(const FileChoice&) {
    return std::nullopt;
}

std::optional<std::string> TerminalInteraction::AskFilePassword(std::string_view) {
    if (password_) {
        std::optional<std::string> given = std::move(password_);
        password_.reset();
        return given;
    }
    if (!promptAllowed_ || !InputIsTerminal()) {
        return std::nullopt;
    }
    BeforeOutput();
    std::cerr << "File password" << (subject_.empty() ? "" : " for " + subject_) << ": "
              << std::flush;
    std::optional<std::string> typed = ReadHiddenLine();
    if (typed) {
        for (char& c : *typed) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return typed;
}

std::optional<std::string> TerminalInteraction::AskRadioPassword(std::string_view current) {
    if (!promptAllowed_ || !InputIsTerminal()) {
        failureReason_ = current.empty()
                             ? "the radio wants its programming password (--radio-password PW)"
                             : "the radio's programming password is not the one given with "
                               "--radio-password";
        return std::nullopt;
    }
    BeforeOutput();
    std::cerr << "Radio password: " << std::flush;
    std::optional<std::string> typed = ReadHiddenLine();
    if (typed && typed->size() > kRadioPasswordLength) {
        typed->resize(kRadioPasswordLength);
    }
    return typed;
}

} // namespace rp70::cli
