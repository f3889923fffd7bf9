#include "channels/channel_table_model.h"

#include <QBrush>
#include <cstddef>

#include "shell/qt_text.h"

namespace rp70::gui {

ChannelTableModel::ChannelTableModel(QObject* parent)
    : QAbstractTableModel(parent), rows_(kChannelRows) {
    labels_.reserve(kChannelRows);
    for (int row = 1; row <= kChannelRows; ++row) {
        labels_.push_back(ToQt(RowLabel(row)));
    }
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelRows;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= kChannelRows || index.column() >= kColumns) {
        return {};
    }
    const int row = index.row() + 1;
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return Text(row, column);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::ForegroundRole:
        if (column == 0) {
            return QBrush(colours_.LabelText);
        }
        return row % 2 == 0 ? QVariant(QBrush(colours_.EvenRowText)) : QVariant();
    case Qt::BackgroundRole:
        if (column == 0) {
            return QBrush(colours_.LabelBackground);
        }
        return row % 2 == 0 ? QVariant(QBrush(colours_.EvenRowBackground)) : QVariant();
    default:
        return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (role) {
    case Qt::DisplayRole:
        return headers_[static_cast<std::size_t>(section)];
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::ForegroundRole:
        return QBrush(colours_.HeaderText);
    default:
        return {};
    }
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void ChannelTableModel::SetHeaders(const std::array<std::string, kColumns>& headers) {
    for (std::size_t column = 0; column < headers.size(); ++column) {
        QString text = ToQt(headers[column]);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        headers_[column] = text;
    }
    emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
}

void ChannelTableModel::SetAllRows(const std::vector<ChannelRowTexts>& rows) {
    beginResetModel();
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        rows_[row] = row < rows.size() ? ToRowTexts(rows[row]) : RowTexts{};
    }
    endResetModel();
}

void ChannelTableModel::SetRow(int row, const ChannelRowTexts& texts) {
    if (row < 1 || row > kChannelRows) {
        return;
    }
    rows_[static_cast<std::size_t>(row - 1)] = ToRowTexts(texts);
    emit dataChanged(index(row - 1, 1), index(row - 1, kColumns - 1), {Qt::DisplayRole});
}

QString ChannelTableModel::Text(int row, int column) const {
    if (row < 1 || row > kChannelRows || column < 0 || column >= kColumns) {
        return {};
    }
    const auto r = static_cast<std::size_t>(row - 1);
    return column == 0 ? labels_[r] : rows_[r][static_cast<std::size_t>(column - 1)];
}

void ChannelTableModel::SetColours(const ChannelTableColours& colours) {
    colours_ = colours;
    emit dataChanged(index(0, 0), index(kChannelRows - 1, kColumns - 1),
                     {Qt::ForegroundRole, Qt::BackgroundRole});
    emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
}

ChannelTableModel::RowTexts ChannelTableModel::ToRowTexts(const ChannelRowTexts& texts) {
    RowTexts row;
    for (std::size_t column = 0; column < texts.size(); ++column) {
        row[column] = ToQt(texts[column]);
    }
    return row;
}

} // namespace rp70::gui
