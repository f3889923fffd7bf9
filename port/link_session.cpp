#include "link_session.h"

#include <QMetaObject>

namespace rp70 {

LinkSession::LinkSession(const QString& portName, RadioImage& image, ProgramState& state,
                         Interaction& ui, QObject* parent)
    : QObject(parent), port_(portName), transfer_(port_, *this, image, state, ui) {
    port_.Attach(transfer_);
}

LinkSession::~LinkSession() {
    port_.Detach();
    port_.Close();
}

bool LinkSession::start(TransferKind kind) {
    return transfer_.Start(kind);
}

void LinkSession::cancel() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (transfer_.IsRunning()) {
                transfer_.Cancel();
            }
        },
        Qt::QueuedConnection);
}

void LinkSession::ShowProgress(TransferKind kind) {
    emit progressShown(kind);
}

void LinkSession::SetProgressValue(int percent) {
    emit progressValue(percent);
}

void LinkSession::ShowVerifyPass() {
    emit verifyPassShown();
}

void LinkSession::CloseProgress() {
    emit progressClosed();
}

void LinkSession::FeaturesChanged() {
    emit featuresChanged();
}

void LinkSession::ImageReplaced() {
    emit imageReplaced();
}

void LinkSession::TransferFinished(TransferKind kind, TransferOutcome outcome) {
    emit finished(kind, outcome);
}

} // namespace rp70
