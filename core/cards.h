// The stock and account card tables: the start-up clean-up, the tables a company uses, the code
// proposal, the duplicate-code check and the soft delete.
#pragma once

#include "core/pages.h"

#include <QString>
#include <QtGlobal>

namespace kx {

// The kinds of card, as PopKind and the card commands name them.
namespace CardKind {
enum : int {
    Stock = 1,
    Account = 2,
};
} // namespace CardKind

// Each list page shows the card kind of its own number.
constexpr int cardKindOfPage(int page)
{
    return page;
}

constexpr int listPageOfCardKind(int kind)
{
    return kind;
}

static_assert(cardKindOfPage(Page::StockList) == CardKind::Stock);
static_assert(cardKindOfPage(Page::AccountList) == CardKind::Account);

// Stores every stock card's code and name of table again in plain upper-case letters, in one
// transaction, writing only the cards whose folded code or name differs. Returns the number of
// cards written. Throws DatabaseError (nothing is written then).
int cleanStockNames(const QString &table);

// The stock and account tables that settings row 54 gives company firmaId.
struct CardTables
{
    QString stock;
    QString accounts;
};
CardTables chooseCardTables(int firmaId);

// The largest code of the live cards of table that reads as a number (0 when none does).
// Throws DatabaseError.
double largestCardCode(const QString &table);

// True when a live card of table other than exceptId (0: none) holds code. Throws DatabaseError.
bool cardCodeTaken(const QString &table, const QString &code, qint64 exceptId = 0);

// Marks card id of table deleted; its rows stay for the documents that point at it. Throws
// DatabaseError.
void softDeleteCard(const QString &table, qint64 id);

} // namespace kx
