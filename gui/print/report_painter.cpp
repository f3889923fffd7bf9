#include "print/report_painter.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

#include "shell/qt_text.h"

namespace rp70::gui {
namespace {

constexpr int kBodyPoints = 10;
constexpr int kTitlePoints = 25;
constexpr double kMarginMillimetres = 10;

constexpr double kTitleTop = 0.02; ///< of the height
constexpr double kStampX = 0.75;   ///< of the width
constexpr double kIdentityLabelX = 0.08;
constexpr double kIdentityValueX = 0.25;
constexpr double kHeadingX = 0.05;
constexpr double kLinesBottom = 0.95; ///< lines end here, above the page number
constexpr double kPageNumberTop = 0.97;

/// Paints the pages of a report one sheet after the other.
class ReportSheets {
public:
    ReportSheets(const Report& report, QPagedPaintDevice& device, QPainter& painter)
        : report_(report), device_(device), painter_(painter), body_(painter.font()),
          title_(painter.font()) {
        body_.setPointSize(kBodyPoints);
        title_.setPointSize(kTitlePoints);
        title_.setBold(true);
        width_ = device.width();
        height_ = device.height();
        bodyPitch_ = QFontMetricsF(body_, &device).lineSpacing();
        // The channel pages need their five blocks on one sheet: lines may close up to the body
        // size, which still keeps them apart.
        tightestPitch_ = std::min(bodyPitch_, kBodyPoints * device.logicalDpiY() / 72.0);
    }

    bool PaintAll() {
        for (const ReportPage& page : report_.Pages) {
            std::size_t next = 0;
            do {
                if (!StartSheet()) {
                    return false;
                }
                double y = PrintReportHeader(page.Heading);
                const std::size_t left = page.Lines.size() - next;
                const double room = kLinesBottom * height_ - y;
                const double pitch =
                    std::max(tightestPitch_,
                             std::min(bodyPitch_,
                                      room / static_cast<double>(std::max<std::size_t>(left, 1))));
                const auto fit = std::max<std::size_t>(1, static_cast<std::size_t>(room / pitch));
                const std::size_t end = std::min(page.Lines.size(), next + fit);
                for (; next < end; ++next) {
                    PaintLine(page.Lines[next], y);
                    y += pitch;
                }
                PrintPage();
            } while (next < page.Lines.size());
        }
        return true;
    }

private:
    bool StartSheet() {
        if (sheet_ > 0 && !device_.newPage()) {
            return false;
        }
        ++sheet_;
        return true;
    }

    void PaintText(double x, double top, const QString& text) {
        painter_.drawText(QPointF(x, top + painter_.fontMetrics().ascent()), text);
    }

    void PaintCentred(double top, const QString& text) {
        PaintText((width_ - painter_.fontMetrics().horizontalAdvance(text)) / 2, top, text);
    }

    /// The title block and the heading; returns the top of the page's first line.
    double PrintReportHeader(const std::string& heading) {
        const ReportHeader& header = report_.Header;
        double y = kTitleTop * height_;
        painter_.setFont(title_);
        PaintCentred(y, ToQt(header.Title));
        y += QFontMetricsF(title_, &device_).lineSpacing();

        QFont bold = body_;
        bold.setBold(true);
        painter_.setFont(bold);
        PaintText(kStampX * width_, y, ToQt(header.Stamp));
        y += 2 * bodyPitch_;
        for (const SettingLine& line : header.Identity) {
            PaintText(kIdentityLabelX * width_, y, ToQt(line.Label));
            PaintText(kIdentityValueX * width_, y, ToQt(line.Value));
            y += bodyPitch_;
        }
        y += bodyPitch_;

        painter_.setFont(body_);
        PaintText(kHeadingX * width_, y, ToQt(heading));
        return y + 2 * bodyPitch_;
    }

    void PaintLine(const ReportLine& line, double top) {
        for (const ReportCell& cell : line) {
            PaintText(cell.X * width_, top, ToQt(cell.Text));
        }
    }

    void PrintPage() { PaintCentred(kPageNumberTop * height_, ToQt(PageNumberText(sheet_))); }

    const Report& report_;
    QPagedPaintDevice& device_;
    QPainter& painter_;
    QFont body_;
    QFont title_;
    double width_ = 0;
    double height_ = 0;
    double bodyPitch_ = 0;
    double tightestPitch_ = 0;
    int sheet_ = 0;
};

} // namespace

QPageLayout ReportPageLayout() {
    const double margin = kMarginMillimetres;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
}

std::string ReportStamp() {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    return ToCore(locale.toString(now.date(), QLocale::ShortFormat) + QStringLiteral("    ") +
                  locale.toString(now.time(), QLocale::ShortFormat));
}

bool PaintReport(const Report& report, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    ReportSheets sheets(report, device, painter);
    const bool painted = sheets.PaintAll();
    return painter.end() && painted;
}

bool WriteReportPdf(const Report& report, const QString& path, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(ReportPageLayout());
        writer.setTitle(ToQt(report.Header.Title));
        writer.setCreator(QStringLiteral("rp70cps"));
        if (!PaintReport(report, writer)) {
            error = QStringLiteral("the report could not be drawn");
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace rp70::gui
