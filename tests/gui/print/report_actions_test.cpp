// The whole report from the File menu without the selection dialog: the print preview shows
// every section, and the PDF export writes them or says why it could not.

#include <QPrintPreviewWidget>
#include <QTest>

#include "print/pdf_text.h"
#include "print/report_actions.h"
#include "support/gui_test.h"
#include "support/modal_driver.h"
#include "support/temp_folder.h"
#include "support/user_context_fixture.h"

using namespace rp70;
using namespace rp70::test;

class ReportActionsTest : public QObject {
    Q_OBJECT

private:
    UserContextFixture user_;
    TempFolder folder_;
    RadioImage image_;
    RadioInfo info_;

private slots:
    void previewShowsEverySection() {
        int pages = 0;
        ModalDriver driver;
        driver.Then([&pages](QWidget* window) {
            auto* preview = window->findChild<QPrintPreviewWidget*>();
            pages = preview != nullptr ? preview->pageCount() : -1;
            qobject_cast<QDialog*>(window)->reject();
        });
        gui::PreviewReport(image_, user_.ctx, info_, nullptr);
        QCOMPARE(driver.Pending(), 0);
        QCOMPARE(pages, 8);
    }

    void exportWritesEverySectionProposingTheDataFileName() {
        image_.CurrentFilePath = (folder_.Path() / "fleet.dat").string();
        const std::string pdf = (folder_.Path() / "out.pdf").string();
        user_.ui.saveFiles.push_back(pdf);
        gui::ExportReportPdf(image_, user_.ctx, info_);
        QCOMPARE(user_.ui.fileChoices.at(0).ProposedPath, (folder_.Path() / "fleet.pdf").string());
        QCOMPARE(PdfPageCount(QString::fromStdString(pdf)), 8);
        QVERIFY(user_.ui.shown.empty());
    }

    void exportThatCannotWriteSaysSo() {
        const std::string pdf = (folder_.Path() / "missing" / "out.pdf").string();
        user_.ui.saveFiles.push_back(pdf);
        gui::ExportReportPdf(image_, user_.ctx, info_);
        QCOMPARE(user_.ui.shown.size(), std::size_t{1});
        QCOMPARE(user_.ui.shown[0].Icon, MessageIcon::Critical);
        QVERIFY(!QFile::exists(QString::fromStdString(pdf)));
    }
};

RP70_GUI_TEST(ReportActionsTest);

#include "report_actions_test.moc"
