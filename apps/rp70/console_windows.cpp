#include "console.h"

#include <windows.h>

#include <io.h>

#include <cstdio>
#include <iostream>

namespace rp70::cli {

bool InputIsTerminal() {
    return _isatty(_fileno(stdin)) != 0;
}

bool ErrorIsTerminal() {
    return _isatty(_fileno(stderr)) != 0;
}

std::optional<std::string> ReadHiddenLine() {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD old = 0;
    const bool console = GetConsoleMode(input, &old) != 0;
    if (console) {
        SetConsoleMode(input, old & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    }
    // Ctrl+C ends the console's read, and with it the line.
    std::string line;
    const bool read = static_cast<bool>(std::getline(std::cin, line));
    if (console) {
        SetConsoleMode(input, old);
        std::cerr << '\n';
    }
    if (!read) {
        return std::nullopt;
    }
    return line;
}

} // namespace rp70::cli
