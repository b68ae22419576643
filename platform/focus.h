// Focus rules every window shares: when a field counts as entered, select-all on entering it,
// and a focus mark that stays visible.
#pragma once

#include <functional>

class QEvent;
class QLineEdit;
class QWidget;

namespace kx {

// True for a focus-in event that moves the focus into the widget (Tab, Enter, a click, code);
// false for any other event and for the focus coming back when the window is activated again
// or a popup (a drop-down list, a menu) closes.
bool focusEntered(const QEvent *event);

// Selects the field's whole text each time the focus is moved into it (not when its window is
// merely activated again), so that typing replaces it. The press of a click puts the caret where
// it lands, so a click that brings the focus selects on its release instead, unless the press
// dragged out a selection of its own; a later click into the field places the caret, and a
// double-click selects a word. An empty field is left alone. A window with a handler of its own
// for the field's entry passes it as select, which then runs in place of the select-all.
void selectAllOnFocus(QLineEdit *field, std::function<void()> select = {});

// The focused control of window shows its focus mark whether the focus came by keyboard,
// by code or by a click; call once when the window is built.
void showFocusAlways(QWidget *window);

} // namespace kx
