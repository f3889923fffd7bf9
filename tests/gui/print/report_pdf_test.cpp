// The report as PDF pages: page counts, page numbers running across sections and the texts of
// the channel blocks, read back from the file.

#include <QTest>

#include "print/pdf_text.h"
#include "print/report_painter.h"
#include "support/gui_test.h"
#include "support/rich_image.h"
#include "support/temp_folder.h"
#include "support/user_context_fixture.h"

using namespace rp70;
using namespace rp70::test;

class ReportPdfTest : public QObject {
    Q_OBJECT

private:
    UserContextFixture user_;
    TempFolder folder_;
    RadioInfo info_;

    QString Write(const RadioImage& image, const PrintSelection& selection) {
        const QString path = QString::fromStdString((folder_.Path() / "report.pdf").string());
        QString error;
        const Report report = BuildReport({image, info_, "1/2/26    10:00"}, selection, user_.ctx);
        if (!gui::WriteReportPdf(report, path, error)) {
            qWarning() << error;
        }
        return path;
    }

    /// pdftotext closes up the narrow blanks of the centred page number.
    static bool PageNumberAtFoot(const QString& pageText, const char* number) {
        return pageText.trimmed().endsWith(QString::fromLatin1(number).remove(QLatin1Char(' ')));
    }

    static PrintSelection Only(std::initializer_list<PrintItem> items) {
        PrintSelection selection{};
        for (PrintItem item : items) {
            selection[static_cast<std::size_t>(item)] = true;
        }
        return selection;
    }

private slots:
    void newImagePrintsOneChannelPageWithTwoVfoBlocks() {
        const QString pdf = Write(RadioImage(), Only({PrintItem::Channels}));
        QCOMPARE(PdfPageCount(pdf), 1);
        const QString text = PdfPageText(pdf, 1);
        QCOMPARE(text.count(QStringLiteral("Channel VFO")), 2);
        QVERIFY(text.contains(QStringLiteral("KT_RP70 Radio Programming Information")));
        QVERIFY(text.contains(QStringLiteral("Channel Information")));
        QVERIFY(PageNumberAtFoot(text, "- 1 -"));
    }

    void pageNumbersRunOnAcrossSections() {
        RadioImage image;
        image.Record.ChannelCount = 12;
        for (int k = 0; k < 12; ++k) {
            image.Channels[static_cast<std::size_t>(k)] = image.Channels[0];
            image.Channels[static_cast<std::size_t>(k)].ChannelNumber =
                static_cast<std::int16_t>(k + 1);
        }
        ChannelRecord& first = image.Channels[0];
        first.RxToneType = kToneDcs;
        first.RxDcs = 19;
        first.RxDcsInvert = 1;
        first.Signalling = kSignallingDtmf;
        first.DtmfCode = 4;

        const QString pdf = Write(image, Only({PrintItem::Channels, PrintItem::Options}));
        QCOMPARE(PdfPageCount(pdf), 4);
        const QString page1 = PdfPageText(pdf, 1);
        QVERIFY(page1.contains(QStringLiteral("CTCSS/DCS Decode D023I")));
        QVERIFY(page1.contains(QStringLiteral("Optional Signalling DTMF M5")));
        QCOMPARE(PdfPageText(pdf, 3).count(QStringLiteral("Channel ")), 3); // heading + 2 blocks
        const QString last = PdfPageText(pdf, 4);
        QVERIFY(last.contains(QStringLiteral("Options")));
        QVERIFY(PageNumberAtFoot(last, "- 4 -"));
    }

    void fullImageGivesFortyOneChannelPages() {
        RadioImage image;
        FillRichImage(image);
        const QString pdf = Write(image, Only({PrintItem::Channels}));
        QCOMPARE(PdfPageCount(pdf), 41);
        QCOMPARE(PdfPageText(pdf, 41).count(QStringLiteral("RX Freq")), 4);
    }

    void unwritablePathFailsAndLeavesNothing() {
        const QString path = QString::fromStdString((folder_.Path() / "no" / "r.pdf").string());
        QString error;
        const Report report = BuildReport({RadioImage(), info_, ""}, AllPrintItems(), user_.ctx);
        QVERIFY(!gui::WriteReportPdf(report, path, error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(path));
    }
};

RP70_GUI_TEST(ReportPdfTest);

#include "report_pdf_test.moc"
