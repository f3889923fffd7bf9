#pragma once
// The channel edit dialog: every setting of one channel, written back into the image on OK.

#include <QDialog>
#include <array>
#include <vector>

#include "channels/channel_edit.h"
#include "model/feature_flags.h"
#include "model/radio_image.h"
#include "texts/user_context.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace rp70::gui {

/// The channel edit dialog: every setting of one channel; the image changes only on OK.
class ChannelEditDialog : public QDialog {
    Q_OBJECT
public:
    /// Edits channel `number` (1 … 204) of `image`; `features` decide which signalling kinds are
    /// offered; messages go through `ctx`.
    ChannelEditDialog(RadioImage& image, int number, const FeatureFlags& features, UserContext& ctx,
                      QWidget* parent = nullptr);
    /// OK: checks and writes the channel back (or deletes it), then closes; stays open after "VFO
    /// can't be null!" / "CALL can't be null!".
    void accept() override;

private:
    /// The widgets of one tone (decode or encode).
    struct ToneWidgets {
        QComboBox* Type = nullptr;
        QComboBox* Ctcss = nullptr;
        QComboBox* Dcs = nullptr;
        QCheckBox* Inverted = nullptr;
    };

    /// Creates the inputs in the order Tab and Enter walk through them.
    void BuildInputs();
    /// Puts the inputs with their labels into the dialog's grid and adds OK and Cancel.
    void LayOut();
    /// Each input stores its changes into `inputs_`.
    void ConnectInputs();
    /// Stores a change into the inputs, lets the core react and shows the inputs again.
    void Changed(ChannelEditChange change);
    /// Shows `inputs_` in the widgets, with their visibility and enabled states.
    void ShowInputs();
    /// Offers the squelch modes the inputs allow and selects the chosen one.
    void ShowSquelchList();

    RadioImage& image_;
    int number_;
    UserContext& ctx_;
    ChannelEditLists lists_;
    ChannelEditInputs inputs_;
    std::vector<int> shownSquelchModes_;

    QLineEdit* rxFreqEdit_ = nullptr;
    QLineEdit* offsetEdit_ = nullptr;
    QComboBox* shiftCombo_ = nullptr;
    QLineEdit* txFreqEdit_ = nullptr;
    std::array<QLineEdit*, kNameBoxCount> nameBoxes_{};
    QComboBox* stepCombo_ = nullptr;
    QComboBox* bandwidthCombo_ = nullptr;
    QComboBox* powerCombo_ = nullptr;
    QComboBox* signallingCombo_ = nullptr;
    QComboBox* dtmfCodeCombo_ = nullptr;
    QComboBox* twoToneCombo_ = nullptr;
    QComboBox* fiveToneCombo_ = nullptr;
    QCheckBox* pttIdCheck_ = nullptr;
    ToneWidgets decode_;
    ToneWidgets encode_;
    QComboBox* scramblerCombo_ = nullptr;
    QLabel* dtmfPttIdLabel_ = nullptr;
    QComboBox* dtmfPttIdCombo_ = nullptr;
    QLabel* fiveTonePttIdLabel_ = nullptr;
    QComboBox* fiveTonePttIdCombo_ = nullptr;
    QComboBox* squelchCombo_ = nullptr;
    QComboBox* extraDisplayCombo_ = nullptr;
    QComboBox* busyLockCombo_ = nullptr;
    QCheckBox* txInhibitCheck_ = nullptr;
    QCheckBox* reverseCheck_ = nullptr;
    QCheckBox* talkAroundCheck_ = nullptr;
    QCheckBox* companderCheck_ = nullptr;
    QCheckBox* scanSkipCheck_ = nullptr;
    QCheckBox* pttIdDecodeCheck_ = nullptr;
    QLineEdit* pttIdCodeEdit_ = nullptr;
};

} // namespace rp70::gui
