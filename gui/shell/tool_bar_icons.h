#pragma once
// The icons of the main window's tool bar: the desktop's icon theme where it has them, otherwise
// the style's standard icons or simple drawn ones, so that no button is ever blank.

#include <QIcon>

class QStyle;

namespace rp70::gui {

/// The commands of the tool bar's buttons.
enum class ToolBarIconKind { New, Open, Save, Read, Port, Write, Cut, Copy, Paste, Delete, About };

/// The icon of `kind`; `style` gives the fallbacks.
QIcon ToolBarIcon(ToolBarIconKind kind, const QStyle* style);

} // namespace rp70::gui
