#include "channels/channel_table_view.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

#include "channels/channel_row.h"
#include "channels/channel_table_colours.h"
#include "channels/channel_table_model.h"
#include "model/radio_image.h"
#include "texts/language_texts.h"
#include "texts/user_context.h"

namespace rp70::gui {
namespace {

// The table's layout values are kept in twips; the screen has 15 twips to a pixel.
constexpr int kTwipsPerPixel = 15;

constexpr int Pixels(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr int kHeaderHeight = 500;
constexpr int kLabelColumnWidth = 600;
constexpr int kAuxColumn = 6; // hidden

struct ColumnWidth {
    int column;
    int twips;
};
constexpr ColumnWidth kFixedWidths[] = {
    {0, kLabelColumnWidth}, {5, 1500}, {7, 1200}, {8, 1400}, {9, 1400}};

// The columns sized to their contents: frequencies, name, step and optional signalling.
constexpr int kTextColumns[] = {1, 2, 3, 4, 10};

// The widest text a frequency cell shows.
constexpr char kWidestFrequency[] = "000.00000";
// Room on both sides of a cell's text.
constexpr int kCellPadding = 12;

} // namespace

ChannelTableView::ChannelTableView(QWidget* parent)
    : QTableView(parent), model_(new ChannelTableModel(this)) {
    setObjectName(QStringLiteral("channelTable"));
    setModel(model_);
    model_->SetColours(ChannelTableColoursFor(palette()));

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setContextMenuPolicy(Qt::NoContextMenu);
    setCornerButtonEnabled(false);
    setWordWrap(false);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

    QHeaderView* header = horizontalHeader();
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    // At least the header row height of the layout; more when two lines of the font need it.
    header->setMinimumHeight(Pixels(kHeaderHeight));
    header->setStretchLastSection(true);
    for (const ColumnWidth& width : kFixedWidths) {
        setColumnWidth(width.column, Pixels(width.twips));
    }
    hideColumn(kAuxColumn);
    FitTextColumns();

    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && index.column() > 0) {
            emit editRequested(index.row() + 1);
        }
    });
}

void ChannelTableView::SetHeaders(const LanguageTexts& texts) {
    model_->SetHeaders(ChannelTableHeaders(texts));
    FitTextColumns();
}

void ChannelTableView::ShowAll(const RadioImage& image, UserContext& ctx) {
    // Render first: a message shown while rendering finds the table as it was.
    const std::vector<ChannelRowTexts> rows = RenderChannelTable(image, ctx);
    const QModelIndex current = currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    const int column = current.isValid() ? current.column() : -1;
    SetHeaders(ctx.Texts);
    model_->SetAllRows(rows);
    // The rebuilt table keeps the cell the person was on.
    if (row >= 0) {
        SetCurrentChannel(row + 1, column);
    }
}

void ChannelTableView::ShowRow(const RadioImage& image, int number, UserContext& ctx) {
    if (number < 1 || number > kChannelRows) {
        return;
    }
    model_->SetRow(number, RenderChannelNumber(image, number, ctx));
}

int ChannelTableView::CurrentChannel() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void ChannelTableView::SetCurrentChannel(int number, int column) {
    if (number < 1 || number > kChannelRows || column < 0 ||
        column >= ChannelTableModel::kColumns) {
        return;
    }
    const QModelIndex index = model_->index(number - 1, column);
    setCurrentIndex(index);
    scrollTo(index);
}

QString ChannelTableView::CellText(int row, int column) const {
    return model_->Text(row, column);
}

void ChannelTableView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QModelIndex current = currentIndex();
        if (current.isValid() && current.column() > 0) {
            event->accept();
            emit editRequested(current.row() + 1);
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void ChannelTableView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        model_->SetColours(ChannelTableColoursFor(palette()));
    }
}

void ChannelTableView::FitTextColumns() {
    const int dataWidth = fontMetrics().horizontalAdvance(QLatin1String(kWidestFrequency));
    for (const int column : kTextColumns) {
        const int headerWidth = horizontalHeader()->sectionSizeHint(column);
        setColumnWidth(column, std::max(dataWidth + kCellPadding, headerWidth));
    }
}

} // namespace rp70::gui
