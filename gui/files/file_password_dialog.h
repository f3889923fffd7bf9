#pragma once
// The file password dialog: the password a data file is saved with, or the one asked for while
// a protected file opens.

#include <QDialog>
#include <QLineEdit>
#include <string>
#include <string_view>

#include "texts/language_texts.h"

namespace rp70::gui {

class FilePasswordDialog : public QDialog {
    Q_OBJECT

public:
    /// Shows `current` in the entry field (objectName "passwordEdit"), which takes at most ten of
    /// "0" … "9" and "A" … "Z" (lower-case letters become upper case).
    FilePasswordDialog(std::string_view current, const LanguageTexts& texts,
                       QWidget* parent = nullptr);

    /// The entered password without trailing spaces; meaningful after the dialog was accepted.
    std::string Password() const;

private:
    QLineEdit* edit_ = nullptr;
};

} // namespace rp70::gui
