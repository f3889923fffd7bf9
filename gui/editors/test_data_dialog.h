#pragma once
// The test data dialog of the factory test mode: the radio's factory alignment values as
// hexadecimal inputs, loaded from and saved to test data files, taken into the image on OK.

#include <QDialog>
#include <array>

#include "editors/test_data_edit.h"
#include "model/radio_image.h"
#include "texts/user_context.h"

class QLineEdit;

namespace rp70::gui {

/// The test data dialog, used with exec().
class TestDataDialog : public QDialog {
    Q_OBJECT
public:
    /// Shows the test values of `image` in the language of `ctx`; the image's test values change
    /// only on OK (a saved test data file is remembered as the last one at once). `image` and
    /// `ctx` must outlive the dialog.
    TestDataDialog(RadioImage& image, UserContext& ctx, QWidget* parent = nullptr);
    /// OK: the inputs become the image's test values, then the dialog closes.
    void accept() override;

private:
    /// Puts the captioned inputs into two columns, Load and Save beside OK and Cancel.
    void LayOut(const LanguageTexts& texts);
    /// Shows `texts_` in the inputs.
    void ShowInputs();
    /// Load: a test data file chosen by the person replaces the shown values.
    void Load();
    /// Save: the shown values go into a test data file chosen by the person.
    void Save();

    RadioImage& image_;
    UserContext& ctx_;
    TestDataTexts texts_;
    std::array<QLineEdit*, kTestValueCount> edits_{}; ///< nullptr for a value without input
};

} // namespace rp70::gui
