#include "shell/text_input_rules.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

namespace rp70::gui {

namespace {

// QWidget::focusNextPrevChild is protected; a pointer to it taken through a subclass is a
// pointer to QWidget's member and dispatches virtually. Moving the focus this way keeps Qt's own
// tab-order rules (hidden, disabled and compound widgets, dialogs that override the move).
struct FocusMover : QWidget {
    using QWidget::focusNextPrevChild;
};

void FocusNextInput(QWidget* from) {
    bool (QWidget::*next)(bool) = &FocusMover::focusNextPrevChild;
    (from->*next)(true);
}

bool IsEnterKey(const QKeyEvent* key) {
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier);
}

// Every way the keyboard has to cut, copy or paste.
bool IsClipboardKey(const QKeyEvent* key) {
    if (key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) ||
        key->matches(QKeySequence::Paste)) {
        return true;
    }
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const int code = key->key();
    if ((modifiers & Qt::ControlModifier) &&
        (code == Qt::Key_X || code == Qt::Key_C || code == Qt::Key_V)) {
        return true;
    }
    if (code == Qt::Key_Insert && (modifiers & (Qt::ShiftModifier | Qt::ControlModifier))) {
        return true;
    }
    return code == Qt::Key_Delete && (modifiers & Qt::ShiftModifier);
}

bool IsControlCharacter(QChar c) {
    return c.unicode() < 32 || c.unicode() == 127;
}

// The rules of one line edit. A child of the edit, so it lives exactly as long as the edit.
class TextInputGuard : public QObject {
public:
    TextInputGuard(QLineEdit* edit, TextInputOptions options)
        : QObject(edit), edit_(edit), options_(std::move(options)) {
        setObjectName(QStringLiteral("rp70TextInputGuard"));
        edit->installEventFilter(this);
        edit->setAcceptDrops(false);
        if (options_.NoContextMenu) {
            edit->setContextMenuPolicy(Qt::NoContextMenu);
        }
        // An editable combo box owns the focus of its line edit and hands its keys to it
        // directly, past any event filter of the edit: watch the combo box as well.
        if (auto* combo = qobject_cast<QComboBox*>(edit->parentWidget());
            combo != nullptr && combo->lineEdit() == edit) {
            combo_ = combo;
            combo->installEventFilter(this);
        }
    }

    ~TextInputGuard() override {
        if (combo_) {
            combo_->removeEventFilter(this);
        }
    }

    /// Characters of `text` the input takes, changed as its filter says.
    QString Filtered(const QString& text) const {
        QString kept;
        for (QChar c : text) {
            if (c.unicode() > 127 || IsControlCharacter(c)) {
                continue;
            }
            if (!options_.Filter) {
                kept += c;
            } else if (std::optional<QChar> changed = options_.Filter(c)) {
                kept += *changed;
            }
        }
        return kept;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != edit_ && watched != combo_) {
            return false;
        }
        switch (event->type()) {
        case QEvent::KeyPress:
            return OnKey(static_cast<QKeyEvent*>(event));
        case QEvent::InputMethod:
            return OnInputMethod(watched, static_cast<QInputMethodEvent*>(event));
        case QEvent::FocusIn:
            OnFocusIn(static_cast<QFocusEvent*>(event));
            return false;
        case QEvent::ContextMenu:
            return OnContextMenu(watched, static_cast<QContextMenuEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            // The middle button pastes the X11 selection; the right one may be refused.
            return mouse->button() == Qt::MiddleButton ||
                   (options_.NoContextMenu && mouse->button() == Qt::RightButton);
        }
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            event->ignore();
            return true;
        default:
            return false;
        }
    }

