#pragma once
// The channel table of the main window: one row per channel number (200 memory channels, then
// PA, PB, CALL and VFO), a label column and ten data columns. Display only; a channel is edited
// in the channel edit dialog, which the main window opens on editRequested.

#include <QString>
#include <QTableView>

namespace rp70 {
class LanguageTexts;
class RadioImage;
struct UserContext;
} // namespace rp70

class QKeyEvent;

namespace rp70::gui {

class ChannelTableModel;

class ChannelTableView : public QTableView {
    Q_OBJECT
public:
    explicit ChannelTableView(QWidget* parent = nullptr);
    /// Column headers from the language texts (keys 3006, 1101, 1140, 1103, 1104, 1106, 1108,
    /// 1109, tone columns with two lines).
    void SetHeaders(const LanguageTexts& texts);
    /// Rebuilds every row from the image (the table part of ShowListByData).
    void ShowAll(const RadioImage& image, UserContext& ctx);
    /// Redraws row `number` (1 … 204) from the image (ReShowGrid); other numbers do nothing.
    void ShowRow(const RadioImage& image, int number, UserContext& ctx);
    /// Channel number of the current row (1 … 204); 0 when no row is current.
    int CurrentChannel() const;
    /// Makes row `number` (1 … 204) and column `column` (0 … 10) current.
    void SetCurrentChannel(int number, int column = 1);
    /// The shown text of row `row` (1 … 204) and column `column` (0 … 10); column 0 is the label.
    QString CellText(int row, int column) const;

signals:
    /// The person asked to edit channel `number`: a double click on a data cell (column > 0), or
    /// Enter/Return on one.
    void editRequested(int number);

protected:
    /// Enter and Return on a data cell ask for the channel edit dialog.
    void keyPressEvent(QKeyEvent* event) override;
    /// A new palette (a change of the desktop's theme) recolours the table.
    void changeEvent(QEvent* event) override;

private:
    /// Column widths that depend on the font and the header texts.
    void FitTextColumns();

    ChannelTableModel* model_;
};

} // namespace rp70::gui
