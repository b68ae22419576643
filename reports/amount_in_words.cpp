// A whole amount in Turkish words, run together as printed documents write it.
#include "reports/amount_in_words.h"

#include <QRegularExpression>

#include <array>
#include <cmath>

namespace kx {

namespace {

const QString failed = QStringLiteral("Hata");

// The value as a number: numbers as they are, texts in Turkish notation (points between
// thousands, a comma before decimals). False for a text that is no such number.
bool readNumber(const QVariant &value, double &number)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        number = value.toDouble();
        return true;
    case QMetaType::QString:
        break;
    default:
        return false;
    }
    static const QRegularExpression turkish(
        QStringLiteral("^\\s*(-?)(\\d{1,3}(?:\\.\\d{3})+|\\d+)(?:,(\\d*))?\\s*$"));
    const QRegularExpressionMatch match = turkish.match(value.toString());
    if (!match.hasMatch())
        return false;
    QString plain = match.captured(2).remove(QLatin1Char('.'));
    if (!match.captured(3).isEmpty())
        plain += QLatin1Char('.') + match.captured(3);
    bool ok = false;
    number = plain.toDouble(&ok);
    if (!match.captured(1).isEmpty())
        number = -number;
    return ok;
}

} // namespace

QString AmountInWords(const QVariant &value)
{
    double number = 0;
    if (!readNumber(value, number) || !std::isfinite(number) || number != std::trunc(number))
        return failed;
    // Fifteen digits at most; a larger number would be written with an exponent anyway.
    if (std::fabs(number) >= 1e15)
        return failed;
    const bool negative = number < 0;
    const QString digits
        = QStringLiteral("%1").arg(qint64(std::fabs(number)), 15, 10, QLatin1Char('0'));

    static const std::array<const char *, 10> units
        = { "", "Bir", "İki", "Üç", "Dört", "Beş", "Altı", "Yedi", "Sekiz", "Dokuz" };
    static const std::array<const char *, 10> tens
        = { "", "On", "Yirmi", "Otuz", "Kırk", "Elli", "Altmış", "Yetmiş", "Seksen", "Doksan" };
    static const std::array<const char *, 5> groups = { "Trilyon", "Milyar", "Milyon", "Bin", "" };

    QString result;
    for (int g = 0; g < 5; ++g) {
        const int h = digits.at(g * 3).digitValue();
        const int t = digits.at(g * 3 + 1).digitValue();
        const int u = digits.at(g * 3 + 2).digitValue();
        QString part;
        if (h == 1)
            part = QStringLiteral("Yüz");
        else if (h > 1)
            part = QString::fromUtf8(units[h]) + QStringLiteral("Yüz");
        part += QString::fromUtf8(tens[t]) + QString::fromUtf8(units[u]);
        if (!part.isEmpty())
            part += QString::fromUtf8(groups[g]);
        // One thousand is "Bin"; one million and above keep their "Bir".
        if (g == 3 && part == QStringLiteral("BirBin"))
            part = QStringLiteral("Bin");
        result += part;
    }
    if (result.isEmpty())
        result = QStringLiteral("Sıfır");
    if (negative)
        result.prepend(QStringLiteral("Eksi"));
    return result;
}

} // namespace kx
