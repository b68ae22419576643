// What a stored document means: kind labels, account balance, month names and column sums.
#pragma once

#include "core/pages.h"

#include <QString>
#include <QVariant>

namespace kx {

class Grid;

// The kinds of document stored in bmod.
namespace DocumentKind {
enum : int {
    DeliveryNote = 3,
    Invoice = 4, // over delivery notes, with no lines of its own
    InvoiceWithLines = 5,
    Payment = 6,
};
} // namespace DocumentKind

// Each document page enters the document kind of its own number; a payment has no page.
constexpr int documentKindOfPage(int page)
{
    return page;
}

constexpr int pageOfDocumentKind(int kind)
{
    return kind;
}

static_assert(documentKindOfPage(Page::DeliveryNote) == DocumentKind::DeliveryNote);
static_assert(documentKindOfPage(Page::Invoice) == DocumentKind::Invoice);
static_assert(documentKindOfPage(Page::InvoiceWithLines) == DocumentKind::InvoiceWithLines);

// The short label of a (bmod, gircik) pair; empty for any pair outside the twelve.
QString DocumentKindName(const QVariant &bmod, const QVariant &gircik);

// True for the goods-out pairs: an outgoing delivery note and a sale invoice (open or in
// cash), the pairs whose label reads "(Çıkış)". Every other pair moves goods in.
bool DocumentGoesOut(const QVariant &bmod, const QVariant &gircik);

// A document key: the kind digit 3 to 6 followed directly by the document's id ("4125").
bool isDocumentKey(const QString &key);

// Opening debit and credit of the account plus its invoices and payments dated before
// dateBound (0: all). Writes AccountDebtSum, AccountCreditSum and HesapDurumu and returns the
// balance as signed amount text.
QString ComputeAccountBalance(qint64 accountId, bool ownConnection, qint64 dateBound = 0);

// The status line of one account, empty below id 1.
QString AccountStatusText(qint64 accountId);

// "Ocak" .. "Aralık" for a value whose number is 1 .. 12, else an empty value.
QVariant MonthName(const QVariant &month);
// "01" .. "12" for an exact month name, else an empty value.
QVariant MonthNumber(const QVariant &name);

// The sum of the amounts in one column from firstRow to lastRow inclusive; 0 when firstRow
// lies after lastRow.
double SumGridColumn(Grid *grid, int col, int firstRow, int lastRow);

} // namespace kx
