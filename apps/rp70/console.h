#pragma once
// The console as each system offers it: whether a stream is a terminal, and a line typed
// without echo.

#include <optional>
#include <string>

namespace rp70::cli {

/// Whether standard input comes from a person at a terminal (so questions can be asked).
bool InputIsTerminal();

/// Whether standard error goes to a terminal (so progress can be redrawn in place).
bool ErrorIsTerminal();

/// One line typed at the terminal without echo; nullopt at end of input or on Ctrl+C.
std::optional<std::string> ReadHiddenLine();

} // namespace rp70::cli
