#include "files/file_password_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "model/fixed_text.h"
#include "shell/caption_width.h"
#include "shell/language_apply.h"
#include "shell/qt_text.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {

namespace {
constexpr int kMaxPasswordLength = 10;
}

FilePasswordDialog::FilePasswordDialog(std::string_view current, const LanguageTexts& texts,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("filePasswordDialog"));
    auto* label = new QLabel(ToQt(texts.Builtin(BuiltinText::PasswordLabel)), this);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("passwordEdit"));
    edit_->setMaxLength(kMaxPasswordLength);
    edit_->setText(ToQt(current));
    ApplyTextInputRules(edit_, {filters::UpperCaseLettersAndDigits()});
    label->setBuddy(edit_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(edit_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);

    ApplyLanguage(this, texts);
    setWindowTitle(ToQt(texts.Builtin(BuiltinText::PasswordDialogTitle)));
    SetButtonTexts(buttons, texts);
    KeepCaptionWhole(*this, *layout);
    edit_->setFocus();
}

std::string FilePasswordDialog::Password() const {
    return TextOf(ToCore(edit_->text()));
}

} // namespace rp70::gui
