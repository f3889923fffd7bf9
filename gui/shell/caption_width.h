#pragma once
// Small dialogs are laid out for their inputs, which can leave them narrower than their caption:
// the title bar then cuts it ("Progra…ssword"). A small dialog therefore keeps the width its
// caption needs in the title bar.

#include <QVBoxLayout>
#include <QWidget>

namespace rp70::gui {

/// Keeps `dialog`, laid out by `layout`, wide enough for its title bar to show its whole title:
/// the title in the title bar's font, made bold as many window managers draw it, with room for
/// the window icon and the title bar's buttons. This holds also where the layout fixes the
/// dialog's size. Call it when the dialog's title is final.
void KeepCaptionWhole(const QWidget& dialog, QVBoxLayout& layout);

} // namespace rp70::gui
