#pragma once
// The command line of rp70-sim: the radio's identity and password, its memory file, the faults
// to provoke and how the host runs.

#include <QStringList>
#include <optional>
#include <string>

#include "radio_simulator.h"

namespace rp70::sim {

/// Exit status of a failure, and of wrong usage.
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

struct HostOptions {
    std::optional<std::string> MemoryPath; ///< the radio memory file (16384 bytes)
    SimIdentity Identity;
    SimFaults Faults;
    bool Fast = false;                   ///< no pacing: answers leave at once
    std::optional<std::string> LinkPath; ///< a symbolic link to the device
    std::optional<std::string> LogPath;  ///< the wire transcript
};

/// The options of `arguments` (the program name first). --help prints the help and exits; on
/// a wrong option or value it prints one line on stderr and returns nullopt.
std::optional<HostOptions> ParseHostOptions(const QStringList& arguments);

/// Prints "rp70-sim: <line>" on stderr and returns `status`.
int Fail(const std::string& line, int status = kExitFailure);

} // namespace rp70::sim
