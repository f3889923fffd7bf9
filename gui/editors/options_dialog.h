#pragma once
// The options dialog: the radio's general settings, key assignments, power-on text and power-on
// password, written back into the image on OK.

#include <QDialog>
#include <array>

#include "editors/options_edit.h"
#include "model/radio_image.h"
#include "texts/language_texts.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace rp70::gui {

/// The options dialog, used with exec(): edits the options record and the option flags of
/// `image`, which change only on OK.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    /// Opens on the options of `image`, captioned from `texts`.
    OptionsDialog(RadioImage& image, const LanguageTexts& texts, QWidget* parent = nullptr);
    /// OK: writes the options back into the image and closes.
    void accept() override;

private:
    /// Creates the inputs in the order Tab and Enter walk through them.
    void BuildInputs();
    /// Puts the inputs with their labels into the dialog and adds OK and Cancel.
    void LayOut();
    /// Each input hands its changes to the state.
    void ConnectInputs();
    /// Shows `state_` in the widgets, with their enabled and visible states.
    void ShowInputs();
    /// Shows or hides the power-on password and its label.
    void EnablePassWord(bool shown);

    RadioImage& image_;
    const LanguageTexts& texts_;
    OptionsEditLists lists_;
    OptionsEditState state_;

    /// The shown lists by list number; hidden lists have no widget.
    std::array<QComboBox*, kOptionListCount> listCombos_{};
    std::array<QComboBox*, kKeyFunctionCount> keyCombos_{};
    /// Check boxes 1 … 6; box 0 never shows.
    std::array<QCheckBox*, kOptionCheckCount> checks_{};
    std::array<QLineEdit*, kWelcomeBoxCount> welcomeBoxes_{};
    QCheckBox* passwordCheck_ = nullptr;
    QLabel* passwordLabel_ = nullptr;
    QLineEdit* passwordEdit_ = nullptr;
};

} // namespace rp70::gui
