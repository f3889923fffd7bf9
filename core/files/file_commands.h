#pragma once
// The file commands of the main window, New, Open, Save and Save As, with their questions.

#include <filesystem>

#include "model/radio_image.h"
#include "texts/user_context.h"

namespace rp70 {

/// What the file commands work on.
struct FileSession {
    UserContext& Ctx;
    RadioImage& Image;
    std::filesystem::path ProgramFolder; ///< for the templates of a new image
};

/// The filter of the data file dialogs in the current language: "Data File (*.dat)".
std::string DataFileFilter(const LanguageTexts& texts);

/// When the image is modified, asks "9001" of the language file (Yes/No/Cancel) and saves on
/// Yes. What follows goes on whatever the answer: New still asks its own question, a Read reads.
void OfferToSave(FileSession& session);

/// New: offers to save a modified image, asks "All data will be cleared." unless `confirm` is
/// false, then resets the image (templates included). Returns true when the image was reset
/// and the main window must be refreshed.
bool CmdNew(FileSession& session, bool confirm = true);

/// Open: offers to save a modified image, lets the person choose a data file and opens it.
/// Returns true when a file was opened and the main window must be refreshed.
bool CmdOpen(FileSession& session);

/// Opens the backup `path` like a chosen data file (after the offer to save), as an untitled
/// image so that saving it never replaces the backup. True when it was opened.
bool CmdOpenBackup(FileSession& session, const std::filesystem::path& path);

/// Save: Save As for an untitled image, otherwise saves over the current file after asking.
/// Returns true when the image was saved.
bool CmdSave(FileSession& session);

/// Save As: lets the person choose the file name and saves. When the save fails the image
/// keeps its previous file name. Returns true when the image was saved.
bool CmdSaveAs(FileSession& session);

} // namespace rp70
