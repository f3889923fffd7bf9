#pragma once
// The texts the channel table shows: 204 rows (row r − 1 holds channel number r) and 11 columns
// (column 0 the row label, columns 1 … 10 the data cells), with the table's colours.

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "channels/channel_row.h"
#include "channels/channel_table_colours.h"

namespace rp70::gui {

class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    /// Columns of the table: the label column and the ten data columns.
    static constexpr int kColumns = 11;

    /// An empty table: labels only, every data cell empty, no headers.
    explicit ChannelTableModel(QObject* parent = nullptr);

    /// 204 rows at the top level; none below an item.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    /// 11 columns at the top level; none below an item.
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    /// Text, centring, and the colours of the label column and of the even rows.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    /// The column headers (two lines for the tone columns) in the header colour.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    /// Cells can be selected but never edited.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    /// Replaces the column headers; a "\r\n" inside a header becomes a line break.
    void SetHeaders(const std::array<std::string, kColumns>& headers);
    /// Replaces every data cell at once (element r − 1 for row r); missing rows become empty.
    void SetAllRows(const std::vector<ChannelRowTexts>& rows);
    /// Replaces the data cells of row `row` (1 … 204); other rows are ignored.
    void SetRow(int row, const ChannelRowTexts& texts);
    /// The shown text of row `row` (1 … 204) and column `column` (0 … 10); empty outside.
    QString Text(int row, int column) const;
    /// Replaces the colours of the label column, the even rows and the headers.
    void SetColours(const ChannelTableColours& colours);

private:
    using RowTexts = std::array<QString, kColumns - 1>;

    static RowTexts ToRowTexts(const ChannelRowTexts& texts);

    ChannelTableColours colours_;
    std::array<QString, kColumns> headers_;
    std::vector<QString> labels_; // column 0 of rows 1 … 204
    std::vector<RowTexts> rows_;  // data columns 1 … 10 of rows 1 … 204
};

} // namespace rp70::gui
