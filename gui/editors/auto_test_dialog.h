#pragma once
// The auto-test export window of the factory test mode: which kinds of record the production
// export marks, and the export into an ".EPM" file.

#include <QDialog>
#include <array>

#include "factory/auto_test_export.h"
#include "model/radio_image.h"
#include "texts/user_context.h"

class QCheckBox;

namespace rp70::gui {

/// The auto-test export window, used with exec(). It never changes the image.
class AutoTestDialog : public QDialog {
    Q_OBJECT
public:
    /// Offers the export of `image`; only the channels are ticked. `image` and `ctx` must outlive
    /// the window.
    AutoTestDialog(const RadioImage& image, UserContext& ctx, QWidget* parent = nullptr);

private:
    /// Asks for the file and writes the export of the ticked kinds; the window closes once the
    /// file is written and stays open when the file choice is cancelled or anything fails.
    void Export();

    const RadioImage& image_;
    UserContext& ctx_;
    std::array<QCheckBox*, kExportBoxCount> boxes_{};
};

} // namespace rp70::gui
