#include "print/print_list_dialog.h"

#include <QGridLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "print/report.h"
#include "print/report_painter.h"
#include "shell/dialog_inputs.h"
#include "shell/language_apply.h"
#include "shell/qt_text.h"

namespace rp70::gui {
namespace {

constexpr int kKeyCaption = 3008;

constexpr std::array<const char*, kPrintItemCount> kBoxNames = {
    "channelsCheck", "vhfChannelsCheck", "radioChannelsCheck", "optionsCheck", "dtmfCheck",
    "twoToneCheck",  "fiveToneCheck",    "bookCheck",          "emgCheck",     "alertCheck"};

bool Shown(PrintItem item) {
    return item != PrintItem::VhfChannels && item != PrintItem::RadioChannels;
}

QPushButton* NewButton(QWidget* parent, const char* name, std::string_view text) {
    auto* button = new QPushButton(ToQt(text), parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

PrintListDialog::PrintListDialog(const RadioImage& image, UserContext& ctx, const RadioInfo& info,
                                 QWidget* parent)
    : QDialog(parent), image_(image), ctx_(ctx), info_(info) {
    SetTextKey(this, kKeyCaption);
    printer_.setPageLayout(ReportPageLayout());
    const LanguageTexts& texts = ctx.Texts;

    auto* boxes = new QVBoxLayout;
    for (std::size_t k = 0; k < kPrintItemCount; ++k) {
        const auto item = static_cast<PrintItem>(k);
        boxes_[k] = new QCheckBox(ToQt(PrintItemCaption(item, texts)), this);
        boxes_[k]->setObjectName(QLatin1String(kBoxNames[k]));
        boxes_[k]->setVisible(Shown(item));
        boxes->addWidget(boxes_[k]);
    }
    auto* selectAll =
        NewButton(this, "selectAllButton", texts.Builtin(BuiltinText::PrintSelectAll));
    auto* clearAll = NewButton(this, "clearAllButton", texts.Builtin(BuiltinText::PrintClearAll));
    auto* setUp = NewButton(this, "setUpButton", texts.Builtin(BuiltinText::PrintSetUp));
    connect(selectAll, &QPushButton::clicked, this, [this] { TickAll(true); });
    connect(clearAll, &QPushButton::clicked, this, [this] { TickAll(false); });
    connect(setUp, &QPushButton::clicked, this, &PrintListDialog::SetUpPrinter);

    auto* grid = new QGridLayout;
    grid->addLayout(boxes, 0, 0, 4, 1);
    grid->addWidget(selectAll, 0, 1);
    grid->addWidget(clearAll, 1, 1);
    grid->addWidget(setUp, 2, 1);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
    LayOutWithOkCancel(this, grid, texts);
}

PrintSelection PrintListDialog::Selection() const {
    PrintSelection selection{};
    for (std::size_t k = 0; k < kPrintItemCount; ++k) {
        selection[k] = boxes_[k]->isChecked();
    }
    return selection;
}

void PrintListDialog::TickAll(bool on) {
    for (QCheckBox* box : boxes_) {
        box->setChecked(on);
    }
}

void PrintListDialog::SetUpPrinter() {
    QPageSetupDialog dialog(&printer_, this);
    dialog.exec();
}

void PrintListDialog::accept() {
    const PrintSelection selection = Selection();
    if (!AnyPrintItem(selection)) {
        ctx_.Ui.Show({std::string(ctx_.Texts.Builtin(BuiltinText::PrintNothingSelected)),
                      {},
                      MessageIcon::Warning,
                      MessageButtons::Ok});
        return;
    }
    if (PrintSelected(selection)) {
        QDialog::accept();
    }
}

bool PrintListDialog::PrintSelected(const PrintSelection& selection) {
    QPrintDialog dialog(&printer_, this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const Report report = BuildReport({image_, info_, ReportStamp()}, selection, ctx_);
    return PaintReport(report, printer_) && printer_.printerState() != QPrinter::Error;
}

} // namespace rp70::gui
