#include "shell/language_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/caption_width.h"
#include "shell/language_apply.h"
#include "shell/qt_text.h"

namespace rp70::gui {

namespace {
constexpr int kTitleKey = 1503;
constexpr int kEnglishKey = 1501;
constexpr int kChineseKey = 1502;

// A language's entry; each language names itself where the language file has no text.
QString Entry(const LanguageTexts& texts, int key, const char* fallback) {
    const QString text = ToQt(texts.GetText(key));
    return text.isEmpty() ? QString::fromUtf8(fallback) : text;
}
} // namespace

LanguageDialog::LanguageDialog(Language current, const LanguageTexts& texts, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("languageDialog"));
    SetTextKey(this, kTitleKey);
    auto* label = new QLabel(this);
    SetTextKey(label, kTitleKey);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("languageList"));
    list_->addItem(Entry(texts, kEnglishKey, "English"));
    list_->addItem(Entry(texts, kChineseKey, "中文"));
    list_->setCurrentRow(current == Language::Chinese ? 1 : 0);
    label->setBuddy(list_);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(buttons);

    ApplyLanguage(this, texts);
    SetButtonTexts(buttons, texts);
    KeepCaptionWhole(*this, *layout);
    list_->setFocus();
}

Language LanguageDialog::Chosen() const {
    return list_->currentRow() == 1 ? Language::Chinese : Language::English;
}

} // namespace rp70::gui
