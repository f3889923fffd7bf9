#pragma once
// The 5-tone special call dialog: composes a data message, an ANI call or a PTT-ID code for a
// code list entry or for the PTT-ID begin or end code of the 5-tone dialog.

#include <QDialog>
#include <string>

#include "editors/five_tone_code_list.h"
#include "editors/five_tone_special_call.h"
#include "model/records/five_tone_record.h"
#include "texts/user_context.h"

class QComboBox;
class QGroupBox;
class QLineEdit;

namespace rp70::gui {

/// The 5-tone special call dialog, used with exec(): the code list entry (for the code list
/// only), the call type, and the data message's or the ANI call's fields.
class FiveToneSpecialCallDialog : public QDialog {
    Q_OBJECT
public:
    /// Composes a special code for `target`; for the code list it writes entry `entry` of
    /// `record` and its row in `rows` on OK, and stores `AniSeparator` into `record`. `ownId` is
    /// the 5-tone dialog's own ID field. `record`, `rows` and `ctx` must outlive the dialog.
    FiveToneSpecialCallDialog(FiveToneRecord& record, CodeRows& rows, SpecialCallTarget target,
                              int entry, std::string ownId, UserContext& ctx,
                              QWidget* parent = nullptr);
    /// After OK for the begin or end code: the composed code (not yet encoded).
    std::string Code() const;
    /// OK: composes and stores the code, then closes; an incomplete target ID keeps it open.
    void accept() override;

private:
    /// Shows the field group of the chosen call type.
    void ShowGroups();
    /// A target ID input: "0" … "9" and "A", five at most, "12345" at first; leaving it for
    /// another input with fewer than five characters tells so.
    QLineEdit* NewTargetIdInput(const char* name);
    /// What the inputs show.
    SpecialCallInputs Inputs() const;

    FiveToneRecord& record_;
    CodeRows& rows_;
    SpecialCallTarget target_;
    std::string ownId_;
    UserContext& ctx_;
    SpecialCallInputs opened_;
    std::string code_;

    QComboBox* entryCombo_ = nullptr;
    QComboBox* callTypeCombo_ = nullptr;
    QGroupBox* messageGroup_ = nullptr;
    QLineEdit* messageTargetIdEdit_ = nullptr;
    QLineEdit* messageEdit_ = nullptr;
    QGroupBox* aniGroup_ = nullptr;
    QLineEdit* aniTargetIdEdit_ = nullptr;
    QComboBox* separatorCombo_ = nullptr;
};

} // namespace rp70::gui
