#include "terminal_interaction.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

namespace rp70::cli {
namespace {

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return text;
}

} // namespace

Answer TerminalInteraction::Show(const Message& message) {
    std::cerr << "rp70: " << OneLine(message.Text) << '\n';
    const bool yesNo =
        message.Buttons == MessageButtons::YesNo || message.Buttons == MessageButtons::YesNoCancel;
    if (message.Buttons == MessageButtons::Ok) {
        return Answer::Ok;
    }
    const Answer cautious = yesNo ? Answer::No : Answer::Cancel;
    if (isatty(STDIN_FILENO) == 0) {
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

} // namespace rp70::cli
