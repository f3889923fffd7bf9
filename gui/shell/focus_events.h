#pragma once
// Reactions to an input gaining or losing the keyboard focus.

#include <QWidget>
#include <functional>

namespace rp70::gui {

/// Runs `react` each time `widget` gains the focus, for as long as the widget lives.
void OnFocusIn(QWidget* widget, std::function<void()> react);

/// Runs `react` each time `widget` loses the focus, for as long as the widget lives.
void OnFocusOut(QWidget* widget, std::function<void()> react);

} // namespace rp70::gui
