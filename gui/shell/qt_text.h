#pragma once
// Texts between the core (UTF-8 std::string) and Qt.

#include <QString>
#include <string>
#include <string_view>

namespace rp70::gui {

/// A core text (UTF-8) as Qt shows it.
QString ToQt(std::string_view text);

/// A text typed or chosen in a widget as the core keeps it (UTF-8).
std::string ToCore(const QString& text);

} // namespace rp70::gui
