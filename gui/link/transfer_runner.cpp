#include "link/transfer_runner.h"

#include <QEventLoop>
#include <QObject>
#include <QPointer>

#include "link/progress_dialog.h"
#include "link_session.h"
#include "shell/qt_text.h"
#include "shell/settings_file.h"

namespace rp70::gui {

std::optional<TransferOutcome> RunTransfer(TransferKind kind, RadioImage& image,
                                           ProgramState& state, Interaction& ui, QWidget* window,
                                           const TransferHooks& hooks) {
    LinkSession session(ToQt(LinkPortName(state.Settings)), image, state, ui);
    session.transfer().VerifyAfterWrite = state.Settings.VerifyAfterWrite;
    QPointer<ProgressDialog> progress;
    QEventLoop loop;
    std::optional<TransferOutcome> outcome;

    QObject::connect(&session, &LinkSession::progressShown, [&](TransferKind shown) {
        if (!progress) {
            progress = new ProgressDialog(shown, state.Texts, window);
            progress->setWindowModality(Qt::ApplicationModal);
            QObject::connect(progress, &ProgressDialog::cancelRequested, &session,
                             &LinkSession::cancel);
        }
        progress->SetProgressValue(0);
        progress->show();
        if (shown == TransferKind::Write && hooks.WriteStarting) {
            hooks.WriteStarting();
        }
    });
    QObject::connect(&session, &LinkSession::progressValue, [&](int percent) {
        if (progress) {
            progress->SetProgressValue(percent);
        }
    });
    QObject::connect(&session, &LinkSession::verifyPassShown, [&] {
        if (progress) {
            progress->ShowVerifyPass(state.Texts);
        }
    });
    QObject::connect(&session, &LinkSession::progressClosed, [&] {
        if (progress) {
            progress->hide();
        }
    });
    QObject::connect(&session, &LinkSession::featuresChanged, [&] {
        if (hooks.FeaturesChanged) {
            hooks.FeaturesChanged();
        }
    });
    QObject::connect(&session, &LinkSession::imageReplaced, [&] {
        if (hooks.ImageReplaced) {
            hooks.ImageReplaced();
        }
    });
    QObject::connect(&session, &LinkSession::finished, [&](TransferKind, TransferOutcome result) {
        outcome = result;
        loop.quit();
    });

    const bool started = session.start(kind);
    if (started && !outcome) {
        loop.exec();
    }
    delete progress.data();
    if (!started) {
        return std::nullopt;
    }
    if (!outcome) {
        // The event loop was told to end (the program is quitting): the session closes the port
        // as it goes, before anything of a Read reached the image.
        return TransferOutcome::Cancelled;
    }
    return outcome;
}

} // namespace rp70::gui
