// The open delivery notes of an account on the invoice page, and their lines under them.
#pragma once

#include "core/panel_fields.h"
#include "platform/row_array.h"

#include <QString>

namespace kx {

constexpr int NoteRowHeight = 17;
constexpr int LineRowHeight = 18;

// Lists the chosen account's free delivery notes of the invoice's direction, in id order.
void LoadOpenDeliveryNotes(const DocumentView &view);
// After the choice cell of note row `row` changed: loads the note's lines under it when it
// reads 1, removes exactly those lines otherwise; then recomputes the document.
void LoadDocumentLines(const DocumentView &view, int row, int col);

// Writes record `record` of notes (id, serino, sirano, btarihi) into grid row `row` as a note
// row: number, date, the rest merged, height 17.
void fillNoteRow(Grid *grid, int row, const RowArray &notes, int record);
// Writes a stored line's card code and barcode, name, quantity and serial into grid row `row`;
// fields stockField to stockField + 3 of record `record` are stokid, stokadi, miktar, serial.
// Returns the card's record in StokAllRows, -1 when it is not loaded (its cells stay empty).
int fillStoredLine(Grid *grid, int row, const RowArray &lines, int record, int stockField);
// The fields of a stored note line that insertLineRows takes, in this order.
inline const QString NoteLineFields
    = QStringLiteral("id, stokid, stokadi, miktar, serial, birimfiyat, kdvoran");
// Inserts records first to first + count - 1 of lines (NoteLineFields first) right under
// the note in row `row`, as line rows. The VAT rate is the card's, or with storedRates the one
// saved with the line by the invoice that took the note over (the card's when the line has
// none).
void insertLineRows(const DocumentView &view, int row, const RowArray &lines, int first, int count,
                    bool storedRates);
// Reads the lines of the note in row `row` and inserts them right under it; returns their
// count. Throws DatabaseError.
int insertNoteLines(const DocumentView &view, int row, bool storedRates);
// Gives the line rows that have not been laid out yet their look and locks; a mark on the
// column-1 cell keeps a row from being laid out twice.
void layOutLineRows(Grid *grid);

} // namespace kx
