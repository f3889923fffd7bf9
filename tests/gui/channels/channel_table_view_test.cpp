// The channel table of the main window: rows, labels, headers, redraws, colours and the requests
// to edit a channel.

#include <QBrush>
#include <QHeaderView>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "channels/channel_list.h"
#include "channels/channel_table_view.h"
#include "model/radio_image.h"
#include "support/gui_test.h"
#include "support/rich_image.h"
#include "support/temp_folder.h"
#include "support/user_context_fixture.h"

namespace rp70::test {
namespace {

constexpr int kRows = 204;
constexpr int kColumns = 11;

ChannelRecord& Channel(RadioImage& image, int number) {
    return image.Channels[static_cast<std::size_t>(*FindChannel(image, number))];
}

// The WCAG contrast ratio of two colours (1 … 21).
double ContrastRatio(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const auto [darker, lighter] = std::minmax({luminance(a), luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

} // namespace

class ChannelTableViewTest : public QObject {
    Q_OBJECT

private:
    TempFolder folder_;
    UserContextFixture fixture_;

    RadioImage NewImage() {
        RadioImage image;
        ResetImage(image, folder_.Path(), nullptr);
        return image;
    }

    static RadioImage RichImage() {
        RadioImage image;
        FillRichImage(image);
        return image;
    }

private slots:
    void init() { fixture_.ui.shown.clear(); }

    void newImageShowsOnlyTheVfoRowWithLabelsAndHeaders() {
        gui::ChannelTableView view;
        RadioImage image = NewImage();
        view.ShowAll(image, fixture_.ctx);

        QCOMPARE(view.model()->rowCount(), kRows);
        QCOMPARE(view.model()->columnCount(), kColumns);
        for (int row = 1; row < kRows; ++row) {
            for (int column = 1; column < kColumns; ++column) {
                QVERIFY2(view.CellText(row, column).isEmpty(), qPrintable(QString::number(row)));
            }
        }
        QVERIFY(!view.CellText(kRows, 1).isEmpty());
        QCOMPARE(view.CellText(kRows, 10), QStringLiteral("None"));

        const QStringList labels = {"0", "199", "PA", "PB", "CALL", "VFO"};
        QCOMPARE((QStringList{view.CellText(1, 0), view.CellText(200, 0), view.CellText(201, 0),
                              view.CellText(202, 0), view.CellText(203, 0), view.CellText(204, 0)}),
                 labels);
        QCOMPARE(view.CellText(205, 0) + view.CellText(1, 11), QString());

        const auto header = [&view](int column) {
            return view.model()->headerData(column, Qt::Horizontal).toString();
        };
        QCOMPARE(header(0), QStringLiteral("CH"));
        QCOMPARE(header(1), QStringLiteral("RX Freq(MHz)"));
        QCOMPARE(header(8), QStringLiteral("CTCSS/DCS\nDecode"));
        QCOMPARE(header(9), QStringLiteral("CTCSS/DCS\nEncode"));
        QCOMPARE(header(10), QStringLiteral("Optional Signalling"));
        QVERIFY(fixture_.ui.shown.empty());
    }

    void toneCellsAndRowRedraws() {
        gui::ChannelTableView view;
        RadioImage image = RichImage();
        ChannelRecord& five = Channel(image, 5);
        five.RxToneType = 2;
        five.RxDcs = 19;
        five.RxDcsInvert = 0;
        view.ShowAll(image, fixture_.ctx);
        QCOMPARE(view.CellText(5, 8), QStringLiteral("D023N"));

        // A redraw shows the change in that row only.
        QSignalSpy changed(view.model(), &QAbstractItemModel::dataChanged);
        five.RxDcsInvert = 1;
        const QString sixBefore = view.CellText(6, 1);
        view.ShowRow(image, 5, fixture_.ctx);
        QCOMPARE(view.CellText(5, 8), QStringLiteral("D023I"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<QModelIndex>().row(), 4);
        QCOMPARE(changed.at(0).at(1).value<QModelIndex>().row(), 4);

        // A deleted channel's row becomes empty; its label and the other rows stay.
        DeleteChannel(image, 5);
        view.ShowRow(image, 5, fixture_.ctx);
        for (int column = 1; column < kColumns; ++column) {
            QVERIFY(view.CellText(5, column).isEmpty());
        }
        QCOMPARE(view.CellText(5, 0), QStringLiteral("4"));
        QCOMPARE(view.CellText(6, 1), sixBefore);
        QVERIFY(!sixBefore.isEmpty());

        // Numbers without a row change nothing.
        changed.clear();
        view.ShowRow(image, 0, fixture_.ctx);
        view.ShowRow(image, 205, fixture_.ctx);
        QCOMPARE(changed.count(), 0);

        // A whole rebuild resets the rows once and blanks rows whose channel has gone.
        QSignalSpy reset(view.model(), &QAbstractItemModel::modelReset);
        view.ShowAll(NewImage(), fixture_.ctx);
        QCOMPARE(reset.count(), 1);
        QVERIFY(view.CellText(6, 1).isEmpty());
    }

    void unreadableFrequencyIsReportedThroughTheContext() {
        gui::ChannelTableView view;
        RadioImage image = RichImage();
        std::memcpy(Channel(image, 3).RxFreq.data(), "01X512500", 9);
        view.ShowAll(image, fixture_.ctx);
        QVERIFY(fixture_.ui.Texts().size() >= 1);
        QCOMPARE(QString::fromStdString(fixture_.ui.Texts().front()),
                 QStringLiteral("Not IsNumeric"));
        QVERIFY(!view.CellText(3, 1).isEmpty());
    }

    void layoutAndColours() {
        gui::ChannelTableView view;
        view.ShowAll(RichImage(), fixture_.ctx);
        QVERIFY(view.isColumnHidden(6));
        QVERIFY(view.verticalHeader()->isHidden());
        QCOMPARE(view.columnWidth(0), 40);
        QCOMPARE(view.columnWidth(5), 100);
        QCOMPARE(view.columnWidth(7), 80);
        QCOMPARE(view.columnWidth(8), 93);
        QCOMPARE(view.columnWidth(9), 93);
        QVERIFY(view.horizontalHeader()->minimumHeight() >= 33);
        QCOMPARE(view.editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(view.contextMenuPolicy(), Qt::NoContextMenu);

        const QAbstractItemModel* model = view.model();
        const auto background = [model](int row, int column) {
            return model->index(row - 1, column).data(Qt::BackgroundRole).value<QBrush>().color();
        };
        const QColor evenRow(250, 250, 240);
        QCOMPARE(background(2, 1), evenRow);
        QCOMPARE(background(200, 10), evenRow);
        QVERIFY(background(1, 1) != evenRow);
        QVERIFY(background(3, 4) != evenRow);
        QVERIFY(background(2, 0) != evenRow);
        QCOMPARE(model->index(0, 0).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(0, 0, 255));
        QCOMPARE(model->headerData(3, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(0, 0, 155));
        QCOMPARE(model->index(7, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(Qt::AlignCenter));
    }

    void everyColouredCellIsReadable_data() {
        QTest::addColumn<QColor>("window"); // a palette built on it, with white or black text
        QTest::newRow("light desktop") << QColor(239, 239, 239);
        QTest::newRow("dark desktop") << QColor(53, 53, 53);
    }

    void everyColouredCellIsReadable() {
        QFETCH(QColor, window);
        gui::ChannelTableView view;
        view.ShowAll(RichImage(), fixture_.ctx);
        const QPalette palette(window);
        view.setPalette(palette); // as a change of the desktop's theme reaches the table

        const QAbstractItemModel* model = view.model();
        const auto colour = [](const QVariant& brush, const QColor& otherwise) {
            return brush.isValid() ? brush.value<QBrush>().color() : otherwise;
        };
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                const QModelIndex cell = model->index(row, column);
                const QColor text =
                    colour(cell.data(Qt::ForegroundRole), palette.color(QPalette::Text));
                const QColor back =
                    colour(cell.data(Qt::BackgroundRole), palette.color(QPalette::Base));
                QVERIFY2(ContrastRatio(text, back) >= 4.5,
                         qPrintable(QStringLiteral("row %1 column %2").arg(row + 1).arg(column)));
            }
        }
        const QColor header =
            model->headerData(1, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color();
        QVERIFY(ContrastRatio(header, palette.color(QPalette::Button)) >= 4.5);
        // The even rows stay tinted apart from the odd ones.
        QVERIFY(colour(model->index(1, 1).data(Qt::BackgroundRole), {}) !=
                palette.color(QPalette::Base));
    }

    void currentChannel() {
        gui::ChannelTableView view;
        view.ShowAll(RichImage(), fixture_.ctx);
        QCOMPARE(view.CurrentChannel(), 0);
        view.SetCurrentChannel(204, 3);
        QCOMPARE(view.CurrentChannel(), 204);
        QCOMPARE(view.currentIndex().column(), 3);
        view.SetCurrentChannel(17);
        QCOMPARE(view.CurrentChannel(), 17);
        QCOMPARE(view.currentIndex().column(), 1);

        // Out of range: the current cell stays.
        view.SetCurrentChannel(0);
        view.SetCurrentChannel(205);
        view.SetCurrentChannel(20, 11);
        QCOMPARE(view.CurrentChannel(), 17);

        // A rebuild keeps the current cell.
        view.ShowAll(NewImage(), fixture_.ctx);
        QCOMPARE(view.CurrentChannel(), 17);
        QCOMPARE(view.currentIndex().column(), 1);
    }

    void doubleClickAndEnterAskToEditDataCellsOnly() {
        gui::ChannelTableView view;
        view.resize(900, 400);
        view.ShowAll(RichImage(), fixture_.ctx);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy edit(&view, &gui::ChannelTableView::editRequested);

        const auto doubleClick = [&view](int number, int column) {
            view.SetCurrentChannel(number, column);
            const QPoint cell = view.visualRect(view.currentIndex()).center();
            // A double click is a click followed by the double-click event.
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell);
            QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, cell);
        };
        doubleClick(150, 3);
        QCOMPARE(edit.count(), 1);
        QCOMPARE(edit.at(0).at(0).toInt(), 150);
        doubleClick(12, 0);
        QCOMPARE(edit.count(), 1);

        view.SetCurrentChannel(203, 9);
        QTest::keyClick(&view, Qt::Key_Return);
        view.SetCurrentChannel(8, 0);
        QTest::keyClick(&view, Qt::Key_Enter);
        QCOMPARE(edit.count(), 2);
        QCOMPARE(edit.at(1).at(0).toInt(), 203);
    }
};

} // namespace rp70::test

using rp70::test::ChannelTableViewTest;
RP70_GUI_TEST(ChannelTableViewTest);

#include "channel_table_view_test.moc"
