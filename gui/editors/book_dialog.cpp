#include "editors/book_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/book_edit.h"
#include "editors/book_table.h"
#include "shell/caption_width.h"
#include "shell/dialog_inputs.h"
#include "shell/language_apply.h"

namespace rp70::gui {
namespace {

constexpr int kKeyCaption = 1800;
constexpr int kKeyImport = 1802;
constexpr int kKeyExport = 1803;

QPushButton* NewButton(QWidget* parent, const char* name, int key) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    SetTextKey(button, key);
    return button;
}

} // namespace

BookDialog::BookDialog(RadioImage& image, UserContext& ctx, QWidget* parent)
    : QDialog(parent), image_(image), ctx_(ctx), editCopy_(image.Record.Book),
      table_(new BookTable(editCopy_, ctx.Texts, this)) {
    SetTextKey(this, kKeyCaption);
    QPushButton* importButton = NewButton(this, "importButton", kKeyImport);
    QPushButton* exportButton = NewButton(this, "exportButton", kKeyExport);
    QDialogButtonBox* buttons = NewOkCancel(this);
    connect(importButton, &QPushButton::clicked, this, &BookDialog::Import);
    connect(exportButton, &QPushButton::clicked, this, &BookDialog::Export);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(importButton);
    bottom->addWidget(exportButton);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(bottom);

    ApplyLanguage(this, ctx_.Texts);
    SetButtonTexts(buttons, ctx_.Texts);
    KeepCaptionWhole(*this, *layout);
}

void BookDialog::done(int result) {
    if (result == QDialog::Accepted) {
        table_->CommitOpenCell();
        ApplyBookEdit(image_, editCopy_);
    }
    CloseBookEdit(image_);
    QDialog::done(result);
}

void BookDialog::Import() {
    table_->CommitOpenCell();
    if (ImportBook(image_, ctx_, editCopy_)) {
        table_->ShowBook();
    }
}

void BookDialog::Export() {
    table_->CommitOpenCell();
    ExportBook(image_, ctx_, editCopy_);
}

} // namespace rp70::gui
