#pragma once
// Everything the core tells or asks a person goes through Interaction. The
// desktop program answers with real dialogs, the command line tool with
// terminal prompts and flags, tests with scripted answers.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace rp70 {

enum class MessageIcon { None, Information, Warning, Exclamation, Question, Critical };

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

enum class Answer { Ok, Cancel, Yes, No };

/// One message box: its text, title (empty: the program's name), icon and buttons.
struct Message {
    std::string Text;
    std::string Title;
    MessageIcon Icon = MessageIcon::None;
    MessageButtons Buttons = MessageButtons::Ok;
};

/// An open-file or save-file dialog.
struct FileChoice {
    std::string Filter; ///< name and pattern as file dialogs show them: "Data File (*.dat)"
    std::filesystem::path ProposedPath; ///< the name or folder the dialog starts with; may be empty
};

class Interaction {
public:
    virtual ~Interaction() = default;

    /// Shows a message and returns the button the person chose. A message with
    /// only an OK button returns Answer::Ok.
    virtual Answer Show(const Message& message) = 0;

    /// Lets the person pick an existing file; nullopt when cancelled.
    virtual std::optional<std::filesystem::path> ChooseOpenFile(const FileChoice& choice) = 0;

    /// Lets the person pick the name to save under; nullopt when cancelled.
    virtual std::optional<std::filesystem::path> ChooseSaveFile(const FileChoice& choice) = 0;

    /// The file password dialog, showing `current`: the text entered on OK (at most ten of
    /// "0" … "9" and "A" … "Z"), nullopt on Cancel.
    virtual std::optional<std::string> AskFilePassword(std::string_view current) = 0;

    /// The radio password dialog, showing `current`: the text entered on OK (at most four
    /// characters), nullopt on Cancel.
    virtual std::optional<std::string> AskRadioPassword(std::string_view current) = 0;
};

} // namespace rp70
