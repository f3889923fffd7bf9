// print_bench: how long the printed report of a fully programmed image takes.
//
// Builds the report of all 204 channels and every other section of a rich image and draws it
// into a PDF held in memory, as `rp70 print` does, several times; prints the pages and the
// time of each stage (the best of the runs) against the one second a person waits at most.
//
// Usage: print_bench [RUNS]   (offscreen unless QT_QPA_PLATFORM says otherwise)

#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "print/report.h"
#include "print/report_painter.h"
#include "support/recording_interaction.h"
#include "support/rich_image.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    rp70::RadioImage image;
    rp70::test::FillRichImage(image);
    const rp70::RadioInfo info;
    rp70::test::RecordingInteraction ui;
    const auto texts = rp70::LanguageTexts::Load(
        std::filesystem::path(RP70_LANG_DIR) / "english.ini", rp70::Language::English);
    rp70::UserContext ctx{ui, texts};

    double bestBuild = 1e9;
    double bestDraw = 1e9;
    std::size_t pages = 0;
    qint64 bytes = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const rp70::Report report =
            rp70::BuildReport({image, info, "stamp"}, rp70::AllPrintItems(), ctx);
        const double build = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        timer.restart();
        {
            QPdfWriter writer(&buffer);
            writer.setPageLayout(rp70::gui::ReportPageLayout());
            rp70::gui::PaintReport(report, writer);
        }
        const double draw = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        bestBuild = std::min(bestBuild, build);
        bestDraw = std::min(bestDraw, draw);
        pages = report.Pages.size();
        bytes = buffer.size();
    }
    std::printf("report of 204 channels and every section: %zu report pages, %lld PDF bytes\n",
                pages, static_cast<long long>(bytes));
    std::printf("build %.1f ms, draw %.1f ms, total %.1f ms (best of %d) = %.2f of one second\n",
                bestBuild, bestDraw, bestBuild + bestDraw, runs, (bestBuild + bestDraw) / 1000.0);
    return 0;
}
