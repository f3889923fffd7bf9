#include "shell/tool_bar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <functional>

namespace rp70::gui {

namespace {

constexpr int kSize = 32;

/// An icon drawn on a transparent square of kSize pixels.
QIcon Drawn(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

/// A sheet of paper with its outline.
void Sheet(QPainter& painter, const QRectF& rect) {
    painter.setPen(QPen(QColor(70, 70, 70), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(rect);
    painter.setPen(QPen(QColor(150, 150, 150), 1.2));
    for (qreal y = rect.top() + 5; y < rect.bottom() - 3; y += 4) {
        painter.drawLine(QPointF(rect.left() + 3, y), QPointF(rect.right() - 3, y));
    }
}

QIcon CutIcon() {
    return Drawn([](QPainter& painter) {
        painter.setPen(QPen(QColor(90, 90, 90), 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(9, 3), QPointF(21, 21));
        painter.drawLine(QPointF(23, 3), QPointF(11, 21));
        painter.setPen(QPen(QColor(190, 30, 30), 2.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(9, 25), 4.5, 4.5);
        painter.drawEllipse(QPointF(23, 25), 4.5, 4.5);
    });
}

QIcon CopyIcon() {
    return Drawn([](QPainter& painter) {
        Sheet(painter, QRectF(3, 3, 17, 21));
        Sheet(painter, QRectF(12, 9, 17, 21));
    });
}

QIcon PasteIcon() {
    return Drawn([](QPainter& painter) {
        painter.setPen(QPen(QColor(100, 70, 30), 1.5));
        painter.setBrush(QColor(190, 140, 70));
        painter.drawRoundedRect(QRectF(4, 4, 20, 25), 2, 2);
        painter.setBrush(QColor(160, 160, 160));
        painter.drawRect(QRectF(9, 2, 10, 5));
        Sheet(painter, QRectF(13, 12, 16, 18));
    });
}

QIcon DeleteIcon() {
    return Drawn([](QPainter& painter) {
        painter.setPen(QPen(QColor(200, 30, 30), 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(7, 7), QPointF(25, 25));
        painter.drawLine(QPointF(25, 7), QPointF(7, 25));
    });
}

/// The theme's icon `name`, else `fallback`.
QIcon Themed(const char* name, const QIcon& fallback) {
    return QIcon::fromTheme(QLatin1String(name), fallback);
}

} // namespace

QIcon ToolBarIcon(ToolBarIconKind kind, const QStyle* style) {
    switch (kind) {
    case ToolBarIconKind::New:
        return Themed("document-new", style->standardIcon(QStyle::SP_FileIcon));
    case ToolBarIconKind::Open:
        return Themed("document-open", style->standardIcon(QStyle::SP_DialogOpenButton));
    case ToolBarIconKind::Save:
        return Themed("document-save", style->standardIcon(QStyle::SP_DialogSaveButton));
    case ToolBarIconKind::Read:
        return style->standardIcon(QStyle::SP_ArrowDown);
    case ToolBarIconKind::Port:
        return style->standardIcon(QStyle::SP_DriveNetIcon);
    case ToolBarIconKind::Write:
        return style->standardIcon(QStyle::SP_ArrowUp);
    case ToolBarIconKind::Cut:
        return Themed("edit-cut", CutIcon());
    case ToolBarIconKind::Copy:
        return Themed("edit-copy", CopyIcon());
    case ToolBarIconKind::Paste:
        return Themed("edit-paste", PasteIcon());
    case ToolBarIconKind::Delete:
        return Themed("edit-delete", DeleteIcon());
    case ToolBarIconKind::About:
        return Themed("help-about", style->standardIcon(QStyle::SP_MessageBoxInformation));
    }
    return {};
}

} // namespace rp70::gui
