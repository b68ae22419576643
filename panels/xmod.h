// The library's two shared routines: select a field's text, fold a typed letter.
#pragma once

#include <QChar>

class QLineEdit;

namespace kx::belgepano {

// Selects the whole text of the field; an empty field (or none) is left alone.
void SelectControlText(QLineEdit *field);

// Folds one typed character to a plain upper-case letter: a-z to A-Z, and the Turkish letters
// ğ Ğ → G, ü Ü → U, ş Ş → S, ç Ç → C, ö Ö → O, ı i İ → I. Every other character passes
// unchanged (so do ð, ý and þ, which share their Windows-1254 codes with ğ, ı and ş).
// The character is changed in place and also returned.
QChar UpperAsciiChar(QChar &code);

} // namespace kx::belgepano
