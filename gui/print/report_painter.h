#pragma once
// Draws the printed report on paper or into a PDF: the title block at the top of every page,
// the page's heading and lines at their fractions of the printable width, and the page number
// at the foot. The printer, the preview, the PDF export and `rp70 print` all draw through here.
// It needs Qt Gui only, so the command line tool draws without widgets.

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QString>
#include <string>

#include "print/report.h"

namespace rp70::gui {

/// A4 portrait with 10 mm margins, the paper a report starts on.
QPageLayout ReportPageLayout();

/// The date and time a report shows: the user's short date format, four spaces and the short
/// time format.
std::string ReportStamp();

/// Draws `report` on `device`, which is on its first page, page numbers running from 1 across
/// the whole report. A page whose lines do not fit goes on on a further sheet. Returns false
/// when the device could not be painted on or could not start a new page.
bool PaintReport(const Report& report, QPagedPaintDevice& device);

/// Writes `report` as a PDF file at `path`, replacing the file whole or leaving it as it was.
/// On failure returns false and says why in `error`.
bool WriteReportPdf(const Report& report, const QString& path, QString& error);

} // namespace rp70::gui
