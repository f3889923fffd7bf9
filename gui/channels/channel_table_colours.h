#pragma once
// The colours of the channel table: a dark blue header text, a blue label column and lightly
// tinted even rows. On a light desktop they are the table's own fixed colours; on a dark one the
// tint is taken from the palette, and every text colour is made readable on its background.

#include <QColor>
#include <QPalette>

namespace rp70::gui {

struct ChannelTableColours {
    QColor HeaderText;      ///< on the palette's button colour, which headers are drawn in
    QColor LabelText;       ///< the label column's text
    QColor LabelBackground; ///< the label column looks like the header
    QColor EvenRowText;     ///< the data cells of rows 2, 4, …
    QColor EvenRowBackground;
};

/// The table's colours under `palette`. On a light palette (its window colour lighter than its
/// text) the fixed colours RGB(0, 0, 155), RGB(0, 0, 255) and RGB(250, 250, 240) with black text;
/// on a dark one the even rows are the base colour tinted towards the text. A text colour whose
/// contrast with its background is below the WCAG 4.5 : 1 is moved towards white or black until
/// it reaches it.
ChannelTableColours ChannelTableColoursFor(const QPalette& palette);

} // namespace rp70::gui
