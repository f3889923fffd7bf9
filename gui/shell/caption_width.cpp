#include "shell/caption_width.h"

#include <QApplication>
#include <QFontMetrics>

namespace rp70::gui {
namespace {

// A title bar holds the window icon and up to three buttons (minimise, maximise, close), each
// about as wide as the bar is high; the bar is this much higher than its text.
constexpr int kTitleBarSlots = 4;
constexpr int kTitleBarPadding = 10;
// Room on both sides of the title text.
constexpr int kTitlePadding = 24;

int CaptionWidth(const QWidget& window) {
    // The platform's title bar font where it tells it, otherwise the program's font.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(window.windowTitle()) + kTitlePadding +
           kTitleBarSlots * (metrics.height() + kTitleBarPadding);
}

} // namespace

void KeepCaptionWhole(const QWidget& dialog, QVBoxLayout& layout) {
    // A strut across a vertical box is the least width of its contents, inside its margins.
    const QMargins margins = layout.contentsMargins();
    layout.addStrut(CaptionWidth(dialog) - margins.left() - margins.right());
}

} // namespace rp70::gui
