// Stock on hand: the rule, the movements of every card, one card's with the low-stock warning.
#pragma once

#include "platform/row_array.h"

#include <QHash>
#include <QList>
#include <QVariant>

namespace kx {

class Connection;

// The summed quantities of a card's goods lines, in and out.
struct StockMovement
{
    double incoming = 0;
    double outgoing = 0;
};

// The movements of every card that has lines, in one grouped read on connection.
QHash<qint64, StockMovement> stockMovementsOfAll(Connection &connection);

// The stock-on-hand rule for record `record` of a card list (StokRows or StokAllRows): its
// opening quantity plus movement; 0 for the "BARKOD" pseudo card. The warning level plays no
// part here.
double stockQuantity(const RowArray &cards, int record, const StockMovement &movement);

// Opening quantity plus incoming minus outgoing lines, read through Conn2, which the caller
// holds open. An empty value when the card has no warning level (or is not listed), 0 for
// the "BARKOD" pseudo card. With warn set it warns when the settings ask for it.
QVariant StockOnHand(const QVariant &stockId, bool warn);

// One goods line of a saved document, as the stock warning sees it.
struct StockLine
{
    qint64 stockId = 0;
    double quantity = 0;
    bool incoming = false;
};

// The warning of StockOnHand for each of a saved document's lines, in line order, each with the
// quantity as it stood once that line was written: the final quantities are read in one go
// after the save, and the lines after each one are taken back out of them. Conn2 held open
// by the caller.
void WarnLowStock(const QList<StockLine> &lines);

} // namespace kx
