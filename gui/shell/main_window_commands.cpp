// The commands the main window's menus, tool bar and channel table run.

#include <QDialog>
#include <QUndoStack>
#include <chrono>
#include <filesystem>
#include <memory>

#include "channels/channel_edit_dialog.h"
#include "channels/channel_table_view.h"
#include "files/backups_dialog.h"
#include "files/compare_dialog.h"
#include "files/data_file.h"
#include "link/com_port_dialog.h"
#include "link/radio_password_dialog.h"
#include "link/transfer_runner.h"
#include "model/model_dialog.h"
#include "shell/about_box.h"
#include "shell/image_change.h"
#include "shell/language_dialog.h"
#include "shell/main_window.h"
#include "shell/qt_text.h"
#include "texts/path_text.h"

namespace rp70::gui {

void MainWindow::Recorded(const std::function<void()>& change) {
    RecordImageChange(*undoStack_, image_, change, [this] { ShowListByData(); });
}

FileSession MainWindow::Session() {
    return FileSession{ctx_, image_, state_.Folder};
}

void MainWindow::NewImage(bool confirm) {
    FileSession session = Session();
    if (CmdNew(session, confirm)) {
        undoStack_->clear(); // a new file starts its own history
        ShowListByData();
    } else {
        ShowCaption(); // the offer to save may have saved under a new name
    }
}

void MainWindow::OpenFile() {
    FileSession session = Session();
    if (CmdOpen(session)) {
        undoStack_->clear();
        ShowListByData();
    } else {
        ShowCaption();
    }
}

void MainWindow::SaveFile(bool saveAs) {
    FileSession session = Session();
    if (saveAs) {
        CmdSaveAs(session);
    } else {
        CmdSave(session);
    }
    ShowCaption();
}

void MainWindow::RunChannelCommand(ChannelCommand command) {
    const int number = table_->CurrentChannel();
    bool applied = false;
    Recorded([&] {
        applied = number > 0 && ApplyChannelCommand(image_, command, kChannelTableIndex, number);
    });
    if (applied) {
        table_->ShowRow(image_, number, ctx_);
    }
}

void MainWindow::EditCurrentChannel() {
    const int number = table_->CurrentChannel();
    if (number > 0 && table_->currentIndex().column() > 0) {
        EditChannel(number);
    }
}

void MainWindow::EditChannel(int number) {
    Recorded([&] {
        ChannelEditDialog dialog(image_, number, state_.Features, ctx_, this);
        if (dialog.exec() == QDialog::Accepted) {
            table_->ShowRow(image_, number, ctx_);
        }
    });
}

std::optional<TransferOutcome> MainWindow::Transfer(TransferKind kind) {
    if (transferRunning_) {
        return std::nullopt;
    }
    transferRunning_ = true;
    TransferHooks hooks;
    hooks.ImageReplaced = [this] { ShowListByData(); };
    hooks.FeaturesChanged = [this] { LoadShowTree(); };
    hooks.WriteStarting = [this] { KeepBackup(image_, BackupKind::Written); };
    const std::optional<TransferOutcome> outcome =
        RunTransfer(kind, image_, state_, ui_, this, hooks);
    transferRunning_ = false;
    return outcome;
}

void MainWindow::ReadFromRadio() {
    if (transferRunning_) {
        return;
    }
    // The read goes on whatever the answer to the offer.
    FileSession session = Session();
    OfferToSave(session);
    ShowCaption();
    Recorded([this] {
        if (Transfer(TransferKind::Read) == TransferOutcome::Succeeded) {
            KeepBackup(image_, BackupKind::Read);
        }
    });
}

void MainWindow::WriteToRadio() {
    if (transferRunning_) {
        return;
    }
    if (state_.Settings.BackupBeforeWrite) {
        // The radio is read into an image of its own: the one to write stays as it is.
        auto radio = std::make_unique<RadioImage>(image_);
        transferRunning_ = true;
        const auto read = RunTransfer(TransferKind::Read, *radio, state_, ui_, this);
        transferRunning_ = false;
        if (read != TransferOutcome::Succeeded) {
            return;
        }
        KeepBackup(*radio, BackupKind::Read);
    }
    Transfer(TransferKind::Write);
}

void MainWindow::KeepBackup(const RadioImage& image, BackupKind kind) {
    if (!SaveBackup(state_.Folder, image, kind, std::chrono::system_clock::now(),
                    state_.Settings.BackupLimit)) {
        const std::string text = FillMarker(state_.Texts.Builtin(BuiltinText::BackupNotSaved), "%1",
                                            Utf8Of(BackupFolder(state_.Folder)));
        ui_.Show(Message{text, "", MessageIcon::Warning, MessageButtons::Ok});
    }
}

void MainWindow::ShowBackups() {
    BackupsDialog dialog(ListBackups(state_.Folder), state_.Texts, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.Chosen()) {
        return;
    }
    FileSession session = Session();
    if (CmdOpenBackup(session, *dialog.Chosen())) {
        undoStack_->clear();
        ShowListByData();
    } else {
        ShowCaption();
    }
}

void MainWindow::CompareWithFile() {
    const std::filesystem::path folder =
        image_.IsUntitled ? std::filesystem::path() : image_.CurrentFilePath.parent_path();
    const auto path = ui_.ChooseOpenFile({DataFileFilter(state_.Texts), folder});
    if (!path) {
        return;
    }
    // Loaded over a copy of the open image, as Open loads over the open image.
    auto other = std::make_unique<RadioImage>(image_);
    if (LoadDataFile(ctx_, *other, *path) != LoadResult::Loaded) {
        return;
    }
    CompareDialog dialog(DiffImages(image_, *other, ctx_), PathToQt(path->filename()), state_.Texts,
                         this);
    dialog.exec();
}

void MainWindow::CompareWithRadio() {
    if (transferRunning_) {
        return;
    }
    auto radio = std::make_unique<RadioImage>(image_);
    transferRunning_ = true;
    TransferHooks hooks;
    hooks.FeaturesChanged = [this] { LoadShowTree(); };
    const auto read = RunTransfer(TransferKind::Read, *radio, state_, ui_, this, hooks);
    transferRunning_ = false;
    if (read != TransferOutcome::Succeeded) {
        return;
    }
    CompareDialog dialog(DiffImages(image_, *radio, ctx_),
                         ToQt(state_.Texts.Builtin(BuiltinText::CompareRadio)), state_.Texts, this);
    dialog.exec();
}

void MainWindow::EnterRadioPassword() {
    RadioPasswordDialog dialog(state_.EnteredPassword, state_.Texts, this);
    if (dialog.exec() == QDialog::Accepted) {
        state_.EnteredPassword = dialog.Password();
    }
}

void MainWindow::ChooseComPort() {
    ComPortDialog dialog(state_, ListSerialPorts, this);
    dialog.exec();
}

void MainWindow::ShowModelDialog() {
    Recorded([this] {
        ModelDialog dialog(image_, ctx_, state_.Folder, this);
        dialog.exec();
        if (dialog.ImageWasReset()) {
            ShowListByData();
        }
    });
}

void MainWindow::ShowAbout() {
    AboutBox box(state_.Texts, this);
    box.exec();
}

void MainWindow::ChooseLanguage() {
    LanguageDialog dialog(state_.LanguageIndex, state_.Texts, this);
    if (dialog.exec() == QDialog::Accepted) {
        FormReLoad(dialog.Chosen());
    }
}

} // namespace rp70::gui
