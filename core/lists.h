// Settings rows and the in-memory stock and account lists, with look-up of a card by id.
#pragma once

#include <QString>
#include <QtGlobal>

namespace kx {

// Reloads, in this order, the settings rows (AyarRows, with the upgrade to row 54 and the
// print names 20..25), the stock lists (StokAllRows, StokRows, StokVar) and the account lists
// (CariAllRows, CariRows, CariVar) from the company's tables on Conn. Card lists come in
// Turkish alphabetical order of the name, without regard to case. A list whose query finds no
// rows keeps its previous contents. Throws DatabaseError.
void LoadLists(bool reloadSettings, bool reloadStock, bool reloadCari);

// The key that orders names the Turkish way: C < Ç, G < Ğ, I < İ (ı, I before i, İ),
// O < Ö, S < Ş, U < Ü, case ignored; digits before letters.
QString turkishSortKey(const QString &text);

// The record of the stock card with this id in StokAllRows (all) or StokRows; -1 when none,
// and for StokRows also when no card is live.
int stockRecordById(qint64 id, bool all);
// The same for accounts in CariAllRows or CariRows.
int accountRecordById(qint64 id, bool all);

} // namespace kx
