// Reading Turkish amount text ("1.234,56") as a number; shared by the conversions and SQL.
#pragma once

#include <QStringView>
#include <QVarLengthArray>

#include <charconv>

namespace kx {

// Keeps digits, points and commas; points are thousands separators, the comma the decimal
// mark; reading stops at the second decimal mark. A leading "-" negates. Never fails. Reads
// UTF-16 text or UTF-8 bytes alike: no byte of a multi-byte character is a digit or a comma.
template <typename Char> double amountCharsToNumber(const Char *text, qsizetype size)
{
    QVarLengthArray<char, 64> number;
    number.append('0'); // a leading decimal mark reads as "0,"
    bool afterMark = false;
    bool digits = false;
    for (qsizetype i = 0; i < size; ++i) {
        const Char c = text[i];
        if (c == Char(',')) {
            if (afterMark)
                break;
            afterMark = true;
            number.append('.');
        } else if (c >= Char('0') && c <= Char('9')) {
            number.append(char(c));
            digits = true;
        }
    }
    if (!digits)
        return 0;
    // Out of range (hundreds of digits) leaves 0.
    double result = 0;
    std::from_chars(number.constData(), number.constData() + number.size(), result,
                    std::chars_format::fixed);
    return size > 0 && text[0] == Char('-') ? -result : result;
}

inline double amountTextToNumber(QStringView text)
{
    return amountCharsToNumber(text.utf16(), text.size());
}

} // namespace kx
