#include "shell/dialog_inputs.h"

#include <QSignalBlocker>
#include <QVBoxLayout>

#include "shell/caption_width.h"
#include "shell/language_apply.h"
#include "shell/qt_text.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {

QComboBox* NewCombo(QWidget* parent, const char* name, const std::vector<std::string>& entries) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    ShowEntries(list, entries);
    EnterMovesFocus(list);
    return list;
}

QCheckBox* NewCheck(QWidget* parent, const char* name) {
    auto* check = new QCheckBox(parent);
    check->setObjectName(QLatin1String(name));
    EnterMovesFocus(check);
    return check;
}

QCheckBox* NewCheck(QWidget* parent, const char* name, int key) {
    QCheckBox* check = NewCheck(parent, name);
    SetTextKey(check, key);
    return check;
}

QLabel* KeyLabel(QWidget* parent, int key, QWidget* buddy) {
    auto* label = new QLabel(parent);
    SetTextKey(label, key);
    label->setBuddy(buddy);
    return label;
}

QLabel* OptionLabel(QWidget* parent, const LanguageTexts& texts, int key, QWidget* buddy) {
    auto* label = new QLabel(ToQt(texts.Option(key)), parent);
    label->setBuddy(buddy);
    return label;
}

QDialogButtonBox* NewOkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->setObjectName(QStringLiteral("buttons"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    for (QAbstractButton* button : buttons->buttons()) {
        EnterMovesFocus(button);
    }
    return buttons;
}

void LayOutWithOkCancel(QDialog* dialog, QLayout* inputs, const LanguageTexts& texts) {
    QDialogButtonBox* buttons = NewOkCancel(dialog);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(inputs);
    layout->addStretch(1);
    layout->addWidget(buttons);
    ApplyLanguage(dialog, texts);
    SetButtonTexts(buttons, texts);
    KeepCaptionWhole(*dialog, *layout);
}

void ShowEntries(QComboBox* list, const std::vector<std::string>& entries) {
    QStringList texts;
    for (const std::string& entry : entries) {
        texts << ToQt(entry);
    }
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) {
        shown << list->itemText(i);
    }
    if (texts == shown) {
        return;
    }
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(texts);
    list->setCurrentIndex(-1);
}

void ShowPosition(QComboBox* list, int position) {
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

void ShowCheck(QCheckBox* check, bool on) {
    const QSignalBlocker blocker(check);
    check->setChecked(on);
}

} // namespace rp70::gui
