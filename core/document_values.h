// Small helpers that the document routines share.
#pragma once

#include "core/conversions.h"

#include <QString>
#include <QVariant>

namespace kx {

// An amount read as a plain number; Null counts 0.
inline double amountOf(const QVariant &value)
{
    return ParseAmount(value).toDouble();
}

// A table of the fixed set as statement text; the names begin with a digit.
inline QString quoted(const QString &table)
{
    return QLatin1Char('"') + table + QLatin1Char('"');
}

} // namespace kx
