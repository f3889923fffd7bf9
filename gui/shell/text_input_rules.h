#pragma once
// The keyboard conventions every text input of the program follows: Ctrl+X, Ctrl+C and Ctrl+V
// do nothing, characters above code 127 are dropped, each input takes only its own characters,
// Enter moves the focus to the next input, and entering an input selects its whole text. Some
// inputs also have no context menu. The rules are built here once and applied to each input.

#include <QChar>
#include <QLineEdit>
#include <functional>
#include <optional>

namespace rp70::gui {

/// Decides what a typed printable character becomes in one input: the character to insert
/// (possibly changed, e.g. to upper case), or nullopt to drop it. Control characters (Backspace,
/// Delete, cursor keys) never reach the filter.
using CharacterFilter = std::function<std::optional<QChar>(QChar)>;

struct TextInputOptions {
    CharacterFilter Filter;       ///< empty: every character from code 32 to 127
    bool NoContextMenu = false;   ///< the right mouse button does nothing
    bool SelectAllOnEntry = true; ///< entering the input selects its text
};

/// Applies the conventions to `edit` for as long as it lives. Pasting by any other way (the
/// context menu, Shift+Insert, dropping text) is also refused, so the filter always holds.
void ApplyTextInputRules(QLineEdit* edit, TextInputOptions options = {});

/// Enter (and the keypad's Enter) moves the focus from `widget` to the next input in the tab
/// order, for any kind of input: lists, check boxes, buttons.
void EnterMovesFocus(QWidget* widget);

/// Filters of the program's inputs.
namespace filters {
/// "0" … "9".
CharacterFilter Digits();
/// "0" … "9" and ".": frequencies and offsets.
CharacterFilter DigitsAndPoint();
/// "0" … "9" and "A" … "Z", with "a" … "z" turned into upper case: the file password.
CharacterFilter UpperCaseLettersAndDigits();
/// "0" … "9" and "A" … "F", with "a" … "f" turned into upper case: 5-tone codes.
CharacterFilter HexDigits();
/// Codes 32 … 125 except "\": channel names.
CharacterFilter NameCharacters();
} // namespace filters

} // namespace rp70::gui
