#include "print/report_actions.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <filesystem>

#include "print/report.h"
#include "print/report_painter.h"
#include "shell/qt_text.h"
#include "texts/path_text.h"

namespace rp70::gui {
namespace {

constexpr int kKeyPreview = 1007;

Report WholeReport(const RadioImage& image, UserContext& ctx, const RadioInfo& info) {
    return BuildReport({image, info, ReportStamp()}, AllPrintItems(), ctx);
}

} // namespace

void PreviewReport(const RadioImage& image, UserContext& ctx, const RadioInfo& info,
                   QWidget* parent) {
    const Report report = WholeReport(image, ctx, info);
    QPrinter printer;
    printer.setPageLayout(ReportPageLayout());
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(ToQt(ctx.Texts.GetText(kKeyPreview))
                               .remove(QLatin1Char('&'))
                               .remove(QStringLiteral("...")));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&report](QPrinter* target) { PaintReport(report, *target); });
    preview.exec();
}

void ExportReportPdf(const RadioImage& image, UserContext& ctx, const RadioInfo& info) {
    const std::filesystem::path proposed =
        image.CurrentFilePath.empty()
            ? std::filesystem::path("report.pdf")
            : std::filesystem::path(image.CurrentFilePath).replace_extension(".pdf");
    const auto path = ctx.Ui.ChooseSaveFile({"PDF (*.pdf)", proposed});
    if (!path) {
        return;
    }
    QString error;
    if (!WriteReportPdf(WholeReport(image, ctx, info), PathToQt(*path), error)) {
        ctx.Ui.Show(
            {Utf8Of(*path) + ": " + ToCore(error), {}, MessageIcon::Critical, MessageButtons::Ok});
    }
}

} // namespace rp70::gui
