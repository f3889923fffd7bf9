// The main window's CSV import (with its report before anything changes) and export.

#include <QAction>
#include <QPlainTextEdit>
#include <QTest>
#include <fstream>

#include "channels/csv_channels.h"
#include "channels/csv_import_dialog.h"
#include "model/channel_lookup.h"
#include "shell/main_window.h"
#include "support/gui_test.h"
#include "support/modal_driver.h"
#include "support/shipped_program.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::gui;
using rp70::test::ModalDriver;
using rp70::test::TempFolder;
using Program = rp70::test::StartedProgram;

namespace {

std::string WriteFile(const TempFolder& folder, const char* name, const std::string& text) {
    const std::string path = (folder.Path() / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

void Trigger(const MainWindow& window, const char* name) {
    window.findChild<QAction*>(QLatin1String(name))->trigger();
}

} // namespace

class MainWindowCsvTest : public QObject {
    Q_OBJECT

private slots:
    void importShowsTheReportAndChangesOnlyOnOk() {
        TempFolder folder;
        Program program(folder.Path());
        MainWindow window(*program.image, program.state, program.ui);
        const std::string path =
            WriteFile(folder, "in.csv", "Location,Name,Frequency\r\n1,RPT,146.94\r\n2,FAR,446\r\n");
        const ChannelTable before = program.image->Channels;

        for (const bool accept : {false, true}) {
            program.ui.openFiles.push_back(path);
            ModalDriver driver;
            QString report;
            driver.Then([&](QWidget* shown) {
                auto* dialog = qobject_cast<CsvImportDialog*>(shown);
                QVERIFY(dialog);
                report = dialog->Report()->toPlainText();
                accept ? dialog->accept() : dialog->reject();
            });
            Trigger(window, "mnuFileImportCsv");
            QVERIFY(report.contains("line 2 (1): imported"));
            QVERIFY(report.contains("line 3 (2): refused: receive frequency 446.000000"));
            QCOMPARE(ChannelIsUsed(*program.image, 2), accept);
        }
        QVERIFY(!ChannelIsUsed(*program.image, 3));
        QVERIFY(before != program.image->Channels);
    }

    void aBrokenFileIsRefusedWithItsReason() {
        TempFolder folder;
        Program program(folder.Path());
        MainWindow window(*program.image, program.state, program.ui);
        const ChannelTable before = program.image->Channels;
        program.ui.openFiles.push_back(
            WriteFile(folder, "bad.csv", "Location,Frequency\n1,\"145.5\n"));
        Trigger(window, "mnuFileImportCsv");
        QCOMPARE(program.ui.shown.size(), std::size_t{1});
        QVERIFY(program.ui.shown.front().Text.find("never closed") != std::string::npos);
        QVERIFY(before == program.image->Channels);
    }

    void exportWritesTheChannelList() {
        TempFolder folder;
        Program program(folder.Path());
        MainWindow window(*program.image, program.state, program.ui);
        const std::string path = (folder.Path() / "out.csv").string();
        program.ui.saveFiles.push_back(path);
        Trigger(window, "mnuFileExportCsv");
        std::ifstream in(path, std::ios::binary);
        const std::string written((std::istreambuf_iterator<char>(in)), {});
        QCOMPARE(written, ExportChannelsCsv(*program.image));
        QVERIFY(program.ui.shown.empty());
    }
};

RP70_GUI_TEST(MainWindowCsvTest);
#include "main_window_csv_test.moc"
