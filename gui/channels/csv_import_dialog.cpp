#include "channels/csv_import_dialog.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "shell/dialog_inputs.h"
#include "shell/language_apply.h"
#include "shell/qt_text.h"

namespace rp70::gui {
namespace {

constexpr int kKeyCaption = 1016;
constexpr int kKeyNothingChangesYet = 1019;

} // namespace

CsvImportDialog::CsvImportDialog(const CsvImport& import, const QString& path,
                                 const LanguageTexts& texts, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmCsvImport"));
    SetTextKey(this, kKeyCaption);

    auto* inputs = new QVBoxLayout;
    auto* file = new QLabel(QFileInfo(path).fileName(), this);
    file->setObjectName(QStringLiteral("lblFile"));
    inputs->addWidget(file);

    report_ = new QPlainTextEdit(this);
    report_->setObjectName(QStringLiteral("txtReport"));
    report_->setReadOnly(true);
    report_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QStringList lines;
    for (const std::string& line : CsvImportReport(import)) {
        lines << ToQt(line);
    }
    report_->setPlainText(lines.join(QLatin1Char('\n')));
    report_->setMinimumSize(760, 360);
    inputs->addWidget(report_, 1);

    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("lblNothingChangesYet"));
    SetTextKey(note, kKeyNothingChangesYet);
    inputs->addWidget(note);

    LayOutWithOkCancel(this, inputs, texts);
}

} // namespace rp70::gui
