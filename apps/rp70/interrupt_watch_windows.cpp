#include "interrupt_watch.h"

#include <windows.h>

#include <QMetaObject>
#include <QObject>
#include <atomic>
#include <mutex>
#include <utility>

namespace rp70::cli {

/// The console calls its control handler on a thread of its own; the handler queues the call
/// onto the event loop through a context object that lives as long as the watch.
struct InterruptWatch::Source {
    QObject context;
    std::function<void()> onInterrupt;

    static inline std::mutex mutex;
    static inline Source* watching = nullptr; // guarded by mutex
    static inline std::atomic<bool> interrupted{false};

    static BOOL WINAPI OnConsoleControl(DWORD event) {
        if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) {
            return FALSE;
        }
        interrupted = true;
        const std::lock_guard lock(mutex);
        if (watching != nullptr) {
            QMetaObject::invokeMethod(
                &watching->context, [source = watching] { source->onInterrupt(); },
                Qt::QueuedConnection);
        }
        return TRUE;
    }
};

InterruptWatch::InterruptWatch(std::function<void()> onInterrupt)
    : source_(std::make_unique<Source>()) {
    source_->onInterrupt = std::move(onInterrupt);
    Source::interrupted = false;
    {
        const std::lock_guard lock(Source::mutex);
        Source::watching = source_.get();
    }
    SetConsoleCtrlHandler(Source::OnConsoleControl, TRUE);
}

InterruptWatch::~InterruptWatch() {
    SetConsoleCtrlHandler(Source::OnConsoleControl, FALSE);
    const std::lock_guard lock(Source::mutex);
    Source::watching = nullptr;
}

bool InterruptWatch::Interrupted() const {
    return Source::interrupted;
}

} // namespace rp70::cli
