#include "link/radio_password_dialog.h"

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
constexpr int kMaxPasswordLength = 4;
constexpr int kTitleKey = 3100;
constexpr int kLabelKey = 3101;
// The built-in captions, shown where the language file has no text for the keys.
constexpr const char* kBuiltinTitle = "编程密码";
constexpr const char* kBuiltinLabel = "密码";
// The label ends just left of the box.
constexpr int kLabelGap = 4;
} // namespace

RadioPasswordDialog::RadioPasswordDialog(std::string_view current, const LanguageTexts& texts,
                                         QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("radioPasswordDialog"));
    setWindowTitle(QString::fromUtf8(kBuiltinTitle));
    SetTextKey(this, kTitleKey);

    auto* label = new QLabel(QString::fromUtf8(kBuiltinLabel), this);
    label->setObjectName(QStringLiteral("passwordLabel"));
    SetTextKey(label, kLabelKey);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("passwordEdit"));
    edit_->setEchoMode(QLineEdit::Password);
    edit_->setStyleSheet(
        QStringLiteral("lineedit-password-character: 42")); // every character as "*"
    edit_->setMaxLength(kMaxPasswordLength);
    edit_->setText(ToQt(current));
    ApplyTextInputRules(edit_);
    label->setBuddy(edit_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->setSpacing(kLabelGap);
    row->addStretch(1);
    row->addWidget(label);
    row->addWidget(edit_);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);

    ApplyLanguage(this, texts);
    SetButtonTexts(buttons, texts);
    KeepCaptionWhole(*this, *layout);
    edit_->setFocus();
}

std::string RadioPasswordDialog::Password() const {
    return TextOf(ToCore(edit_->text()));
}

} // namespace rp70::gui
