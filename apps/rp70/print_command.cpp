#include <QFileInfo>

#include "cli_program.h"
#include "commands.h"
#include "print/report.h"
#include "print/report_painter.h"

namespace rp70::cli {

int RunPrint(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Writes the printed report of a data file as a PDF file, page for page as the desktop "
        "program prints it.");
    parser.addPositionalArgument("FILE.dat", "The data file to print.");
    const QCommandLineOption pdf("pdf", "The PDF file to write.", "OUT.pdf");
    const QCommandLineOption sections(
        "sections",
        "The sections to print, comma-separated: channels, options, dtmf, 2tone, 5tone, book, "
        "emg, alert (default: all).",
        "LIST");
    const QCommandLineOption password = OpenPasswordOption();
    parser.addOptions({pdf, sections, password});
    if (!ParseCommand(parser, arguments, 1, 1)) {
        return kExitUsage;
    }
    if (!parser.isSet(pdf)) {
        return Fail("print needs --pdf OUT.pdf", kExitUsage);
    }
    PrintSelection selection = AllPrintItems();
    if (parser.isSet(sections)) {
        const auto named = PrintSelectionOfNames(parser.value(sections).toStdString());
        if (!named) {
            return Fail("unknown section in \"" + parser.value(sections).toStdString() +
                            "\" (channels, options, dtmf, 2tone, 5tone, book, emg, alert)",
                        kExitUsage);
        }
        selection = *named;
    }
    CliProgram program;
    if (const int status = OpenDataFileArgument(program, parser, password); status != 0) {
        return status;
    }
    const Report report = BuildReport({*program.Image, program.State.Info, gui::ReportStamp()},
                                      selection, program.Ctx);
    QString error;
    if (!gui::WriteReportPdf(report, parser.value(pdf), error)) {
        return Fail(parser.value(pdf).toStdString() + ": " + error.toStdString());
    }
    return 0;
}

} // namespace rp70::cli
