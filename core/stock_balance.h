// Stock on hand of one card, with the low-stock warning.
#pragma once

#include <QList>
#include <QVariant>

namespace kx {

// Opening quantity plus incoming minus outgoing lines, read through Conn2, which the caller
// holds open. An empty value when the card has no warning level (or is not listed), 0 for
// the "BARKOD" pseudo card. With warn set it warns when the settings ask for it.
QVariant StockOnHand(const QVariant &stockId, bool warn);

// The warning of StockOnHand for each card of a saved document's lines, in line order, with
// the quantities read in one go; Conn2 held open by the caller.
void WarnLowStock(const QList<qint64> &stockIds);

} // namespace kx
