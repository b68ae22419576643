// What a stock choice on a document panel reads from the live stock rows.
#pragma once

#include <QString>
#include <QVariant>

namespace kx {

// The first live stock record, in name order, whose barcode equals the text exactly (case
// kept); -1 when none does. An empty text matches no card: cards without a barcode are not
// a match for an empty field.
int findBarcodeRecord(const QString &barcode);
// The stored price a choice puts into the price field, unformatted: the purchase price for
// the incoming directions 1 and 3, the sale price for any other.
QString priceForDirection(int record, int direction);
// "Stok (12)       Satış / Alış : 15,00 / 12,50": quantity as plain number text (nothing
// when it is empty), both prices in the price format.
QString stockInfoText(int record, const QVariant &onHand);

} // namespace kx
