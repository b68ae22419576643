// Number, text and card look-ups that the document routines share.
#pragma once

#include <QString>
#include <QVariant>

namespace kx {

// Val: the leading decimal number of a value's text, 0 when there is none.
double valueOf(const QVariant &value);
// A Turkish amount text read as a number; Null and non-numbers count 0.
double parseAmountNumber(const QVariant &value);
// A number written with a pattern such as "#,##0.00" in the Turkish notation.
QString formatAmount(double value, const QString &pattern);
// A number as plain text with a decimal comma and no grouping (12, 4,5).
QString plainNumber(double value);
// The record of a card in StokAllRows (kind "S") or CariAllRows; invalid when absent.
QVariant cardRowIndex(const QString &kind, const QVariant &id);
// A table of the fixed set as statement text; the names begin with a digit.
inline QString quoted(const QString &table)
{
    return QLatin1Char('"') + table + QLatin1Char('"');
}

} // namespace kx
