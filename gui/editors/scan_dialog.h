#pragma once
// The scan dialog: the radio's scan settings, written back into the image on OK.

#include <QDialog>
#include <vector>

#include "editors/scan_edit.h"
#include "model/radio_image.h"
#include "texts/user_context.h"

class QCheckBox;
class QComboBox;

namespace rp70::gui {

/// The scan dialog, used with exec(): scan mode, priority mode and channels, revert channel,
/// look-back and resume times and the scan entry tone.
class ScanDialog : public QDialog {
    Q_OBJECT
public:
    /// Shows the scan settings of `image` in the texts of `ctx`. Opening stores its repairs of
    /// the settings (a revert channel the priority mode does not offer, a scan entry tone above
    /// 1) in the image at once; everything else changes only on OK. `image` and `ctx` must
    /// outlive the dialog.
    ScanDialog(RadioImage& image, UserContext& ctx, QWidget* parent = nullptr);
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
    ScanEditLists lists_;
    ScanEditInputs inputs_;
    std::vector<int> shownRevertChoices_; ///< the revert choices the revert list offers

    QComboBox* scanModeCombo_ = nullptr;
    QComboBox* priorityModeCombo_ = nullptr;
    QComboBox* priorityChannel1Combo_ = nullptr;
    QComboBox* priorityChannel2Combo_ = nullptr;
    QComboBox* revertCombo_ = nullptr;
    QComboBox* lookBackACombo_ = nullptr;
    QComboBox* lookBackBCombo_ = nullptr;
    QComboBox* rxResumeCombo_ = nullptr;
    QComboBox* txResumeCombo_ = nullptr;
    QCheckBox* entryToneCheck_ = nullptr;
};

} // namespace rp70::gui
