#include "console.h"

#include <csignal>
#include <iostream>
#include <termios.h>
#include <unistd.h>

namespace rp70::cli {
namespace {

/// While it exists, Ctrl+C breaks off a line being typed instead of waiting for Enter: the
/// program's own Ctrl+C handler (if any) stays, but no longer restarts the interrupted read.
class InterruptiblePrompt {
public:
    InterruptiblePrompt() {
        if (sigaction(SIGINT, nullptr, &previous_) == 0 && previous_.sa_handler != SIG_DFL &&
            previous_.sa_handler != SIG_IGN) {
            struct sigaction breaking = previous_;
            breaking.sa_flags &= ~SA_RESTART;
            changed_ = sigaction(SIGINT, &breaking, nullptr) == 0;
        }
    }
    ~InterruptiblePrompt() {
        if (changed_) {
            sigaction(SIGINT, &previous_, nullptr);
        }
    }
    InterruptiblePrompt(const InterruptiblePrompt&) = delete;
    InterruptiblePrompt& operator=(const InterruptiblePrompt&) = delete;

private:
    struct sigaction previous_ {};
    bool changed_ = false;
};

} // namespace

bool InputIsTerminal() {
    return isatty(STDIN_FILENO) != 0;
}

bool ErrorIsTerminal() {
    return isatty(STDERR_FILENO) != 0;
}

std::optional<std::string> ReadHiddenLine() {
    const InterruptiblePrompt interruptible;
    termios old{};
    const bool terminal = tcgetattr(STDIN_FILENO, &old) == 0;
    if (terminal) {
        termios quiet = old;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::string line;
    const bool read = static_cast<bool>(std::getline(std::cin, line));
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSANOW, &old);
        std::cerr << '\n';
    }
    if (!read) {
        return std::nullopt;
    }
    return line;
}

} // namespace rp70::cli
