#include "files/backups_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/bands.h"
#include "shell/language_apply.h"
#include "shell/qt_text.h"

namespace rp70::gui {

BackupsDialog::BackupsDialog(std::vector<BackupEntry> backups, const LanguageTexts& texts,
                             QWidget* parent)
    : QDialog(parent), backups_(std::move(backups)) {
    setWindowTitle(ToQt(texts.Builtin(BuiltinText::BackupsTitle)));
    const auto text = [&texts](BuiltinText key) { return ToQt(texts.Builtin(key)); };

    table_ = new QTableWidget(static_cast<int>(backups_.size()), 5, this);
    table_->setObjectName(QStringLiteral("backupsTable"));
    table_->setHorizontalHeaderLabels(
        {text(BuiltinText::BackupTime), text(BuiltinText::BackupKindCaption),
         text(BuiltinText::BackupModel), text(BuiltinText::BackupBand),
         text(BuiltinText::BackupChannels)});
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < table_->rowCount(); ++row) {
        const BackupEntry& backup = backups_[static_cast<std::size_t>(row)];
        const QStringList cells = {
            ToQt(backup.Time),
            text(backup.Kind == BackupKind::Read ? BuiltinText::BackupKindRead
                                                 : BuiltinText::BackupKindWritten),
            ToQt(backup.Model), ToQt(BandCaption(static_cast<std::int16_t>(backup.BandCode))),
            backup.Count ? QString::number(*backup.Count) : QStringLiteral("?")};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setToolTip(PathToQt(backup.Path));
            table_->setItem(row, column, item);
        }
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setMinimumWidth(table_->horizontalHeader()->length() + 40);
    if (table_->rowCount() > 0) {
        table_->selectRow(0);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    QPushButton* open =
        buttons->addButton(text(BuiltinText::BackupOpen), QDialogButtonBox::AcceptRole);
    open->setObjectName(QStringLiteral("openButton"));
    open->setEnabled(table_->rowCount() > 0);
    connect(buttons, &QDialogButtonBox::accepted, this, &BackupsDialog::OpenSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::cellDoubleClicked, this, &BackupsDialog::OpenSelected);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    SetButtonTexts(buttons, texts);
    resize(table_->minimumWidth() + 20, 360);
}

void BackupsDialog::OpenSelected() {
    const int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(backups_.size())) {
        return;
    }
    chosen_ = backups_[static_cast<std::size_t>(row)].Path;
    accept();
}

} // namespace rp70::gui
