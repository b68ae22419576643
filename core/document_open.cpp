// Bringing a saved delivery note or invoice back into its page as it was saved.
#include "core/document_open.h"

#include "core/conversions.h"
#include "core/delivery_notes.h"
#include "core/document_kinds.h"
#include "core/document_lines.h"
#include "core/document_values.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/adodb.h"
#include "platform/grid.h"

#include <QHash>

#include <utility>

namespace kx {

namespace {

// The notes the invoice took over, each placed at the top in turn, so that the one read last
// stands first; they are ticked, and their lines go under them with the rates they were
// saved with. Loaded here and not through the grid's change notice, which a bulk fill mutes.
void loadTakenOverNotes(const DocumentView &view, qint64 invoiceId)
{
    ModuleState &s = state();
    Grid *grid = view.Grid1;
    Recordset &rs = *s.Rs;
    rs.Open(QStringLiteral("select id, serino, sirano, btarihi from ") + sqlTable(s.TblBelge)
                + QStringLiteral(" where ftrdrm=? and bmod=3 order by id"),
            *s.Conn, { invoiceId });
    const RowArray notes = rs.GetRows();
    rs.Close();
    const int count = notes.recordCount();
    for (int i = 0; i < count; ++i) {
        if (grid->Rows() == 1)
            grid->setRows(2);
        else
            grid->InsertRow(1);
        fillNoteRow(grid, 1, notes, i);
    }
    for (int r = 1; r <= count; ++r)
        grid->Cell(r, 1).setText(QStringLiteral("1"));

    // The lines of all the notes in one read, each note's together and in stored order.
    rs.Open(QStringLiteral("select ") + NoteLineFields + QStringLiteral(", belgeid from ")
                + sqlTable(s.TblBelge) + QStringLiteral(" where belgeid in (select id from ")
                + sqlTable(s.TblBelge)
                + QStringLiteral(" where ftrdrm=? and bmod=3) order by belgeid, id"),
            *s.Conn, { invoiceId });
    const RowArray lines = rs.GetRows();
    rs.Close();
    // Where each note's lines begin among them, and how many they are.
    QHash<qint64, std::pair<int, int>> linesOfNote;
    for (int i = 0; i < lines.recordCount(); ++i) {
        std::pair<int, int> &range = linesOfNote[lines.value(7, i).toLongLong()];
        if (range.second++ == 0)
            range.first = i;
    }
    // From the bottom up, so that the rows still to come keep their places.
    for (int r = count; r >= 1; --r) {
        const auto [first, lineCount]
            = linesOfNote.value(qint64(numberValue(grid->Cell(r, 0).Text())));
        insertLineRows(view, r, lines, first, lineCount, true);
    }
    layOutLineRows(grid);
}

void loadOwnLines(const DocumentView &view, const SavedHeader &header)
{
    ModuleState &s = state();
    Grid *grid = view.Grid1;
    Recordset &rs = *s.Rs;
    rs.Open(QStringLiteral("select stokid, stokadi, miktar, serial, birimfiyat, kdvoran from ")
                + sqlTable(s.TblBelge) + QStringLiteral(" where belgeid=? order by id"),
            *s.Conn, { header.id });
    const RowArray lines = rs.GetRows();
    rs.Close();
    const int count = lines.recordCount();
    const int first = grid->Rows();
    grid->setRows(first + count);
    for (int i = 0; i < count; ++i) {
        const int r = first + i;
        grid->Cell(r, 1).setText(QStringLiteral("1"));
        grid->Cell(r, 0).setText(lines.text(0, i));
        fillStoredLine(grid, r, lines, i, 0);
        if (header.kind == DocumentKind::InvoiceWithLines) {
            grid->Cell(r, s.ColFiyat).setText(lines.text(4, i));
            grid->Cell(r, s.ColKdvOrani).setText(lines.text(5, i));
            grid->Range(r, s.ColKdvsizFiyat, r, s.ColKdvTutari).setLocked(true);
        }
    }
}

// The figures the books hold: recomputed from the rounded line cells they can differ by a
// cent. The discount goes first, since a change of its cell recomputes the rows under it.
void showStoredTotals(Grid *totals, const SavedHeader &header)
{
    const QString &format = state().NumberFormat;
    const auto money = [&format](const QVariant &amount) {
        return FormatNumber(amountOf(amount), format);
    };
    totals->Cell(2, 3).setText(money(header.discount));
    totals->Cell(3, 3).setText(
        FormatNumber(amountOf(totals->Cell(1, 3).Text()) - amountOf(totals->Cell(2, 3).Text()),
                     format));
    totals->Cell(4, 3).setText(money(header.kdv1));
    totals->Cell(5, 3).setText(money(header.kdv2));
    totals->Cell(6, 3).setText(money(header.kdv3));
    totals->Cell(7, 3).setText(money(header.grandTotal));
}

} // namespace

bool readSavedHeader(qint64 id, SavedHeader *header)
{
    ModuleState &s = state();
    Recordset &rs = *s.Rs;
    rs.Open(QStringLiteral("select d.id, d.bmod, d.cariid, d.gircik, d.serino, d.sirano, "
                           "d.btarihi, d.fstarihi, d.aciklama, d.kdvdh, d.iskonto, c.silindi, "
                           "d.kdv1, d.kdv2, d.kdv3, d.yekun from ")
                + sqlTable(s.TblBelge) + QStringLiteral(" d left join ") + sqlTable(s.TblCari)
                + QStringLiteral(" c on c.id=d.cariid where d.id=? and d.bmod>0"),
            *s.Conn, { id });
    const bool found = !rs.Eof();
    if (found) {
        header->id = rs.Fields(0).toLongLong();
        header->kind = rs.Fields(1).toInt();
        header->accountId = rs.Fields(2).toLongLong();
        header->direction = rs.Fields(3).toInt();
        header->series = rs.Fields(4).toString();
        header->number = rs.Fields(5).toString();
        header->date = rs.Fields(6);
        header->dispatchDate = rs.Fields(7);
        header->note = rs.Fields(8).toString();
        header->vatMode = rs.Fields(9).toInt();
        header->discount = rs.Fields(10).toString();
        header->accountLive = !rs.Fields(11).isNull() && rs.Fields(11).toInt() == 0;
        header->kdv1 = rs.Fields(12).toString();
        header->kdv2 = rs.Fields(13).toString();
        header->kdv3 = rs.Fields(14).toString();
        header->grandTotal = rs.Fields(15).toString();
    }
    rs.Close();
    return found;
}

void LoadSavedDocument(const DocumentView &view, const SavedHeader &header, int account)
{
    QObject *panel = view.panelOfPage(pageOfDocumentKind(header.kind));
    Grid *grid = view.Grid1;
    setFieldText(panel, "XTSeriNo", header.series);
    setFieldText(panel, "XTSiraNo", header.number);
    setFieldIndex(panel, "XCBelge", header.direction);
    setFieldDate(panel, "XDBelge", DateKeyToText(header.date));
    setFieldDate(panel, "XDSevk", DateKeyToText(header.dispatchDate));
    setFieldText(panel, "XTAciklama", header.note);
    if (header.kind != DocumentKind::DeliveryNote)
        setFieldIndex(panel, "XCKdv", header.vatMode);
    // As a user's choice: the status line, and on the invoice page the open notes, unticked.
    setFieldIndex(panel, "XCCari", account);

    if (header.kind != DocumentKind::Invoice)
        grid->setRows(1);
    grid->setAutoRedraw(false);
    try {
        if (header.kind == DocumentKind::Invoice)
            loadTakenOverNotes(view, header.id);
        else
            loadOwnLines(view, header);
    } catch (...) {
        grid->setAutoRedraw(true);
        throw;
    }
    grid->setAutoRedraw(true);
    grid->Refresh();

    if (Grid *totals = view.totalsOfPage(pageOfDocumentKind(header.kind))) {
        RecalcDocument(view);
        showStoredTotals(totals, header);
    }
}

} // namespace kx
