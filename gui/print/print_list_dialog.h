#pragma once
// The print selection dialog: which sections of the image to print, the printer set-up, and
// the print job itself.

#include <QCheckBox>
#include <QDialog>
#include <QPrinter>
#include <array>

#include "model/radio_image.h"
#include "model/records/radio_info.h"
#include "print/print_selection.h"
#include "texts/user_context.h"

namespace rp70::gui {

/// Ten check boxes (the VHF and radio channel boxes hidden), Select All, Clear All, the printer
/// set-up button, OK and Cancel. OK shows the system print dialog and prints the ticked
/// sections; the dialog closes only when the job completed. Used with exec().
class PrintListDialog : public QDialog {
    Q_OBJECT
public:
    /// All boxes start unticked. The image and `info` (the embedded message section) are only
    /// read.
    PrintListDialog(const RadioImage& image, UserContext& ctx, const RadioInfo& info,
                    QWidget* parent = nullptr);

    /// The printer the job goes to; the set-up button and the print dialog change it.
    QPrinter& Printer() { return printer_; }

    /// The ticks of the ten boxes.
    PrintSelection Selection() const;

    /// OK: with no box ticked a warning, otherwise the print job; closes only when it completed.
    void accept() override;

private:
    void TickAll(bool on);
    void SetUpPrinter();
    /// Asks for the printer and prints `selection`; false when the print dialog was cancelled
    /// or printing failed.
    bool PrintSelected(const PrintSelection& selection);

    const RadioImage& image_;
    UserContext& ctx_;
    const RadioInfo& info_;
    QPrinter printer_;
    std::array<QCheckBox*, kPrintItemCount> boxes_{};
};

} // namespace rp70::gui
