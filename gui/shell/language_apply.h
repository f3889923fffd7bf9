#pragma once
// Language texts applied to windows. A widget or menu action names its text by a numeric key
// (the "tag"): its caption is the language file's text of that key. Dialogs set their keys when
// they build themselves and apply the texts once; the main window applies them again after a
// change of language.

#include <QDialogButtonBox>
#include <QObject>
#include <QWidget>

#include "texts/language_texts.h"

namespace rp70::gui {

/// Sets the key of a widget's or action's caption (the window title for a window).
void SetTextKey(QObject* object, int key);
/// Sets the key of a widget's or action's tooltip.
void SetToolTipKey(QObject* object, int key);

/// Applies the texts to `window` and everything in it, skipping whatever has no key:
/// the window title, the font of keys 20 (name) and 21 (size), the captions of labels,
/// buttons, check boxes, group boxes and actions (menu entries), tab captions and tooltips. A
/// tooltip of an action keyed like a menu caption ("&New") shows without the "&".
void ApplyLanguage(QWidget* window, const LanguageTexts& texts);

/// The OK and Cancel buttons of `buttons` get the texts of keys 101 and 102.
void SetButtonTexts(QDialogButtonBox* buttons, const LanguageTexts& texts);

/// The Close button of `buttons` gets "&Close" ("关闭(&C)" in Chinese).
void SetCloseButtonText(QDialogButtonBox* buttons, const LanguageTexts& texts);

} // namespace rp70::gui
