#include "shell/cell_edit_delegate.h"

#include <QKeyEvent>

namespace rp70::gui {

void CellEditDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (editor == openEditor_) {
        openEditor_ = nullptr;
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

QLineEdit* CellEditDelegate::NewCellEditor(QWidget* parent, const char* name, int maxLength,
                                           CharacterFilter filter) const {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    if (maxLength > 0) {
        edit->setMaxLength(maxLength);
    }
    edit->setAlignment(Qt::AlignCenter);
    edit->setFrame(false);
    // The table selects the editor's whole text when it opens it, before handing on a key that
    // opened it; selecting on the focus as well would select that key's character.
    ApplyTextInputRules(edit, {std::move(filter), false, false});
    openEditor_ = edit;
    return edit;
}

bool CellEditDelegate::eventFilter(QObject* editor, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            return false;
        }
    }
    return QStyledItemDelegate::eventFilter(editor, event);
}

} // namespace rp70::gui
