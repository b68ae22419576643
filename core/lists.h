// Settings rows and the in-memory stock and account lists, with look-up of a card by id.
#pragma once

#include <QtGlobal>

namespace kx {

// The record of the stock card with this id in StokAllRows (all) or StokRows; -1 when none.
int stockRecordById(qint64 id, bool all);
// The same for accounts in CariAllRows or CariRows.
int accountRecordById(qint64 id, bool all);

} // namespace kx
