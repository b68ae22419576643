// Fields whose letters are kept folded: the fold's type, and text that comes in otherwise than
// by a typed key.
#pragma once

#include <QChar>
#include <QString>

class QWidget;

namespace kx {

// The fold of one typed character, changed in place and returned (the panels' upper-case rule
// is one; the platform is handed it, it does not know it).
using LetterFold = QChar (*)(QChar &);

// Every character of text through the fold.
QString foldedText(QString text, LetterFold fold);

// Text pasted into the field (Ctrl+V, Shift+Insert, the context menu's "Paste", the middle
// button) or dropped on it goes in folded, as the keys typed into it do. field is a line edit or
// an editable combo. Text that the fold leaves as it is takes Qt's own way.
void foldPastedText(QWidget *field, LetterFold fold);

} // namespace kx
