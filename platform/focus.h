// Focus rules every window shares: when a field counts as entered, select-all on entering it,
// and a focus mark that stays visible.
#pragma once

class QEvent;
class QLineEdit;
class QWidget;

namespace kx {

// True for a focus-in event that moves the focus into the widget (Tab, Enter, a click, code);
// false for any other event and for the focus coming back when the window is activated again
// or a popup (a drop-down list, a menu) closes.
bool focusEntered(const QEvent *event);

// Selects the field's whole text each time the focus is moved into it (not when its window is
// merely activated again). An empty field is left alone.
void selectAllOnFocus(QLineEdit *field);

// The focused control of window shows its focus mark whether the focus came by keyboard,
// by code or by a click; call once when the window is built.
void showFocusAlways(QWidget *window);

} // namespace kx
