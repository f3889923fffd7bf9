#pragma once
// The progress window of a Read or a Write: the completion percentage as a bar and a label, and
// a Cancel button.

#include <QDialog>

#include "memory/block_passes.h"
#include "texts/language_texts.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace rp70::gui {

/// The progress window of a Read or a Write, with a Cancel button that stops the transfer cleanly.
class ProgressDialog : public QDialog {
    Q_OBJECT

public:
    /// Captioned for `kind` ("Read data from radio" or "Write data to radio") in the language of
    /// `texts`, showing 0 %.
    ProgressDialog(TransferKind kind, const LanguageTexts& texts, QWidget* parent = nullptr);

    /// Sets the bar and the label ("37%").
    void SetProgressValue(int percent);
    /// The pass that reads a Write's blocks back: captioned "Verify data in radio".
    void ShowVerifyPass(const LanguageTexts& texts);
    /// The percentage shown.
    int Value() const;

    /// Escape does nothing: the window goes away only when the transfer has ended.
    void reject() override;

signals:
    /// Cancel was clicked (or the window's close button); the dialog stays until the transfer
    /// ends.
    void cancelRequested();

protected:
    /// The window's close button asks to cancel instead of closing.
    void closeEvent(QCloseEvent* event) override;

private:
    void RequestCancel();

    QProgressBar* bar_;
    QLabel* percentLabel_;
    QPushButton* cancelButton_;
};

} // namespace rp70::gui
