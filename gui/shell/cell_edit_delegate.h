#pragma once
// The in-cell text editor of the editors' tables: a centred line edit without a frame over the
// cell, keeping the input rules of its column; Enter moves on to the next cell as Tab does.

#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>

#include "shell/text_input_rules.h"

namespace rp70::gui {

class CellEditDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    /// The editor open now, if any.
    QWidget* OpenEditor() const { return openEditor_; }

    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

protected:
    /// A new cell editor named `name` keeping `filter`, at most `maxLength` characters (0: no
    /// limit); it is the open editor until it is destroyed.
    QLineEdit* NewCellEditor(QWidget* parent, const char* name, int maxLength,
                             CharacterFilter filter) const;

    /// Leaves Enter to the input rules.
    bool eventFilter(QObject* editor, QEvent* event) override;

private:
    mutable QPointer<QWidget> openEditor_;
};

} // namespace rp70::gui
