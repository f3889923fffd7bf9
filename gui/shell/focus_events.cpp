#include "shell/focus_events.h"

#include <QEvent>
#include <utility>

namespace rp70::gui {
namespace {

// Watches one widget for one focus event type; owned by the widget.
class FocusWatch : public QObject {
public:
    FocusWatch(QWidget* widget, QEvent::Type type, std::function<void()> react)
        : QObject(widget), type_(type), react_(std::move(react)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == type_) {
            react_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type type_;
    std::function<void()> react_;
};

} // namespace

void OnFocusIn(QWidget* widget, std::function<void()> react) {
    new FocusWatch(widget, QEvent::FocusIn, std::move(react));
}

void OnFocusOut(QWidget* widget, std::function<void()> react) {
    new FocusWatch(widget, QEvent::FocusOut, std::move(react));
}

} // namespace rp70::gui
