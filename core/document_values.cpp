// Number, text and card look-ups that the document routines share.
#include "core/document_values.h"

#include "core/state.h"

#include <QRegularExpression>

#include <cmath>

namespace kx {

double valueOf(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return 0;
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int
        || value.typeId() == QMetaType::LongLong)
        return value.toDouble();
    static const QRegularExpression leading(QStringLiteral("^\\s*([-+]?(\\d+(\\.\\d*)?|\\.\\d+))"));
    const auto match = leading.match(value.toString());
    return match.hasMatch() ? match.captured(1).toDouble() : 0;
}

double parseAmountNumber(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return 0;
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int
        || value.typeId() == QMetaType::LongLong)
        return value.toDouble();
    const QString text = value.toString();
    QString kept;
    for (const QChar c : text) {
        if (c.isDigit() && c.unicode() < 128)
            kept += c;
        else if (c == ',')
            kept += '.';
    }
    double number = valueOf(kept);
    if (text.startsWith('-'))
        number = -number;
    return number;
}

QString formatAmount(double value, const QString &pattern)
{
    const int point = pattern.indexOf('.');
    const int decimals = point < 0 ? 0 : int(pattern.size() - point - 1);
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(std::abs(value) * scale) / scale;
    QString digits = QString::number(rounded, 'f', decimals);
    QString whole = digits.section('.', 0, 0);
    const QString fraction = digits.section('.', 1);
    for (int i = int(whole.size()) - 3; i > 0; i -= 3)
        whole.insert(i, '.');
    QString text = decimals > 0 ? whole + ',' + fraction : whole;
    if (value < 0 && rounded != 0)
        text.prepend('-');
    return text;
}

QString plainNumber(double value)
{
    QString text = QString::number(value, 'g', 15);
    return text.replace('.', ',');
}

QVariant cardRowIndex(const QString &kind, const QVariant &id)
{
    const ModuleState &s = state();
    const RowArray &rows = kind.toUpper() == QLatin1String("S") ? s.StokAllRows : s.CariAllRows;
    const double wanted = valueOf(id);
    for (int r = 0; r < rows.recordCount(); ++r) {
        if (rows.value(0, r).toDouble() == wanted)
            return r;
    }
    return {};
}

} // namespace kx
