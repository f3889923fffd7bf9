#pragma once
// The main window's placement between runs. The desktop has no per-user
// settings store the program can rely on everywhere, so the four values live
// as decimal text in an ini file named after the application's title,
// "rp70cps.ini", in the program folder: section "Settings", keys "MainLeft",
// "MainTop", "MainWidth", "MainHeight", in the window system's units.

#include <filesystem>
#include <optional>
#include <string_view>

namespace rp70 {

/// The application's title, which names the placement store.
inline constexpr std::string_view kApplicationTitle = "rp70cps";

/// The placement store "rp70cps.ini" in the program folder.
std::filesystem::path WindowPlacementFilePath(const std::filesystem::path& programFolder);

/// The placement to store when the main window closes.
struct WindowPlacement {
    int MainLeft = 0;
    int MainTop = 0;
    int MainWidth = 0;
    int MainHeight = 0;
};

/// The placement as stored; a value that is missing or unusable is nullopt,
/// and the main window applies its defaults (0, 0, screen width, screen
/// height) to those. Usable: a whole decimal number (optional sign) within
/// int; a width or height must be above 0. Left and top may be negative (a
/// window on a screen left of or above the primary one).
struct StoredWindowPlacement {
    std::optional<int> MainLeft;
    std::optional<int> MainTop;
    std::optional<int> MainWidth;
    std::optional<int> MainHeight;
};

/// Reads the four values; a missing or unreadable file gives four nullopt.
StoredWindowPlacement ReadWindowPlacement(const std::filesystem::path& placementFile);

/// Stores the four values in one write, keeping other lines of the file;
/// creates the file and its folder when needed. False when it failed.
bool WriteWindowPlacement(const std::filesystem::path& placementFile,
                          const WindowPlacement& placement);

} // namespace rp70
