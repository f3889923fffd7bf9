#pragma once
// The radio password dialog: the programming password a transfer compares with the radio's.

#include <QDialog>
#include <QLineEdit>
#include <string>
#include <string_view>

#include "texts/language_texts.h"

namespace rp70::gui {

class RadioPasswordDialog : public QDialog {
    Q_OBJECT

public:
    /// Shows `current` masked in the entry field (objectName "passwordEdit"), which takes at most
    /// four characters of codes 32 … 127.
    RadioPasswordDialog(std::string_view current, const LanguageTexts& texts,
                        QWidget* parent = nullptr);

    /// The entered password without trailing spaces; meaningful after the dialog was accepted.
    std::string Password() const;

private:
    QLineEdit* edit_ = nullptr;
};

} // namespace rp70::gui
