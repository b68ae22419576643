// A whole amount in Turkish words, run together as printed documents write it.
#pragma once

#include <QString>
#include <QVariant>

namespace kx {

// 1234 gives "BinİkiYüzOtuzDört", -5 "EksiBeş", 0 "Sıfır". A number, or a text in Turkish
// notation ("1.234", "05"). "Hata" for a fraction, 16 or more digits, or a text that is no
// such number.
QString AmountInWords(const QVariant &value);

} // namespace kx
