#pragma once
// The alert dialog: the radio's emergency alarm settings, written back into the image on OK.

#include <QDialog>

#include "editors/alert_edit.h"
#include "model/radio_image.h"
#include "texts/user_context.h"

class QComboBox;

namespace rp70::gui {

/// The alert dialog, used with exec(): alarm mode, identification code, alarm, transmit and
/// receive times, emergency channel and repeat cycle.
class AlertDialog : public QDialog {
    Q_OBJECT
public:
    /// Shows the alarm settings of `image` in the texts of `ctx`; the image changes only on OK.
    /// `image` and `ctx` must outlive the dialog.
    AlertDialog(RadioImage& image, UserContext& ctx, QWidget* parent = nullptr);
    /// OK: writes the settings back, then closes.
    void accept() override;

private:
    /// Puts the inputs with their labels into the dialog's grid and adds OK and Cancel.
    void LayOut(const LanguageTexts& texts);
    /// Each input stores its changes into `inputs_`.
    void ConnectInputs();
    /// Shows `inputs_` in the widgets, with their enabled states.
    void ShowInputs();

    RadioImage& image_;
    AlertEditLists lists_;
    AlertEditInputs inputs_;

    QComboBox* alarmModeCombo_ = nullptr;
    QComboBox* idCodeTypeCombo_ = nullptr;
    QComboBox* idCodeCombo_ = nullptr;
    QComboBox* alarmTimeCombo_ = nullptr;
    QComboBox* txTimeCombo_ = nullptr;
    QComboBox* rxTimeCombo_ = nullptr;
    QComboBox* channelSelectCombo_ = nullptr;
    QComboBox* emergencyChannelCombo_ = nullptr;
    QComboBox* cycleCombo_ = nullptr;
};

} // namespace rp70::gui
