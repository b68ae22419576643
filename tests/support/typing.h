// Typing into a widget as key presses, letters beyond Latin-1 included.
#pragma once

#include <QTest>
#include <QWidget>

namespace kxtest {

// One key press per character, each carrying its character as the typed text.
inline void typeText(QWidget *target, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key(c.toUpper().unicode()), QString(c),
                            Qt::NoModifier);
}

} // namespace kxtest
