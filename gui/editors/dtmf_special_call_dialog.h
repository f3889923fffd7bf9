#pragma once
// The DTMF special call dialog: composes an ANI or PTT-ID code from the DTMF dialog's separator
// and own ID.

#include <QDialog>
#include <string>

#include "texts/language_texts.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace rp70::gui {

/// The DTMF special call dialog, used with exec(): a call type ("ANI" or "PTTID") and, for ANI,
/// the target ID. After OK, Code() is the composed code.
class DtmfSpecialCallDialog : public QDialog {
    Q_OBJECT
public:
    /// Composes with `separator` (one character) and `ownId`, in the texts of `texts`.
    DtmfSpecialCallDialog(const LanguageTexts& texts, std::string separator, std::string ownId,
                          QWidget* parent = nullptr);
    /// OK: composes the code, then closes.
    void accept() override;
    /// The code composed on OK: target ID, separator and own ID for ANI ("012*345"), separator
    /// and own ID for PTTID ("*345"); empty before OK.
    const std::string& Code() const { return code_; }

private:
    /// The target ID shows for ANI only.
    void ShowTargetId();

    std::string separator_;
    std::string ownId_;
    std::string code_;

    QComboBox* callTypeCombo_ = nullptr;
    QLabel* targetIdLabel_ = nullptr;
    QLineEdit* targetIdEdit_ = nullptr;
};

} // namespace rp70::gui
