#pragma once
// File > Compare… and Program > Compare with Radio: every difference between the open image and
// a data file or the radio, by place, read-only.

#include <QDialog>
#include <QString>
#include <vector>

#include "print/image_diff.h"
#include "texts/language_texts.h"

namespace rp70::gui {

class CompareDialog : public QDialog {
    Q_OBJECT

public:
    /// Lists `differences` from the open image to the other side, whose column is captioned
    /// `otherCaption` (a file name, or the radio); "No differences." when there are none.
    CompareDialog(const std::vector<ImageDifference>& differences, const QString& otherCaption,
                  const LanguageTexts& texts, QWidget* parent = nullptr);
};

} // namespace rp70::gui
