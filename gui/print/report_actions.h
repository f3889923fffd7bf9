#pragma once
// The whole report without the selection dialog: in the print preview, or as a PDF file.

#include <QWidget>

#include "model/radio_image.h"
#include "model/records/radio_info.h"
#include "texts/user_context.h"

namespace rp70::gui {

/// Shows every section of the report in the print preview, from which it can also be printed.
void PreviewReport(const RadioImage& image, UserContext& ctx, const RadioInfo& info,
                   QWidget* parent);

/// Asks for a PDF file name (proposing the data file's name) and writes every section of the
/// report into it; a file that could not be written is reported and left as it was.
void ExportReportPdf(const RadioImage& image, UserContext& ctx, const RadioInfo& info);

} // namespace rp70::gui
