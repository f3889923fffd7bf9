#pragma once
// Answers the modal windows a widget opens while a test drives it: the handler of the next modal
// window runs as soon as it shows, from the event loop its exec() runs.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

namespace rp70::test {

class ModalDriver {
public:
    /// Called with the modal window that showed; it must close the window (accept, reject or a
    /// button click), otherwise the test hangs until ctest's time-out.
    using Handler = std::function<void(QWidget* window)>;

    ModalDriver() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    /// Handles the next modal window with `handler`.
    void Then(Handler handler) { handlers_.push_back(std::move(handler)); }

    /// Answers the next message box by clicking its button `button`.
    void ThenAnswer(QMessageBox::StandardButton button) {
        Then([this, button](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (box == nullptr) {
                unexpected_ << window->metaObject()->className();
                window->close();
                return;
            }
            if (QAbstractButton* target = box->button(button)) {
                target->click();
            } else {
                unexpected_ << "no button " + QString::number(button) + " in: " + box->text();
                box->close();
            }
        });
    }

    /// Leaves modal windows of class `className` (for example a progress window that closes by
    /// itself) to the code under test.
    void Ignore(const char* className) { ignored_ << QString(className); }

    /// The texts of every message box that showed, in order.
    const QStringList& Messages() const { return messages_; }
    /// Windows that showed with no handler left, or did not fit their handler; they were closed.
    const QStringList& Unexpected() const { return unexpected_; }
    /// How many handlers have not run yet.
    int Pending() const { return static_cast<int>(handlers_.size()); }

private:
    void Poll() {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr) {
            handled_ = nullptr;
            return;
        }
        if (window == handled_ || !window->isVisible() ||
            ignored_.contains(window->metaObject()->className())) {
            return;
        }
        handled_ = window;
        if (auto* box = qobject_cast<QMessageBox*>(window)) {
            messages_ << box->text();
        }
        if (handlers_.empty()) {
            unexpected_ << QString(window->metaObject()->className()) + ": " +
                               (qobject_cast<QMessageBox*>(window)
                                    ? qobject_cast<QMessageBox*>(window)->text()
                                    : window->windowTitle());
            window->close();
            return;
        }
        Handler handler = std::move(handlers_.front());
        handlers_.pop_front();
        handler(window);
    }

    QTimer timer_;
    std::deque<Handler> handlers_;
    QPointer<QWidget> handled_;
    QStringList ignored_;
    QStringList messages_;
    QStringList unexpected_;
};

} // namespace rp70::test
