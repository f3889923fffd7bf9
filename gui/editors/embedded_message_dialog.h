#pragma once
// The embedded message window: the information block read from a radio (model, band, serial
// number, production, maintenance and dealer data), shown and never stored.

#include <QDialog>

#include "model/records/radio_info.h"
#include "texts/language_texts.h"

namespace rp70::gui {

/// The embedded message window: every field of a RadioInfo with its caption in the language in
/// use, and a Close button.
class EmbeddedMessageDialog : public QDialog {
    Q_OBJECT
public:
    /// Shows `info` with the captions of the language of `texts`. The text fields are read-only
    /// and the lists only show; nothing done in the window changes `info`. Used with exec().
    EmbeddedMessageDialog(const RadioInfo& info, const LanguageTexts& texts,
                          QWidget* parent = nullptr);
};

} // namespace rp70::gui
