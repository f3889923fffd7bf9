#pragma once
// The language dialog: English or Chinese for the program's texts.

#include <QDialog>
#include <QListWidget>

#include "texts/language_texts.h"

namespace rp70::gui {

class LanguageDialog : public QDialog {
    Q_OBJECT

public:
    /// Lists the two languages (objectName "languageList") with `current` selected.
    LanguageDialog(Language current, const LanguageTexts& texts, QWidget* parent = nullptr);

    /// The selected language; meaningful after the dialog was accepted.
    Language Chosen() const;

private:
    QListWidget* list_ = nullptr;
};

} // namespace rp70::gui
