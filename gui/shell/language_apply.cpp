#include "shell/language_apply.h"

#include <QAbstractButton>
#include <QAction>
#include <QDockWidget>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QVariantList>
#include <functional>
#include <optional>

#include "shell/qt_text.h"

namespace rp70::gui {

namespace {

constexpr const char* kTextKey = "textKey";
constexpr const char* kToolTipKey = "toolTipKey";
constexpr const char* kTabTextKeys = "tabTextKeys";
constexpr const char* kTabToolTipKeys = "tabToolTipKeys";

constexpr int kFontNameKey = 20;
constexpr int kFontSizeKey = 21;
constexpr int kOkKey = 101;
constexpr int kCancelKey = 102;

// The key held in a property: a positive number, or 0 when there is none.
int KeyOf(const QVariant& value) {
    bool ok = false;
    const int key = value.toInt(&ok);
    return ok && key > 0 ? key : 0;
}

int KeyOf(const QObject* object, const char* property) {
    return KeyOf(object->property(property));
}

// The text of `key`, or nullopt when the language file has none: a caption then keeps what it
// shows rather than going blank.
std::optional<QString> TextFor(const LanguageTexts& texts, int key) {
    if (key <= 0) {
        return std::nullopt;
    }
    QString text = ToQt(texts.GetText(key));
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return text;
}

// A menu caption as plain text: "&New" shows "New", "&&" stays a single "&".
QString WithoutMnemonic(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                plain += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        plain += caption[i];
    }
    return plain;
}

void ApplyFont(QWidget* window, const LanguageTexts& texts) {
    const QString family = ToQt(texts.GetText(kFontNameKey));
    bool sizeOk = false;
    const double size = QLocale::c().toDouble(ToQt(texts.GetText(kFontSizeKey)), &sizeOk);
    QFont font = window->font();
    bool changed = false;
    if (!family.isEmpty() && font.family() != family) {
        font.setFamily(family);
        changed = true;
    }
    if (sizeOk && size > 0 && font.pointSizeF() != size) {
        font.setPointSizeF(size);
        changed = true;
    }
    if (changed) {
        window->setFont(font);
    }
}

// A menu entry defined with its key as caption ("1001") moves the key to its tag the first time.
// A number that is no key of the language file stays a plain caption.
void AdoptNumericCaption(QObject* object, const QString& caption, const LanguageTexts& texts) {
    if (KeyOf(object, kTextKey) != 0) {
        return;
    }
    bool ok = false;
    const int key = caption.trimmed().toInt(&ok);
    if (ok && TextFor(texts, key)) {
        SetTextKey(object, key);
    }
}

void ApplyTabTexts(const QVariantList& textKeys, const QVariantList& toolTipKeys, int count,
                   const std::function<void(int, const QString&)>& setText,
                   const std::function<void(int, const QString&)>& setToolTip,
                   const LanguageTexts& texts) {
    for (int i = 0; i < count; ++i) {
        if (i < textKeys.size()) {
            if (std::optional<QString> text = TextFor(texts, KeyOf(textKeys[i]))) {
                setText(i, *text);
            }
        }
        if (i < toolTipKeys.size()) {
            if (std::optional<QString> text = TextFor(texts, KeyOf(toolTipKeys[i]))) {
                setToolTip(i, *text);
            }
        }
    }
}

void ApplyToObject(QObject* object, const LanguageTexts& texts) {
    if (auto* action = qobject_cast<QAction*>(object)) {
        AdoptNumericCaption(action, action->text(), texts);
    } else if (auto* menu = qobject_cast<QMenu*>(object)) {
        AdoptNumericCaption(menu, menu->title(), texts);
    }

    if (std::optional<QString> text = TextFor(texts, KeyOf(object, kTextKey))) {
        if (auto* label = qobject_cast<QLabel*>(object)) {
            label->setText(*text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
            button->setText(*text);
        } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
            group->setTitle(*text);
        } else if (auto* action = qobject_cast<QAction*>(object)) {
            action->setText(*text);
        } else if (auto* menu = qobject_cast<QMenu*>(object)) {
            menu->setTitle(*text);
        } else if (auto* widget = qobject_cast<QWidget*>(object);
                   widget != nullptr &&
                   (widget->isWindow() || qobject_cast<QDockWidget*>(widget) != nullptr)) {
            widget->setWindowTitle(*text);
        }
    }

    if (std::optional<QString> tip = TextFor(texts, KeyOf(object, kToolTipKey))) {
        if (auto* action = qobject_cast<QAction*>(object)) {
            action->setToolTip(WithoutMnemonic(*tip));
        } else if (auto* widget = qobject_cast<QWidget*>(object)) {
            widget->setToolTip(*tip);
        }
    }

    const QVariantList tabTextKeys = object->property(kTabTextKeys).toList();
    const QVariantList tabToolTipKeys = object->property(kTabToolTipKeys).toList();
    if (tabTextKeys.isEmpty() && tabToolTipKeys.isEmpty()) {
        return;
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
        ApplyTabTexts(
            tabTextKeys, tabToolTipKeys, tabs->count(),
            [tabs](int i, const QString& text) { tabs->setTabText(i, text); },
            [tabs](int i, const QString& text) { tabs->setTabToolTip(i, text); }, texts);
    } else if (auto* bar = qobject_cast<QTabBar*>(object)) {
        ApplyTabTexts(
            tabTextKeys, tabToolTipKeys, bar->count(),
            [bar](int i, const QString& text) { bar->setTabText(i, text); },
            [bar](int i, const QString& text) { bar->setTabToolTip(i, text); }, texts);
    }
}

} // namespace

void SetTextKey(QObject* object, int key) {
    if (object != nullptr) {
        object->setProperty(kTextKey, key);
    }
}

void SetToolTipKey(QObject* object, int key) {
    if (object != nullptr) {
        object->setProperty(kToolTipKey, key);
    }
}

void ApplyLanguage(QWidget* window, const LanguageTexts& texts) {
    if (window == nullptr) {
        return;
    }
    if (std::optional<QString> title = TextFor(texts, KeyOf(window, kTextKey))) {
        window->setWindowTitle(*title);
    }
    ApplyFont(window, texts);

    // Everything below the window, and the actions its widgets show that another object owns.
    QList<QObject*> objects;
    QSet<QObject*> seen;
    auto add = [&](QObject* object) {
        if (object != nullptr && object != window && !seen.contains(object)) {
            seen.insert(object);
            objects.append(object);
        }
    };
    for (QAction* action : window->actions()) {
        add(action);
    }
    for (QObject* child : window->findChildren<QObject*>()) {
        add(child);
        if (auto* widget = qobject_cast<QWidget*>(child)) {
            for (QAction* action : widget->actions()) {
                add(action);
            }
        }
    }
    for (QObject* object : objects) {
        ApplyToObject(object, texts);
    }
}

void SetButtonTexts(QDialogButtonBox* buttons, const LanguageTexts& texts) {
    if (buttons == nullptr) {
        return;
    }
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) {
        if (std::optional<QString> text = TextFor(texts, kOkKey)) {
            ok->setText(*text);
        }
    }
    if (QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel)) {
        if (std::optional<QString> text = TextFor(texts, kCancelKey)) {
            cancel->setText(*text);
        }
    }
}

void SetCloseButtonText(QDialogButtonBox* buttons, const LanguageTexts& texts) {
    if (buttons == nullptr) {
        return;
    }
    if (QPushButton* close = buttons->button(QDialogButtonBox::Close)) {
        close->setText(ToQt(texts.Builtin(BuiltinText::CloseButton)));
    }
}

} // namespace rp70::gui