private:
    bool OnKey(QKeyEvent* key) {
        if (IsClipboardKey(key)) {
            return true;
        }
        if (IsEnterKey(key)) {
            FocusNextInput(combo_ ? combo_.data() : edit_);
            return true;
        }
        const QString text = key->text();
        if (text.isEmpty() || (text.size() == 1 && IsControlCharacter(text.front()))) {
            return false; // Backspace, Delete, cursor keys, Ctrl+A and the like
        }
        const QString kept = Filtered(text);
        if (kept == text) {
            return false;
        }
        // Qt types nothing for keys held with Ctrl, Alt or Meta; neither does the filter.
        const bool typing =
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) ==
            Qt::NoModifier;
        if (typing && !kept.isEmpty() && !edit_->isReadOnly()) {
            edit_->insert(kept);
        }
        return true;
    }

    bool OnInputMethod(QObject* watched, QInputMethodEvent* event) {
        const QString commit = event->commitString();
        const QString kept = Filtered(commit);
        if (kept == commit) {
            return false;
        }
        QInputMethodEvent replacement(event->preeditString(), event->attributes());
        replacement.setCommitString(kept, event->replacementStart(), event->replacementLength());
        QCoreApplication::sendEvent(watched, &replacement);
        return true;
    }

    void OnFocusIn(const QFocusEvent* event) {
        // The focus coming back with its window (or from a popup) is no entry into the input;
        // the first focus of a window that opens is.
        const bool returning = event->reason() == Qt::PopupFocusReason ||
                               (event->reason() == Qt::ActiveWindowFocusReason && entered_);
        entered_ = true;
        if (!options_.SelectAllOnEntry || returning) {
            return;
        }
        // A mouse click places the cursor after the focus arrives; select once it has.
        QTimer::singleShot(0, edit_, &QLineEdit::selectAll);
    }

    bool OnContextMenu(QObject* watched, QContextMenuEvent* event) {
        if (options_.NoContextMenu) {
            return true;
        }
        if (watched != edit_) {
            return false;
        }
        // The edit's own entries without those of the clipboard.
        auto shortcut = [](QKeySequence::StandardKey key) {
            return QLatin1Char('\t') + QKeySequence(key).toString(QKeySequence::NativeText);
        };
        const bool editable = !edit_->isReadOnly();
        // Owned here; the edit may go while the menu runs, and takes the menu with it.
        QPointer<QMenu> menu = new QMenu(edit_);
        QAction* undo = menu->addAction(QCoreApplication::translate("QLineEdit", "&Undo") +
                                            shortcut(QKeySequence::Undo),
                                        edit_, &QLineEdit::undo);
        undo->setObjectName(QStringLiteral("edit-undo"));
        undo->setEnabled(editable && edit_->isUndoAvailable());
        QAction* redo = menu->addAction(QCoreApplication::translate("QLineEdit", "&Redo") +
                                            shortcut(QKeySequence::Redo),
                                        edit_, &QLineEdit::redo);
        redo->setObjectName(QStringLiteral("edit-redo"));
        redo->setEnabled(editable && edit_->isRedoAvailable());
        menu->addSeparator();
        QAction* remove = menu->addAction(QCoreApplication::translate("QLineEdit", "Delete"), edit_,
                                          [edit = edit_] { edit->del(); });
        remove->setObjectName(QStringLiteral("edit-delete"));
        remove->setEnabled(editable && edit_->hasSelectedText());
        menu->addSeparator();
        QAction* all = menu->addAction(QCoreApplication::translate("QLineEdit", "Select All") +
                                           shortcut(QKeySequence::SelectAll),
                                       edit_, &QLineEdit::selectAll);
        all->setObjectName(QStringLiteral("select-all"));
        all->setEnabled(!edit_->text().isEmpty());
        menu->exec(event->globalPos());
        delete menu;
        return true;
    }

    QLineEdit* edit_;
    // Held as a widget: while the combo box is being destroyed (when this guard goes with its
    // line edit) it is a QComboBox no more, and reading it as one is undefined.
    QPointer<QWidget> combo_;
    TextInputOptions options_;
    bool entered_ = false;
};

// Enter moves the focus on from a widget that is no text input of its own.
class EnterFocusMover : public QObject {
public:
    EnterFocusMover(QWidget* widget, QWidget* focusOwner) : QObject(widget), owner_(focusOwner) {
        setObjectName(QStringLiteral("rp70EnterFocusMover"));
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !IsEnterKey(static_cast<QKeyEvent*>(event)) ||
            !owner_) {
            return false;
        }
        FocusNextInput(owner_);
        return true;
    }

private:
    QPointer<QWidget> owner_;
};

} // namespace

void ApplyTextInputRules(QLineEdit* edit, TextInputOptions options) {
    if (edit == nullptr) {
        return;
    }
    // Applying the rules again replaces the earlier ones.
    delete edit->findChild<QObject*>(QStringLiteral("rp70TextInputGuard"),
                                     Qt::FindDirectChildrenOnly);
    new TextInputGuard(edit, std::move(options));
}

void EnterMovesFocus(QWidget* widget) {
    if (widget == nullptr || widget->findChild<QObject*>(QStringLiteral("rp70EnterFocusMover"),
                                                         Qt::FindDirectChildrenOnly) != nullptr) {
        return;
    }
    new EnterFocusMover(widget, widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo != nullptr && combo->lineEdit()) {
        new EnterFocusMover(combo->lineEdit(), combo);
    }
}

namespace filters {

CharacterFilter Digits() {
    return [](QChar c) -> std::optional<QChar> {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            return c;
        }
        return std::nullopt;
    };
}

CharacterFilter DigitsAndPoint() {
    return [](QChar c) -> std::optional<QChar> {
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.')) {
            return c;
        }
        return std::nullopt;
    };
}

CharacterFilter UpperCaseLettersAndDigits() {
    return [](QChar c) -> std::optional<QChar> {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            return QChar(c.unicode() - 'a' + 'A');
        }
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
            (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))) {
            return c;
        }
        return std::nullopt;
    };
}

CharacterFilter HexDigits() {
    return [](QChar c) -> std::optional<QChar> {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('f')) {
            return QChar(c.unicode() - 'a' + 'A');
        }
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
            (c >= QLatin1Char('A') && c <= QLatin1Char('F'))) {
            return c;
        }
        return std::nullopt;
    };
}

CharacterFilter NameCharacters() {
    return [](QChar c) -> std::optional<QChar> {
        if (c.unicode() >= 32 && c.unicode() <= 125 && c != QLatin1Char('\\')) {
            return c;
        }
        return std::nullopt;
    };
}

} // namespace filters

} // namespace rp70::gui
