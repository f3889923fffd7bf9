#pragma once
// File > Backups…: the backups kept in the program folder, newest first, one of which can be
// opened as a data file.

#include <QDialog>
#include <filesystem>
#include <optional>
#include <vector>

#include "files/backups.h"
#include "texts/language_texts.h"

class QTableWidget;

namespace rp70::gui {

class BackupsDialog : public QDialog {
    Q_OBJECT

public:
    /// Lists `backups` (as ListBackups gives them) captioned in the language of `texts`.
    BackupsDialog(std::vector<BackupEntry> backups, const LanguageTexts& texts,
                  QWidget* parent = nullptr);

    /// The backup chosen with Open (or a double click); nullopt until then.
    std::optional<std::filesystem::path> Chosen() const { return chosen_; }

private:
    void OpenSelected();

    std::vector<BackupEntry> backups_;
    QTableWidget* table_;
    std::optional<std::filesystem::path> chosen_;
};

} // namespace rp70::gui
