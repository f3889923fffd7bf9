#pragma once
// The about box: the program's title, version, description and notice.

#include <QDialog>

#include "texts/language_texts.h"

namespace rp70::gui {

class AboutBox : public QDialog {
    Q_OBJECT

public:
    /// Builds the box with its texts from `texts`; its only button is OK.
    explicit AboutBox(const LanguageTexts& texts, QWidget* parent = nullptr);
};

} // namespace rp70::gui
