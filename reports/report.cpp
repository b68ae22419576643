// The report rows: the totals row, the options snapshot and the writing into a grid.
#include "reports/report.h"

#include "core/panel_fields.h"
#include "platform/grid.h"

namespace kx {

void AddReportTotalRow(Report &report, const QString &text)
{
    ReportRow row;
    row.kind = ReportRowKind::Total;
    row.cells = QStringList { QString(), text };
    row.backColor = ReportYellow;
    row.bold = true;
    row.merges = { ReportMerge { 1, -1 } };
    row.styles = { ReportCellStyle { 1, 10, -1, true } };
    report.rows.append(row);
}

ReportOptions ReadReportOptions(QObject *rx, const QDate &today)
{
    const auto ticked = [rx](const char *property) { return fieldValue(rx, property) != 0; };
    ReportOptions o;
    o.today = today;

    o.account = fieldIndex(rx, "XCCari");
    o.accountText = fieldText(rx, "XCCari");
    o.statementRange = ticked("XBTar1");
    o.statementFrom = fieldDateKey(rx, "XDTarA1");
    o.statementTo = fieldDateKey(rx, "XDTarB1");
    o.stockDetail = ticked("XBStok");

    o.purchasePrice = ticked("XOGiris2");
    o.raise = ticked("XBArti");
    o.raiseText = fieldText(rx, "XTArti");
    o.reduce = ticked("XBEksi");
    o.reduceText = fieldText(rx, "XTEksi");

    o.cashMonthly = ticked("XOAylik");
    o.cashDaily = ticked("XOGunluk");
    o.cashDayDetail = ticked("XOGunDetay");
    for (int i = 0; i < fieldCount(rx, "XCKasaAy"); ++i)
        o.cashMonths << fieldItem(rx, "XCKasaAy", i);
    o.cashMonth = fieldText(rx, "XCKasaAy");
    o.cashDay = fieldDateKey(rx, "XDTar3");

    o.debtorsOnly = ticked("XOBorclu");
    o.creditorsOnly = ticked("XOAlacakli");
    o.withBalanceOnly = ticked("XOBakiyeli");
    o.allAccounts = ticked("XOTumu4");

    o.vatAll = ticked("XOTumu5");
    o.vatOutgoing = ticked("XOCikis5");
    o.vatIncoming = ticked("XOGiris5");
    o.vatRange = ticked("XBTar5");
    o.vatFrom = fieldDateKey(rx, "XDTarA5");
    o.vatTo = fieldDateKey(rx, "XDTarB5");

    o.stock = fieldIndex(rx, "XCStok");
    o.stockText = fieldText(rx, "XCStok");
    o.movementRange = ticked("XBTar6");
    o.movementFrom = fieldDateKey(rx, "XDTarA6");
    o.movementTo = fieldDateKey(rx, "XDTarB6");

    o.byPurchasePrice = ticked("XOAlis");
    o.bySalePrice = ticked("XOSatis");
    o.byLastCost = ticked("XOMaliyet");
    o.byAverageCost = ticked("XOOrtMal");

    o.chequesInCash = ticked("XOKasada");
    o.chequesOut = ticked("XODisarida");
    o.chequesEndorsed = ticked("XOCiro");
    o.chequesCollected = ticked("XOTahsil");
    o.chequesPaid = ticked("XOOdenen");
    o.chequesAll = ticked("XOTumu8");
    return o;
}

void WriteReportRows(Grid *grid, const QList<ReportRow> &rows)
{
    if (!grid || rows.isEmpty())
        return;
    const int first = grid->Rows();
    const int cols = grid->Cols();
    const int lastCol = cols - 1;
    // One growth for all rows: each added row costs the view a notification.
    grid->setRows(first + int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const ReportRow &row = rows.at(i);
        const int r = first + i;
        grid->setRowTag(r, int(row.kind));
        const int count = qMin(int(row.cells.size()), cols);
        for (int c = 0; c < count; ++c) {
            if (!row.cells.at(c).isEmpty())
                grid->Cell(r, c).setText(row.cells.at(c));
        }
        if (row.hidden)
            grid->setRowHeight(r, 0);
        else if (row.height > 0)
            grid->setRowHeight(r, row.height);
        if (lastCol >= 1) {
            if (row.backColor.isValid())
                grid->Range(r, 1, r, lastCol).setBackColor(row.backColor);
            if (row.bold)
                grid->Range(r, 1, r, lastCol).setFontBold(true);
        }
        for (const ReportMerge &merge : row.merges) {
            const int last = merge.last < 0 ? lastCol : qMin(merge.last, lastCol);
            if (last > merge.first)
                grid->Range(r, merge.first, r, last).Merge();
        }
        for (const ReportCellStyle &style : row.styles) {
            GridCell cell = grid->Cell(r, style.col);
            if (style.alignment >= 0)
                cell.setCellAlignment(style.alignment);
            if (style.cellType >= 0)
                cell.setCellType(style.cellType);
            if (style.data.isValid())
                cell.setData(style.data);
            if (style.border) {
                for (int edge : { 3, 2, 0, 1 })
                    cell.setBorder(edge, 2);
            }
        }
    }
}

ReportRowKind reportRowKind(const Grid *grid, int row)
{
    if (!grid || row < 1 || row >= grid->Rows())
        return ReportRowKind::None;
    const int tag = grid->RowTag(row);
    if (tag < int(ReportRowKind::None) || tag > int(ReportRowKind::Footer))
        return ReportRowKind::None;
    return ReportRowKind(tag);
}

} // namespace kx
