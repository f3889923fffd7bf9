#include "editors/auto_test_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/caption_width.h"
#include "shell/qt_text.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {

AutoTestDialog::AutoTestDialog(const RadioImage& image, UserContext& ctx, QWidget* parent)
    : QDialog(parent), image_(image), ctx_(ctx) {
    setObjectName(QStringLiteral("Frm_AutoTest"));
    setWindowTitle(ToQt(kExportTitle));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(20);
    const ExportKinds initial = InitialExportKinds();
    int shown = 0;
    for (std::size_t box = 0; box < kExportBoxCount; ++box) {
        const ExportBox& kind = ExportBoxes()[box];
        auto* check = new QCheckBox(ToQt(kind.Caption), this);
        check->setObjectName(QStringLiteral("Check1_%1").arg(box));
        check->setChecked(initial[box]);
        EnterMovesFocus(check);
        boxes_[box] = check;
        if (!kind.Shown) {
            check->hide();
            continue;
        }
        grid->addWidget(check, shown / 2, shown % 2);
        ++shown;
    }
    boxes_[0]->setEnabled(false); // the channels are always exported

    auto* buttons = new QDialogButtonBox(this);
    buttons->setObjectName(QStringLiteral("buttons"));
    QPushButton* exportButton =
        buttons->addButton(ToQt(kExportButton), QDialogButtonBox::AcceptRole);
    exportButton->setObjectName(QStringLiteral("Command1"));
    QPushButton* cancel =
        buttons->addButton(ToQt(kExportCancelButton), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(exportButton, &QPushButton::clicked, this, &AutoTestDialog::Export);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(buttons);
    KeepCaptionWhole(*this, *layout);
}

void AutoTestDialog::Export() {
    ExportKinds kinds{};
    for (std::size_t box = 0; box < kExportBoxCount; ++box) {
        kinds[box] = boxes_[box]->isChecked();
    }
    const auto file = ctx_.Ui.ChooseSaveFile({std::string(kExportFileFilter), {}});
    if (!file) {
        return;
    }
    const auto exported = BuildAutoTestExport(image_, kinds, ctx_);
    if (exported && WriteExportFile(*file, *exported, ctx_.Ui)) {
        accept();
    }
}

} // namespace rp70::gui
