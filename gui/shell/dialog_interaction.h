#pragma once
// The desktop program's answers to what the core tells and asks: real message boxes, file
// dialogs and password dialogs, modal over the program's window.

#include <QPointer>
#include <QWidget>

#include "texts/interaction.h"
#include "texts/language_texts.h"

namespace rp70::gui {

class DialogInteraction : public Interaction {
public:
    /// `texts` (the program state's, which follow a change of language) must outlive this.
    explicit DialogInteraction(const LanguageTexts& texts, QWidget* window = nullptr);

    /// The window the dialogs are modal over (the main window once it exists).
    void SetWindow(QWidget* window) { window_ = window; }

    /// A QMessageBox with the text, the title (the program's title "rp70cps" when empty), the
    /// icon and the buttons asked for; Escape answers Cancel, or No where there is no Cancel.
    Answer Show(const Message& message) override;
    /// QFileDialog for opening, starting at the proposed path (see StartPath); the filter
    /// "Data File (*.dat)" as given.
    std::optional<std::filesystem::path> ChooseOpenFile(const FileChoice& choice) override;
    /// QFileDialog for saving, starting at the proposed path (see StartPath); a name without
    /// extension gets the filter's, and choosing an existing file asks before it is replaced.
    std::optional<std::filesystem::path> ChooseSaveFile(const FileChoice& choice) override;
    /// The file password dialog.
    std::optional<std::string> AskFilePassword(std::string_view current) override;
    /// The radio password dialog.
    std::optional<std::string> AskRadioPassword(std::string_view current) override;

private:
    /// The window a dialog is modal over: the modal window on top, else the program's window.
    QWidget* Parent() const;
    /// Where a file dialog starts: an absolute proposed path as it is; a bare name, or nothing,
    /// in the folder of the file last chosen (at first the home folder), never in the working
    /// directory the program happened to be started from.
    QString StartPath(const std::filesystem::path& proposed) const;
    /// The chosen file as the core takes it, nullopt when none was chosen (`path` empty); its
    /// folder is where the next dialog starts.
    std::optional<std::filesystem::path> Chosen(const QString& path);

    const LanguageTexts& texts_;
    QPointer<QWidget> window_;
    QString lastFolder_;
};

} // namespace rp70::gui
