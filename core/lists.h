// Settings rows and the in-memory stock and account lists, with look-up of a card by id.
#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QtGlobal>

#include <array>

namespace kx {

class Connection;

// Reloads, in this order, the settings rows (AyarRows, with the upgrade to row 54 and the
// print names 20..25), the stock lists (StokAllRows, StokRows, StokVar) and the account lists
// (CariAllRows, CariRows, CariVar) from the company's tables on Conn. Card lists come in
// Turkish alphabetical order of the name, without regard to case. A list whose query finds no
// rows keeps its previous contents. Throws DatabaseError.
void LoadLists(bool reloadSettings, bool reloadStock, bool reloadCari);

// Column a<column> of settings row 54 (AyarTablolar) as the settings load adds it at a
// company's first login: a1..a4 put each company on its own stock and account tables ("0",
// "0", "1", "1"), a5 and a6 turn the price write-back and the low-stock warning on ("1").
QString tableUsageDefault(int column);
// Whether the settings load adds row 54 to a settings table holding rows of these ids: exactly
// 53 rows, none of them row 54.
bool tableUsageRowDue(const QList<QVariant> &ids);
// Adds that row 54 to the settings table `table` on connection. Throws DatabaseError.
void addTableUsageRow(Connection &connection, const QString &table);

// What a company's settings table holds of row 54: the row itself; exactly rows 1..53, so
// that the company's first login adds the row; or neither.
enum class TableUsageRow { Stored, AddedAtFirstLogin, None };
struct TableUsage
{
    TableUsageRow row = TableUsageRow::None;
    // Columns a1..a4 as the company's next login reads them: as stored, or as its first login
    // adds them; empty for None.
    std::array<QString, 4> choices;
};
// Reads that of the settings table `table` on connection, in one statement. Throws
// DatabaseError.
TableUsage readTableUsage(Connection &connection, const QString &table);

// The key that orders names the Turkish way: C < Ç, G < Ğ, I < İ (ı, I before i, İ),
// O < Ö, S < Ş, U < Ü, case ignored; digits before letters.
QString turkishSortKey(const QString &text);

// The record of the stock card with this id in StokAllRows (all) or StokRows; -1 when none,
// and for StokRows also when no card is live.
int stockRecordById(qint64 id, bool all);
// The same for accounts in CariAllRows or CariRows.
int accountRecordById(qint64 id, bool all);

} // namespace kx
