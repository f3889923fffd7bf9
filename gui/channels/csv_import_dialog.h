#pragma once
// The report of a CSV import before anything changes: what becomes of each row of the file
// (imported, corrected how, refused why). OK imports, Cancel leaves the image as it is.

#include <QDialog>

#include "channels/csv_channels.h"
#include "texts/language_texts.h"

class QPlainTextEdit;

namespace rp70::gui {

class CsvImportDialog : public QDialog {
    Q_OBJECT

public:
    /// Shows the report of `import`, read from the file `path`.
    CsvImportDialog(const CsvImport& import, const QString& path, const LanguageTexts& texts,
                    QWidget* parent = nullptr);

    /// The report lines as shown.
    QPlainTextEdit* Report() const { return report_; }

private:
    QPlainTextEdit* report_ = nullptr;
};

} // namespace rp70::gui
