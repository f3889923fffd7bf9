#pragma once
// The 2-tone dialog: the tones the radio sends with their timings, and the 32 decode entries
// channels select, written back into the image on OK.

#include <QDialog>
#include <array>

#include "editors/two_tone_edit.h"
#include "model/radio_image.h"
#include "texts/user_context.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;

namespace rp70::gui {

class DecodeTable;

/// The 2-tone dialog, used with exec(): an encode page (pair, tones A … D, times, interval,
/// reset time, response, side tone) and a decode page with the table of the 32 entries.
class TwoToneDialog : public QDialog {
    Q_OBJECT
public:
    /// Shows the 2-tone settings of `image` in the texts of `ctx`. Nothing reaches the image
    /// before OK; Cancel leaves it as it was. `image` and `ctx` must outlive the dialog.
    TwoToneDialog(RadioImage& image, UserContext& ctx, QWidget* parent = nullptr);
    /// OK: stores the decode cell being edited and the settings, moves channels off entries no
    /// longer defined, then closes.
    void accept() override;

private:
    /// The encode page: its inputs with their labels in one grid.
    QWidget* NewEncodePage(const LanguageTexts& texts);
    /// Each input of the encode page stores its changes into `edit_.Inputs`.
    void ConnectInputs();
    /// Shows `edit_.Inputs` in the encode page, with the tone boxes' enabled states.
    void ShowInputs();

    RadioImage& image_;
    TwoToneEditLists lists_;
    TwoToneEdit edit_;

    QTabWidget* pages_ = nullptr;
    QComboBox* pairCombo_ = nullptr;
    std::array<QLineEdit*, kToneBoxCount> toneEdits_{};
    QComboBox* time1Combo_ = nullptr;
    QComboBox* time2Combo_ = nullptr;
    QComboBox* time3Combo_ = nullptr;
    QComboBox* intervalCombo_ = nullptr;
    QComboBox* resetTimeCombo_ = nullptr;
    QComboBox* responseCombo_ = nullptr;
    QCheckBox* sideToneCheck_ = nullptr;
    DecodeTable* decodeTable_ = nullptr;
};

} // namespace rp70::gui
