#pragma once
// The lists, check boxes, labels and buttons of the editor dialogs, and how a dialog shows the
// state of its inputs in them without the change signals a person's choice sends.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <string>
#include <vector>

#include "texts/language_texts.h"

namespace rp70::gui {

/// A list named `name` offering `entries`, without a selection; Enter moves on from it.
QComboBox* NewCombo(QWidget* parent, const char* name, const std::vector<std::string>& entries);

/// A check box named `name`; Enter moves on from it.
QCheckBox* NewCheck(QWidget* parent, const char* name);

/// A check box named `name` captioned by the language text of `key`.
QCheckBox* NewCheck(QWidget* parent, const char* name, int key);

/// A label captioned by the language text of `key`, for `buddy`.
QLabel* KeyLabel(QWidget* parent, int key, QWidget* buddy);

/// A label captioned by the text of `key` in the language file's OPTION section, for `buddy`.
QLabel* OptionLabel(QWidget* parent, const LanguageTexts& texts, int key, QWidget* buddy);

/// The OK and Cancel buttons of `dialog` (named "buttons"), accepting and rejecting it; Enter
/// moves on from them.
QDialogButtonBox* NewOkCancel(QDialog* dialog);

/// Lays out a dialog of one grid of inputs: `inputs`, then OK and Cancel (NewOkCancel) at the
/// bottom; the texts in the language of `texts`, wide enough for the caption.
void LayOutWithOkCancel(QDialog* dialog, QLayout* inputs, const LanguageTexts& texts);

/// Replaces the entries of `list` (without a selection) unless it offers them already.
void ShowEntries(QComboBox* list, const std::vector<std::string>& entries);

/// Selects `position` in `list`; a position outside the list shows no selection.
void ShowPosition(QComboBox* list, int position);

/// Ticks or clears `check`.
void ShowCheck(QCheckBox* check, bool on);

} // namespace rp70::gui
