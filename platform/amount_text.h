// Reading Turkish amount text ("1.234,56") as a number; shared by the conversions and SQL.
#pragma once

#include <QByteArray>
#include <QStringView>

namespace kx {

// Keeps digits, points and commas; points are thousands separators, the comma the decimal
// mark; reading stops at the second decimal mark. A leading "-" negates. Never fails.
inline double amountTextToNumber(QStringView text)
{
    QByteArray number;
    number.reserve(text.size() + 1);
    bool afterMark = false;
    for (const QChar c : text) {
        if (c == u',') {
            if (afterMark)
                break;
            afterMark = true;
            number.append('.');
        } else if (c >= u'0' && c <= u'9') {
            number.append(char(c.unicode()));
        }
    }
    if (number.isEmpty() || number == ".")
        return 0;
    if (number.startsWith('.'))
        number.prepend('0');
    const double result = number.toDouble();
    return !text.isEmpty() && text.front() == u'-' ? -result : result;
}

} // namespace kx
