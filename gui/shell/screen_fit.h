#pragma once
// Keeping a top-level window on the screens: a window is placed by its whole rectangle, frame and
// title bar included, inside the area a screen leaves to windows (without task bars and panels).

#include <QRect>

namespace rp70::gui {

/// `whole` moved and, where it is larger, shrunk into the available area of the screen that shows
/// most of it (the primary screen when none shows any): a placement stored on a screen that is
/// gone, or larger than the screen, must not hide any part of the window. It keeps at least
/// `minimumWidth` where the area is that wide.
QRect FitOntoScreen(QRect whole, int minimumWidth);

} // namespace rp70::gui
