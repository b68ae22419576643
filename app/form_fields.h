// What the program's small forms share: Enter, series typed in upper-case letters, shown-only
// fields.
#pragma once

#include "core/conversions.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace kx {

inline bool isEnterKey(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Puts a typed character into edit folded to a plain upper-case letter (Turkish letters
// included); true when it did, so that the key goes no further.
inline bool typeFolded(QLineEdit *edit, const QKeyEvent *key)
{
    const QString typed = key->text();
    if (typed.isEmpty() || !typed.at(0).isPrint()
        || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const QString folded = UpperAsciiText(typed);
    if (folded == typed)
        return false;
    edit->insert(folded);
    return true;
}

// A field that shows a result and takes no typing, drawn on the window's colour.
inline void setShownOnly(QLineEdit *edit)
{
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    QPalette shown = edit->palette();
    shown.setColor(QPalette::Base, edit->palette().color(QPalette::Window));
    edit->setPalette(shown);
}

} // namespace kx
