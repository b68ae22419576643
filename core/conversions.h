// Turkish letters, amounts, numbers and dates between what the user sees and what is stored.
#pragma once

#include <QString>
#include <QVariant>

class QWidget;

namespace kx {

// Folds one typed character to a plain upper-case letter (ğ→G, ü→U, ş→S, ç→C, ö→O, ı/i/İ→I,
// a..z→A..Z); every other character passes. Changes the caller's character and returns it.
QChar UpperAsciiChar(QChar &character);
// Every character folded; same length. A Null value gives the empty text.
QString UpperAsciiText(const QVariant &text);

// Selects the whole text of the focused field of the window; never fails.
void SelectActiveText(QWidget *window);

// Reads amount text ("1.234,56", "12,50 TL", "%18") as a double. Null gives a Null value
// (0 in arithmetic); a number passes unchanged; any text gives a number.
QVariant ParseAmount(const QVariant &value);
// ParseAmount(a) / ParseAmount(b) * ParseAmount(c); 0 when b reads as 0.
double RatioAmount(const QVariant &a, const QVariant &b, const QVariant &c);

// The leading decimal number of a text, point as decimal mark, leading blanks and a sign
// allowed; 0 when the text does not start with a number.
double numberValue(const QString &text);

// A document series: one or two characters whose first and last are A..Z, [, \, ] or a..z.
bool IsLetterCode(const QVariant &text);

// dd.mm.yyyy to the key yyyymmdd; a text that gives no whole key reads as far as it goes
// ("" gives 0). No calendar check: callers pass what their date fields hold.
int DateKey(const QString &text);
// The key (number or text) back to dd.mm.yyyy; an empty key gives "..".
QString DateKeyToText(const QVariant &key);

// Number formats "#,##0.00" .. "#,##0.00000" (or any "#,##0" / "0.0.." pattern) in Turkish
// notation whatever the system locale: "1.234,50". Rounds half away from zero.
QString FormatNumber(double value, const QString &pattern);
// A typed amount read and shown again in the pattern, as a field shows it once it is left.
QString reformattedAmount(const QString &text, const QString &pattern);
// The rounding every format uses.
double roundNumber(double value, int decimals);
// A number as plain text with a decimal comma and no grouping ("2,5", "3"), the way
// quantities are shown and typed; ParseAmount reads it back.
QString plainNumberText(double value);

// The record of the card with this id in StokAllRows (kind "S"/"s") or CariAllRows (any
// other kind); a Null value when there is none.
QVariant FindListIndex(const QString &kind, const QVariant &id);

} // namespace kx
