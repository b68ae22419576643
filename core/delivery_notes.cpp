// The open delivery notes of an account on the invoice page, and their lines under them.
#include "core/delivery_notes.h"

#include "core/conversions.h"
#include "core/document_lines.h"
#include "core/document_values.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/grid.h"

namespace kx {

namespace {
const QColor lineHighlight(0xFF, 0xFF, 0xE1);
} // namespace

void layOutLineRows(Grid *grid)
{
    const ModuleState &s = state();
    const int last = grid->Cols() - 1;
    for (int r = 1; r < grid->Rows(); ++r) {
        if (!grid->Cell(r, s.ColBelge).Text().isEmpty() || grid->Cell(r, 1).Data().toBool())
            continue;
        grid->Range(r, 1, r, last).setLocked(false);
        // The filler under the note's choice cell is no choice of its own: no check box, and
        // nothing to type there.
        GridRange blank = grid->Range(r, 1, r, 3);
        blank.Merge();
        blank.setBackColor(grid->BackColorBkg());
        blank.setLocked(true);
        grid->Cell(r, 1).setCellType(CellTypeText);
        grid->Range(r, 4, r, 6).setBackColor(lineHighlight);
        grid->Range(r, s.ColKdvsizFiyat, r, last).setLocked(true);
        grid->Cell(r, 1).setData(true);
    }
}

void LoadOpenDeliveryNotes(const DocumentView &view)
{
    ModuleState &s = state();
    Grid *grid = view.Grid1;
    if (!grid)
        return;
    grid->setRows(1);
    const int account = fieldIndex(view.RB1, "XCCari");
    if (account < 0 || s.CariVar == QLatin1String("yok"))
        return;

    // Out notes for the two sale directions, in notes for the two purchase ones; no direction
    // chosen (-1) matches none. The unary pluses keep the engine on the account's index, which
    // narrows far more than the index of all free notes.
    const int direction = fieldIndex(view.RB1, "XCBelge");
    Recordset &rs = *s.Rs;
    rs.Open(QStringLiteral("select id, serino, sirano, btarihi from ") + sqlTable(s.TblBelge)
                + QStringLiteral(" where +ftrdrm=0 and +bmod=3 and cariid=? and silindi=0 and "
                                 "gircik=? order by id"),
            *s.Conn, { s.CariRows.value(0, account), direction < 0 ? -1 : direction % 2 });
    const RowArray notes = rs.GetRows();
    rs.Close();

    grid->setAutoRedraw(false);
    const int first = grid->Rows();
    grid->setRows(first + notes.recordCount());
    for (int i = 0; i < notes.recordCount(); ++i)
        fillNoteRow(grid, first + i, notes, i);
    grid->setAutoRedraw(true);
    grid->Refresh();
}

void fillNoteRow(Grid *grid, int row, const RowArray &notes, int record)
{
    const ModuleState &s = state();
    grid->Cell(row, 0).setText(notes.text(0, record));
    grid->Cell(row, s.ColBelge).setText(notes.text(1, record) + notes.text(2, record));
    grid->Cell(row, s.ColTarih).setText(DateKeyToText(notes.value(3, record)));
    GridRange rest = grid->Range(row, s.ColStokKodu, row, grid->Cols() - 1);
    rest.Merge();
    rest.setBackColor(grid->BackColorBkg());
    grid->Range(row, 2, row, 4).setLocked(true);
    grid->setRowHeight(row, NoteRowHeight);
}

int fillStoredLine(Grid *grid, int row, const RowArray &lines, int record, int stockField)
{
    const ModuleState &s = state();
    const QVariant found = FindListIndex(QStringLiteral("S"), lines.value(stockField, record));
    // A card that is not loaded (made on another computer meanwhile) leaves its cells empty.
    const int card = found.isNull() ? -1 : found.toInt();
    const RowArray &cards = s.StokAllRows;
    grid->Cell(row, s.ColStokKodu).setText(card < 0 ? QString() : cards.text(1, card));
    grid->Cell(row, s.ColStokAdi).setText(lines.text(stockField + 1, record));
    grid->Cell(row, s.ColMiktar)
        .setText(plainNumberText(lines.value(stockField + 2, record).toDouble()));
    grid->Cell(row, s.ColBarkod).setText(card < 0 ? QString() : cards.text(11, card));
    grid->Cell(row, s.ColSeriNo).setText(lines.text(stockField + 3, record));
    return card;
}

void insertLineRows(const DocumentView &view, int row, const RowArray &lines, int first, int count,
                    bool storedRates)
{
    const ModuleState &s = state();
    Grid *grid = view.Grid1;
    if (count > 0) {
        if (row == grid->Rows() - 1)
            grid->setRows(grid->Rows() + count);
        else
            grid->InsertRow(row + 1, count);
    }
    // Sales compare with the card's sale price, purchases with its purchase price.
    const bool outgoing = fieldIndex(view.RB1, "XCBelge") % 2 == 0;
    for (int i = 0; i < count; ++i) {
        const int r = row + 1 + i;
        const int record = first + i;
        const int card = fillStoredLine(grid, r, lines, record, 1);
        const RowArray &cards = s.StokAllRows;
        grid->Cell(r, 0).setText(lines.text(0, record));
        grid->Cell(r, 0).setData(lines.value(1, record));
        QString price = lines.text(5, record);
        if (price.isEmpty() && card >= 0)
            price = cards.text(outgoing ? 6 : 4, card);
        grid->Cell(r, s.ColFiyat).setText(price);
        QString rate = storedRates ? lines.text(6, record) : QString();
        if (rate.isEmpty() && card >= 0)
            rate = cards.text(3, card);
        grid->Cell(r, s.ColKdvOrani).setText(rate);
        grid->setRowHeight(r, LineRowHeight);
    }
}

int insertNoteLines(const DocumentView &view, int row, bool storedRates)
{
    ModuleState &s = state();
    Recordset &rs = *s.Rs;
    rs.Open(QStringLiteral("select ") + NoteLineFields + QStringLiteral(" from ")
                + sqlTable(s.TblBelge) + QStringLiteral(" where belgeid=? order by id"),
            *s.Conn, { qint64(numberValue(view.Grid1->Cell(row, 0).Text())) });
    const RowArray lines = rs.GetRows();
    rs.Close();
    insertLineRows(view, row, lines, 0, lines.recordCount(), storedRates);
    return lines.recordCount();
}

void LoadDocumentLines(const DocumentView &view, int row, int col)
{
    ModuleState &s = state();
    Grid *grid = view.Grid1;
    // Only a note row's choice cell loads or removes lines; every note row holds its number.
    if (!grid || row < 1 || row >= grid->Rows() || grid->Cell(row, s.ColBelge).Text().isEmpty())
        return;
    grid->setAutoRedraw(false);

    if (numberValue(grid->Cell(row, col).Text()) == 1) {
        insertNoteLines(view, row, false);
    } else {
        int end = row + 1;
        while (end < grid->Rows() && grid->Cell(end, s.ColBelge).Text().isEmpty())
            ++end;
        if (end > row + 1)
            grid->RemoveRow(row + 1, end - row - 1);
    }

    layOutLineRows(grid);
    grid->setAutoRedraw(true);
    grid->Refresh();
    RecalcDocument(view);
}

} // namespace kx
