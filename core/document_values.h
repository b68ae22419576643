// Small helpers that the document routines share.
#pragma once

#include "core/conversions.h"

#include <QString>

#include <QVariant>
#include <cmath>

namespace kx {

// An amount read as a plain number; Null counts 0.
inline double amountOf(const QVariant &value)
{
    return ParseAmount(value).toDouble();
}

// Amounts are added up in whole millionths, exactly: a total that lands on half a cent then
// rounds the same whatever the order of its parts. Statements sum the same units with
// AmountUnitsSql.
inline qint64 amountUnits(const QVariant &value)
{
    // Nine trillion is far beyond any amount; past it the count would overflow.
    return std::llround(qBound(-9.0e18, amountOf(value) * 1e6, 9.0e18));
}
inline double unitsAmount(qint64 units)
{
    return double(units) / 1e6;
}
// amountUnits of column in SQL, for sum().
inline QString AmountUnitsSql(const QString &column)
{
    return QStringLiteral("cast(round(amount(") + column + QStringLiteral(")*1000000) as integer)");
}

} // namespace kx
