// The main window's CSV import and export of the channel list.

#include <QDialog>
#include <variant>

#include "channels/csv_channels.h"
#include "channels/csv_import_dialog.h"
#include "files/file_io.h"
#include "shell/main_window.h"
#include "shell/qt_text.h"
#include "texts/path_text.h"

namespace rp70::gui {
namespace {

constexpr int kKeyCannotWrite = 1009;
constexpr int kKeyCsvFilter = 1017;
constexpr int kKeyCannotImport = 1018;

/// The current data file's path with the ending ".csv", or nothing for an untitled image.
std::filesystem::path ProposedCsvPath(const RadioImage& image) {
    if (image.IsUntitled || image.CurrentFilePath.empty()) {
        return {};
    }
    return std::filesystem::path(image.CurrentFilePath).replace_extension(".csv");
}

} // namespace

void MainWindow::ImportCsv() {
    const auto path =
        ui_.ChooseOpenFile({state_.Texts.GetText(kKeyCsvFilter), ProposedCsvPath(image_)});
    if (!path) {
        return;
    }
    const auto read = ReadChannelsCsvFile(*path, image_);
    if (const auto* error = std::get_if<std::string>(&read)) {
        ui_.Show({state_.Texts.GetText(kKeyCannotImport) + "\n" + Utf8Of(*path) + "\n" + *error, "",
                  MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    }
    const CsvImport& import = std::get<CsvImport>(read);
    CsvImportDialog dialog(import, PathToQt(*path), state_.Texts, this);
    if (dialog.exec() == QDialog::Accepted) {
        Recorded([&] { ApplyCsvImport(image_, import); });
        ShowListByData();
    }
}

void MainWindow::ExportCsv() {
    const auto path =
        ui_.ChooseSaveFile({state_.Texts.GetText(kKeyCsvFilter), ProposedCsvPath(image_)});
    if (path && !ReplaceFileContents(*path, ExportChannelsCsv(image_))) {
        ui_.Show({state_.Texts.GetText(kKeyCannotWrite) + "\n" + Utf8Of(*path), "",
                  MessageIcon::Exclamation, MessageButtons::Ok});
    }
}

} // namespace rp70::gui
