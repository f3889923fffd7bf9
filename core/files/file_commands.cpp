#include "files/file_commands.h"

#include "files/data_file.h"
#include "files/modified_check.h"
#include "texts/path_text.h"

namespace rp70 {
namespace {

Answer Ask(FileSession& session, BuiltinText text, std::string suffix, MessageIcon icon,
           MessageButtons buttons) {
    std::string message(session.Ctx.Texts.Builtin(text));
    message += suffix;
    return session.Ctx.Ui.Show({message, "", icon, buttons});
}

} // namespace

std::string DataFileFilter(const LanguageTexts& texts) {
    return std::string(texts.Builtin(BuiltinText::FileFilterName)) + " (*.dat)";
}

void OfferToSave(FileSession& session) {
    if (IsUnchanged(session.Image)) {
        return;
    }
    const Answer answer = session.Ctx.Ui.Show(
        {session.Ctx.Texts.Msg("9001"), "", MessageIcon::Warning, MessageButtons::YesNoCancel});
    if (answer == Answer::Yes) {
        CmdSave(session);
    }
}

bool CmdNew(FileSession& session, bool confirm) {
    // No and Cancel both go on to the clearing question, which can still stop.
    OfferToSave(session);
    if (confirm && Ask(session, BuiltinText::NewImage, "", MessageIcon::Warning,
                       MessageButtons::OkCancel) != Answer::Ok) {
        return false;
    }
    DataFileReader reader(session.Ctx);
    ResetImage(session.Image, session.ProgramFolder, &reader);
    return true;
}

namespace {

/// Offers to save a modified image; false when the person cancelled.
bool OfferSaveBeforeOpen(FileSession& session) {
    if (!IsUnchanged(session.Image)) {
        const Answer answer = Ask(session, BuiltinText::Modified, "", MessageIcon::Warning,
                                  MessageButtons::YesNoCancel);
        if (answer == Answer::Cancel) {
            return false;
        }
        if (answer == Answer::Yes) {
            CmdSave(session);
        }
    }
    return true;
}

} // namespace

bool CmdOpenBackup(FileSession& session, const std::filesystem::path& path) {
    if (!OfferSaveBeforeOpen(session) ||
        LoadDataFile(session.Ctx, session.Image, path) != LoadResult::Loaded) {
        return false;
    }
    session.Image.IsUntitled = true; // Save asks for a new name: the backup stays as it was
    return true;
}

bool CmdOpen(FileSession& session) {
    if (!OfferSaveBeforeOpen(session)) {
        return false;
    }
    // The dialog starts in the current file's folder; for an untitled image, where it last was.
    const std::filesystem::path folder = session.Image.IsUntitled
                                             ? std::filesystem::path()
                                             : session.Image.CurrentFilePath.parent_path();
    const auto path = session.Ctx.Ui.ChooseOpenFile({DataFileFilter(session.Ctx.Texts), folder});
    if (!path) {
        return false;
    }
    return LoadDataFile(session.Ctx, session.Image, *path) == LoadResult::Loaded;
}

bool CmdSave(FileSession& session) {
    if (session.Image.IsUntitled) {
        return CmdSaveAs(session);
    }
    const std::string name = Utf8Of(session.Image.CurrentFilePath.filename());
    if (Ask(session, BuiltinText::Overwrite, "\"" + name + "\"", MessageIcon::Question,
            MessageButtons::OkCancel) != Answer::Ok) {
        return false;
    }
    return SaveDataFile(session.Ctx, session.Image);
}

bool CmdSaveAs(FileSession& session) {
    const auto path = session.Ctx.Ui.ChooseSaveFile(
        {DataFileFilter(session.Ctx.Texts), session.Image.CurrentFilePath});
    if (!path) {
        return false;
    }
    const std::filesystem::path previous = session.Image.CurrentFilePath;
    session.Image.CurrentFilePath = *path;
    if (!SaveDataFile(session.Ctx, session.Image)) {
        session.Image.CurrentFilePath = previous;
        return false;
    }
    return true;
}

} // namespace rp70
