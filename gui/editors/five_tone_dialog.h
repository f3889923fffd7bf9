#pragma once
// The 5-tone dialog: the own ID, the tone standard and timings, the PTT-ID begin and end codes,
// the eight info codes and the list of 100 codes channels and the alert select, written back
// into the image on OK.

#include <QDialog>
#include <array>

#include "editors/five_tone_edit.h"
#include "editors/five_tone_special_call.h"
#include "model/radio_image.h"
#include "texts/user_context.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLayout;
class QLineEdit;
class QPlainTextEdit;

namespace rp70::gui {

class FiveToneCodeTable;

/// The 5-tone dialog, used with exec(): the system settings, the PTT-ID begin and end codes with
/// their special calls, the standard table text and the info codes on the left, the code list
/// grid with its special call on the right.
class FiveToneDialog : public QDialog {
    Q_OBJECT
public:
    /// Shows the 5-tone settings of `image` in the texts of `ctx`. Nothing but the decode time
    /// (stored once an own ID is accepted) reaches the image before OK; Cancel leaves the rest as
    /// it was. `image` and `ctx` must outlive the dialog.
    FiveToneDialog(RadioImage& image, UserContext& ctx, QWidget* parent = nullptr);
    /// OK: takes a changed own ID as on leaving its field, stores every field, checks the info
    /// codes, writes the settings back and moves channels and the alert off codes no longer in
    /// use, then closes; a refusal keeps the dialog open.
    void accept() override;

private:
    /// The inputs and groups of one PTT-ID code.
    struct PttIdGroup {
        QLineEdit* Code = nullptr;
        QComboBox* Standard = nullptr;
        QComboBox* ToneLength = nullptr;
    };

    /// The system settings: each input with its label in one grid.
    QLayout* NewSystemSettings();
    /// The group of PTT-ID code `code` (kBeginCode, kEndCode).
    QGroupBox* NewPttIdGroup(int code);
    /// The info code section.
    QGroupBox* NewInfoGroup();
    /// Each input stores its changes into `edit_.Inputs` and runs its reaction.
    void ConnectInputs();
    /// Shows `edit_.Inputs` in the inputs, with their enabled states.
    void ShowInputs();
    /// Leaving the own ID field; a refusal puts the focus back.
    bool LeaveOwnIdField();
    /// Opens the special call dialog for `target`.
    void OpenSpecialCall(SpecialCallTarget target);

    RadioImage& image_;
    UserContext& ctx_;
    FiveToneEditLists lists_;
    FiveToneEdit edit_;

    QLineEdit* ownIdEdit_ = nullptr;
    QComboBox* standardCombo_ = nullptr;
    QComboBox* decodeResponseCombo_ = nullptr;
    QComboBox* toneLengthCombo_ = nullptr;
    QComboBox* preSendDelayCombo_ = nullptr;
    QComboBox* resetTimeCombo_ = nullptr;
    QComboBox* postSendDelayCombo_ = nullptr;
    QComboBox* pauseTimeCombo_ = nullptr;
    QComboBox* firstDigitDelayCombo_ = nullptr;
    QComboBox* codePauseTimeCombo_ = nullptr;
    QComboBox* pauseCodeCombo_ = nullptr;
    QComboBox* decodeTimeCombo_ = nullptr;
    QCheckBox* sideToneCheck_ = nullptr;
    std::array<PttIdGroup, kPttIdCodeCount> pttIdGroups_{};
    QPlainTextEdit* tableText_ = nullptr;
    QGroupBox* infoGroup_ = nullptr;
    QComboBox* infoNumberCombo_ = nullptr;
    QComboBox* infoFunctionCombo_ = nullptr;
    QComboBox* infoResponseCombo_ = nullptr;
    QLineEdit* infoCodeEdit_ = nullptr;
    QLineEdit* infoNameEdit_ = nullptr;
    FiveToneCodeTable* codeTable_ = nullptr;
};

} // namespace rp70::gui
