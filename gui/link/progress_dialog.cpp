#include "link/progress_dialog.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/caption_width.h"
#include "shell/language_apply.h"
#include "shell/qt_text.h"

namespace rp70::gui {

ProgressDialog::ProgressDialog(TransferKind kind, const LanguageTexts& texts, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(
        ToQt(texts.Builtin(kind == TransferKind::Write ? BuiltinText::ProgressTitleWrite
                                                       : BuiltinText::ProgressTitleRead)));

    auto* caption = new QLabel(ToQt(texts.Builtin(BuiltinText::ProgressLabel)), this);
    percentLabel_ = new QLabel(QStringLiteral("0%"), this);
    percentLabel_->setObjectName(QStringLiteral("percentLabel"));
    auto* percentRow = new QHBoxLayout;
    percentRow->addWidget(caption);
    percentRow->addWidget(percentLabel_);
    percentRow->addStretch();

    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("progressBar"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(320);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cancelButton_ = buttons->button(QDialogButtonBox::Cancel);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    // Stopping a Write half-way leaves the radio partly written: only a deliberate click (or the
    // window's close button) cancels, never a stray Enter, Space or Escape.
    cancelButton_->setAutoDefault(false);
    cancelButton_->setFocusPolicy(Qt::NoFocus);
    connect(cancelButton_, &QPushButton::clicked, this, &ProgressDialog::RequestCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(percentRow);
    layout->addWidget(bar_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ApplyLanguage(this, texts);
    SetButtonTexts(buttons, texts);
    KeepCaptionWhole(*this, *layout);
}

void ProgressDialog::SetProgressValue(int percent) {
    percent = std::clamp(percent, 0, 100);
    bar_->setValue(percent);
    percentLabel_->setText(QString::number(percent) + QLatin1Char('%'));
}

void ProgressDialog::ShowVerifyPass(const LanguageTexts& texts) {
    setWindowTitle(ToQt(texts.Builtin(BuiltinText::ProgressTitleVerify)));
}

int ProgressDialog::Value() const {
    return bar_->value();
}

void ProgressDialog::reject() {}

void ProgressDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    RequestCancel();
}

void ProgressDialog::RequestCancel() {
    if (!cancelButton_->isEnabled()) {
        return; // one cancel: the transfer is stopping already
    }
    cancelButton_->setEnabled(false);
    emit cancelRequested();
}

} // namespace rp70::gui
