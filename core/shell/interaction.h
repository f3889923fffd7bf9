#pragma once
// Everything the core tells or asks a person goes through Interaction. The
// desktop program answers with real dialogs, the command line tool with
// terminal prompts and flags, tests with scripted answers.

#include <string>

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

class Interaction {
public:
    virtual ~Interaction() = default;

    /// Shows a message and returns the button the person chose. A message with
    /// only an OK button returns Answer::Ok.
    virtual Answer Show(const Message& message) = 0;
};

} // namespace rp70
