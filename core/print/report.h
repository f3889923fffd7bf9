#pragma once
// The printed report as data: its title block and its pages, each a heading and lines of cells
// placed at fractions of the printable width. The desktop program and the command line draw
// the same Report; only the drawing needs a paint device.

#include <string>
#include <vector>

#include "editors/setting_lines.h"
#include "model/radio_image.h"
#include "model/records/radio_info.h"
#include "print/print_selection.h"
#include "texts/user_context.h"

namespace rp70 {

/// One text on a line, starting at `X` × the printable width.
struct ReportCell {
    double X = 0;
    std::string Text;

    bool operator==(const ReportCell&) const = default;
};

/// The cells of one line; a line without cells is an empty line.
using ReportLine = std::vector<ReportCell>;

/// One page of a section below the title block: the heading at 5 % of the width, an empty line,
/// then the lines. A page whose lines do not fit the paper goes on on the next page under the
/// same title block and heading.
struct ReportPage {
    std::string Heading;
    std::vector<ReportLine> Lines;
};

/// The title block every page starts with: the title, the date and time the report was made,
/// and the model type, frequency and file name with their labels.
struct ReportHeader {
    std::string Title;
    std::string Stamp;
    SettingLines Identity;
};

struct Report {
    ReportHeader Header;
    std::vector<ReportPage> Pages;
};

/// What a report is made of besides the selection.
struct ReportSources {
    const RadioImage& Image;
    const RadioInfo& Info; ///< the embedded message section's radio information
    std::string Stamp;     ///< date and time in the user's short formats
};

/// The report of the ticked sections in the order channels, options, DTMF, 2-tone, 5-tone,
/// book, embedded message, alert; the VHF and radio channel boxes add nothing. Each section
/// shows what its editor shows on opening; nothing in the image changes.
Report BuildReport(const ReportSources& sources, const PrintSelection& selection, UserContext& ctx);

/// The footer of page `number` (from 1, running on across sections): "- 4 -".
std::string PageNumberText(int number);

} // namespace rp70
