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

} // namespace kx
