#pragma once
// The model and band dialog: the band a new image is made for.

#include <QDialog>
#include <filesystem>

#include "model/radio_image.h"
#include "texts/user_context.h"

class QComboBox;

namespace rp70::gui {

/// The model and band dialog for a new image.
class ModelDialog : public QDialog {
    Q_OBJECT

public:
    /// Shows the model and band of `image`; `ctx` and `programFolder` (its "Init" templates) serve
    /// the reset OK may make. `image` and `ctx` must outlive the dialog.
    ModelDialog(RadioImage& image, UserContext& ctx, std::filesystem::path programFolder,
                QWidget* parent = nullptr);

    /// OK: a different band asks "Frequency data will be cleared." (title "Warning", warning
    /// icon, OK/Cancel) and on OK sets the band and resets the image.
    void accept() override;
    /// Whether OK reset the image (the main window then redraws the table and caption).
    bool ImageWasReset() const;

private:
    void FillBands();

    RadioImage& image_;
    UserContext& ctx_;
    std::filesystem::path programFolder_;
    QComboBox* modelCombo_;
    QComboBox* bandCombo_;
    bool imageWasReset_ = false;
};

} // namespace rp70::gui
