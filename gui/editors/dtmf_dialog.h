#pragma once
// The DTMF dialog: the radio's DTMF code memories, PTT-ID, kill and stun codes, own ID and DTMF
// timings, written back into the image on OK.

#include <QDialog>
#include <array>

#include "editors/dtmf_edit.h"
#include "model/radio_image.h"
#include "texts/user_context.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace rp70::gui {

/// The DTMF dialog, used with exec(): the sixteen code memories, the begin, end, kill and stun
/// codes, the DTMF options and timings, and the special call for the code last entered.
class DtmfDialog : public QDialog {
    Q_OBJECT
public:
    /// Shows the DTMF settings of `image` in the texts of `ctx`. Opening brings stored values
    /// outside their ranges into them (kept even on Cancel); otherwise the image changes only on
    /// OK. `image` and `ctx` must outlive the dialog.
    DtmfDialog(RadioImage& image, UserContext& ctx, QWidget* parent = nullptr);
    /// OK: stores the settings and closes, or tells why not and stays open.
    void accept() override;

private:
    /// Puts the inputs with their labels into the dialog and adds OK and Cancel.
    void LayOut(const LanguageTexts& texts);
    /// Each input stores its changes into `inputs_`.
    void ConnectInputs();
    /// Shows `inputs_` in the widgets.
    void ShowInputs();
    /// The special call composes a code for the code field last entered.
    void OpenSpecialCall();

    RadioImage& image_;
    UserContext& ctx_;
    DtmfEditLists lists_;
    DtmfEditInputs inputs_;

    std::array<QLineEdit*, kDtmfCodeFieldCount> codeEdits_{};
    QLineEdit* ownIdEdit_ = nullptr;
    QComboBox* aniCombo_ = nullptr;
    QComboBox* sendTimeCombo_ = nullptr;
    QComboBox* separatorCombo_ = nullptr;
    QComboBox* groupCodeCombo_ = nullptr;
    QComboBox* decodeResponseCombo_ = nullptr;
    QComboBox* firstDigitDelayCombo_ = nullptr;
    QComboBox* preSendDelayCombo_ = nullptr;
    QComboBox* resetTimeCombo_ = nullptr;
    QComboBox* postSendDelayCombo_ = nullptr;
    QComboBox* pauseTimeCombo_ = nullptr;
    QCheckBox* sideToneCheck_ = nullptr;
};

} // namespace rp70::gui
