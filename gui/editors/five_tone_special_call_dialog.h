#pragma once
// The 5-tone special call dialog: composes a data message, an ANI call or a PTT-ID code for a
// code list entry or for the PTT-ID begin or end code of the 5-tone dialog.

#include <QDialog>
#include <string>

#include "editors/five_tone_code_list.h"
#include "editors/five_tone_special_call.h"
#include "model/records/five_tone_record.h"
#include "texts/user_context.h"

namespace rp70::gui {

/// The 5-tone special call dialog, used with exec().
class FiveToneSpecialCallDialog : public QDialog {
    Q_OBJECT
public:
    /// Composes a special code for `target`; for the code list it writes entry `entry` of
    /// `record` and its row in `rows` on OK, and stores `AniSeparator` into `record`. `ownId` is
    /// the 5-tone dialog's own ID field.
    FiveToneSpecialCallDialog(FiveToneRecord& record, CodeRows& rows, SpecialCallTarget target,
                              int entry, std::string ownId, UserContext& ctx,
                              QWidget* parent = nullptr);
    /// After OK for the begin or end code: the composed code (not yet encoded).
    std::string Code() const;

private:
    FiveToneRecord& record_;
    CodeRows& rows_;
    SpecialCallTarget target_;
    std::string ownId_;
    std::string code_;
};

} // namespace rp70::gui
