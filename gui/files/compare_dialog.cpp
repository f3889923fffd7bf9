#include "files/compare_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "shell/language_apply.h"
#include "shell/qt_text.h"

namespace rp70::gui {

CompareDialog::CompareDialog(const std::vector<ImageDifference>& differences,
                             const QString& otherCaption, const LanguageTexts& texts,
                             QWidget* parent)
    : QDialog(parent) {
    const auto text = [&texts](BuiltinText key) { return ToQt(texts.Builtin(key)); };
    setWindowTitle(text(BuiltinText::CompareTitle));
    auto* layout = new QVBoxLayout(this);

    if (differences.empty()) {
        auto* none = new QLabel(text(BuiltinText::CompareNoDifferences), this);
        none->setObjectName(QStringLiteral("noDifferences"));
        none->setMargin(12);
        layout->addWidget(none);
    } else {
        auto* table = new QTableWidget(static_cast<int>(differences.size()), 4, this);
        table->setObjectName(QStringLiteral("differencesTable"));
        table->setHorizontalHeaderLabels({text(BuiltinText::ComparePlace),
                                          text(BuiltinText::CompareField),
                                          text(BuiltinText::CompareOpenImage), otherCaption});
        table->verticalHeader()->hide();
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        for (int row = 0; row < table->rowCount(); ++row) {
            const ImageDifference& difference = differences[static_cast<std::size_t>(row)];
            const QStringList cells = {ToQt(difference.Place), ToQt(difference.Field),
                                       ToQt(difference.Old), ToQt(difference.New)};
            for (int column = 0; column < cells.size(); ++column) {
                table->setItem(row, column, new QTableWidgetItem(cells[column]));
            }
        }
        table->resizeColumnsToContents();
        table->horizontalHeader()->setStretchLastSection(true);
        table->setMinimumWidth(table->horizontalHeader()->length() + 40);
        layout->addWidget(table);
        resize(table->minimumWidth() + 20, 420);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    SetCloseButtonText(buttons, texts);
}

} // namespace rp70::gui
