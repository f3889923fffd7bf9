#pragma once
// Texts and paths between the core (UTF-8 std::string, std::filesystem::path) and Qt.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace rp70::gui {

/// A core text (UTF-8) as Qt shows it.
QString ToQt(std::string_view text);

/// A text typed or chosen in a widget as the core keeps it (UTF-8).
std::string ToCore(const QString& text);

/// A path chosen or typed in Qt as the core names the file (never through the local 8-bit
/// code page, which cannot name every file on Windows).
std::filesystem::path ToCorePath(const QString& path);

/// A core path as Qt shows and opens it.
QString PathToQt(const std::filesystem::path& path);

} // namespace rp70::gui
