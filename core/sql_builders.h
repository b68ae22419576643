// The shared update and insert builders over FieldValues, and document numbering.
#pragma once

#include <QString>
#include <QVariant>

class QLineEdit;

namespace kx {

// A table of the fixed table set, double-quoted for statement text ("1Stok" → "\"1Stok\"").
// Any other name throws DatabaseError, so no typed text can reach a statement this way.
QString sqlTable(const QString &table);

// Updates columns a1..a50 of the row `id` from the FieldValues slots that do not hold the
// skip mark, values bound; resets slots 1..50. With no slot set nothing is run. A slot that
// was never filled counts as skipped; an empty text is written as ''.
void ExecUpdate(const QString &table, const QVariant &id);
// Inserts a row from slots 1..18; resets slots 1..18. Returns the new row's id (0 when no
// slot was set and nothing was run).
qint64 ExecInsert(const QString &table);

// The next sequence number of a document kind and series in TblBelge: the highest number
// + 1, counted numerically ("12A" counts as 12); "1" when there is none.
QString NextSiraNo(int kind, const QString &series);
void NextSiraNo(QLineEdit *field, int kind, const QString &series);

// LastBelgeId = the highest id of the documents table TblBelge (empty for an empty table).
void LoadLastId();

} // namespace kx
