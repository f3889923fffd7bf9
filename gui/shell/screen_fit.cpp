#include "shell/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace rp70::gui {
namespace {

/// The screen that shows most of `rect`, or the primary screen when none shows any of it.
QScreen* ScreenShowing(const QRect& rect) {
    QScreen* best = nullptr;
    qint64 bestArea = 0;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect shared = screen->availableGeometry().intersected(rect);
        const qint64 area = qint64(shared.width()) * shared.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best != nullptr ? best : QGuiApplication::primaryScreen();
}

} // namespace

QRect FitOntoScreen(QRect whole, int minimumWidth) {
    const QScreen* screen = ScreenShowing(whole);
    if (screen == nullptr) {
        return whole;
    }
    const QRect area = screen->availableGeometry();
    whole.setWidth(std::clamp(whole.width(), std::min(minimumWidth, area.width()), area.width()));
    whole.setHeight(std::clamp(whole.height(), 1, area.height()));
    whole.moveLeft(std::clamp(whole.left(), area.left(), area.right() + 1 - whole.width()));
    whole.moveTop(std::clamp(whole.top(), area.top(), area.bottom() + 1 - whole.height()));
    return whole;
}

} // namespace rp70::gui
