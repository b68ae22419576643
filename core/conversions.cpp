// Turkish letters, amounts, numbers and dates between what the user sees and what is stored.
#include "core/conversions.h"

#include "core/lists.h"
#include "platform/amount_text.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kx {

QChar UpperAsciiChar(QChar &character)
{
    char16_t code = character.unicode();
    if (code >= u'a' && code <= u'z' && code != u'i')
        code -= 32;
    switch (code) {
    case u'i':
    case u'\u0131': // ı
    case u'\u0130': // İ
        code = u'I';
        break;
    case u'\u011F': // ğ
    case u'\u011E': // Ğ
        code = u'G';
        break;
    case u'\u00FC': // ü
    case u'\u00DC': // Ü
        code = u'U';
        break;
    case u'\u015F': // ş
    case u'\u015E': // Ş
        code = u'S';
        break;
    case u'\u00E7': // ç
    case u'\u00C7': // Ç
        code = u'C';
        break;
    case u'\u00F6': // ö
    case u'\u00D6': // Ö
        code = u'O';
        break;
    default:
        break;
    }
    character = QChar(code);
    return character;
}

QString UpperAsciiText(const QVariant &text)
{
    if (text.isNull())
        return {};
    QString result = text.toString();
    for (QChar &character : result)
        UpperAsciiChar(character);
    return result;
}

void SelectActiveText(QWidget *window)
{
    if (!window)
        return;
    // The window's own focus field, also when another window is active at the moment.
    QWidget *focused = window->focusWidget();
    if (!focused)
        focused = QApplication::focusWidget();
    if (!focused || (focused != window && !window->isAncestorOf(focused)))
        return;
    if (auto *edit = qobject_cast<QLineEdit *>(focused)) {
        if (!edit->text().isEmpty())
            edit->selectAll();
    } else if (auto *combo = qobject_cast<QComboBox *>(focused)) {
        if (combo->lineEdit() && !combo->lineEdit()->text().isEmpty())
            combo->lineEdit()->selectAll();
    } else if (auto *spin = qobject_cast<QAbstractSpinBox *>(focused)) {
        spin->selectAll();
    }
}

QVariant ParseAmount(const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        // A number is already what the text would mean; reading its C-locale text would
        // take its decimal point for a thousands separator.
        return value.toDouble();
    default:
        return amountTextToNumber(value.toString());
    }
}

double RatioAmount(const QVariant &a, const QVariant &b, const QVariant &c)
{
    const double divisor = ParseAmount(b).toDouble();
    if (divisor == 0)
        return 0;
    return ParseAmount(a).toDouble() / divisor * ParseAmount(c).toDouble();
}

double numberValue(const QString &text)
{
    int i = 0;
    const int size = int(text.size());
    while (i < size && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    QByteArray number;
    if (i < size && (text.at(i) == u'-' || text.at(i) == u'+'))
        number.append(char(text.at(i++).unicode()));
    bool digits = false;
    bool point = false;
    for (; i < size; ++i) {
        const QChar c = text.at(i);
        if (c >= u'0' && c <= u'9') {
            number.append(char(c.unicode()));
            digits = true;
        } else if (c == u'.' && !point) {
            number.append('.');
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    if (number.endsWith('.'))
        number.chop(1);
    return number.toDouble();
}

bool IsLetterCode(const QVariant &text)
{
    if (text.isNull())
        return false;
    const QString series = text.toString();
    auto letter = [](QChar c) {
        const char16_t code = c.unicode();
        return (code >= 65 && code <= 93) || (code >= 97 && code <= 122);
    };
    if (series.size() != 1 && series.size() != 2)
        return false;
    return letter(series.front()) && letter(series.back());
}

int DateKey(const QString &text)
{
    const QString joined = text.right(4) + text.mid(3, 2) + text.left(2);
    return int(numberValue(joined));
}

QString DateKeyToText(const QVariant &key)
{
    QString text = key.toString();
    // A key read back as a floating number carries no fraction worth showing.
    if (key.metaType().id() == QMetaType::Double)
        text = QString::number(qint64(key.toDouble()));
    return text.right(2) + u'.' + text.mid(4, 2) + u'.' + text.left(4);
}

namespace {
// The one rounding rule: value · 10^decimals, half away from zero, as a whole number. Fifteen
// digits first drop the binary noise of the product, so 1,005 rounds to 1,01. Written with
// the character conversions: the reports format tens of thousands of amounts at a time.
double roundedScaled(double value, int decimals)
{
    if (!std::isfinite(value))
        return 0;
    const double scaled = value * std::pow(10.0, decimals);
    if (!std::isfinite(scaled))
        return 0;
    // From fifteen whole digits on, the cut to fifteen digits decides the whole number, and
    // Qt breaks an exact tie upwards where the character conversion breaks it to even.
    if (std::fabs(scaled) >= 1e14)
        return std::round(QString::number(scaled, 'g', 15).toDouble());
    char digits[64];
    const auto written
        = std::to_chars(digits, digits + sizeof digits, scaled, std::chars_format::general, 15);
    double shortened = scaled;
    std::from_chars(digits, written.ptr, shortened);
    return std::round(shortened);
}
} // namespace

double roundNumber(double value, int decimals)
{
    return roundedScaled(value, decimals) / std::pow(10.0, decimals);
}

QString FormatNumber(double value, const QString &pattern)
{
    const qsizetype point = pattern.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(pattern.size() - point - 1);
    const bool grouping = pattern.contains(u',');
    const double scaled = roundedScaled(value, decimals);
    const bool negative = scaled < 0;
    // The whole number of the scaled amount: its last `decimals` digits are the fraction.
    char digits[400];
    char *end = std::to_chars(digits, digits + sizeof digits, std::fabs(scaled),
                              std::chars_format::fixed, 0)
                    .ptr;
    int count = int(end - digits);
    char padded[432];
    const int zeros = count <= decimals ? decimals - count + 1 : 0;
    std::fill(padded, padded + zeros, '0');
    std::copy(digits, end, padded + zeros);
    count += zeros;
    const int whole = count - decimals;

    QString result;
    result.reserve(count + count / 3 + 3);
    if (negative)
        result += u'-';
    for (int i = 0; i < whole; ++i) {
        if (grouping && i > 0 && (whole - i) % 3 == 0)
            result += u'.';
        result += QLatin1Char(padded[i]);
    }
    if (decimals > 0) {
        result += u',';
        for (int i = whole; i < count; ++i)
            result += QLatin1Char(padded[i]);
    }
    return result;
}

QString reformattedAmount(const QString &text, const QString &pattern)
{
    return FormatNumber(ParseAmount(text).toDouble(), pattern);
}

QString plainNumberText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    QString text = QString::number(value, 'f', 10);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text == QStringLiteral("-0"))
        text = QStringLiteral("0");
    return text.replace(u'.', u',');
}

QVariant FindListIndex(const QString &kind, const QVariant &id)
{
    const double value = numberValue(id.toString());
    // Ids are whole numbers well inside 64 bits; anything else matches no card.
    if (std::fabs(value) > 9.0e15 || value != std::trunc(value))
        return {};
    const qint64 wanted = qint64(value);
    const bool stock = kind.compare(QStringLiteral("S"), Qt::CaseInsensitive) == 0;
    const int record = stock ? stockRecordById(wanted, true) : accountRecordById(wanted, true);
    return record < 0 ? QVariant() : QVariant(record);
}

} // namespace kx
