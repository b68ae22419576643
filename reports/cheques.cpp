// The company's cheques: the report of the cheque page and the save of the page's rows.
#include "reports/cheques.h"
#include "reports/report_pages.h"

#include "core/conversions.h"
#include "core/document_values.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/grid.h"

#include <QDate>

namespace kx {

namespace {

const QColor DueRed = QColor(255, 0, 0);

// The statuses of a cheque that is done with: no longer due, whatever its date.
bool settled(const QString &status)
{
    return status == ChequeState::Endorsed || status == ChequeState::Collected
        || status == ChequeState::Paid;
}

bool filteredOut(const ReportOptions &o, const QString &status)
{
    return (o.chequesInCash && status != ChequeState::InCash)
        || (o.chequesEndorsed && status != ChequeState::Endorsed)
        || (o.chequesCollected && status != ChequeState::Collected)
        || (o.chequesOut && status != ChequeState::Out)
        || (o.chequesPaid && status != ChequeState::Paid);
}

int dateKeyOf(const QDate &date)
{
    return date.year() * 10000 + date.month() * 100 + date.day();
}

// A stored cheque whose due date text is still the one it was shown with.
bool keepsStoredVade(const ChequeRow &cheque)
{
    return cheque.loaded && cheque.vade == cheque.loadedVade;
}

} // namespace

Report ChequesReport(const ReportOptions &o)
{
    const ModuleState &s = state();
    Recordset rs;
    rs.Open(QStringLiteral("select vade, cekno, banka, veren, alan, tutar, cdurum from ")
                + sqlTable(s.TblCek) + QStringLiteral(" order by vade, id"),
            *s.Conn);
    const RowArray &rows = rs.rows();
    const int today = dateKeyOf(o.today);
    double total = 0;
    Report report;
    report.rows.reserve(rows.recordCount() + 1);
    for (int r = 0; r < rows.recordCount(); ++r) {
        ReportRow row;
        // The fields in the order of the page's columns, after the empty column 0.
        row.cells = { QString(),       DateKeyToText(rows.value(0, r)),
                      rows.text(1, r), rows.text(2, r),
                      rows.text(3, r), rows.text(4, r),
                      rows.text(5, r), rows.text(6, r) };
        const QString &vade = row.cells.at(ChequeColumn::DueDate);
        // The stored due date goes with its cell: one the grid cannot show as a date is saved
        // again as it was unless the user types another.
        row.styles = { ReportCellStyle { ChequeColumn::DueDate, -1, -1, false,
                                         QVariantList { vade, rows.value(0, r) } },
                       ReportCellStyle { ChequeColumn::Giver, -1, CellTypeComboBox, false },
                       ReportCellStyle { ChequeColumn::Receiver, -1, CellTypeComboBox, false },
                       ReportCellStyle { ChequeColumn::State, -1, CellTypeComboBox, false } };
        const QString &status = row.cells.at(ChequeColumn::State);
        // Filtered-out cheques stay in the grid, hidden, so that a save keeps them.
        row.hidden = filteredOut(o, status);
        if (!row.hidden) {
            total += amountOf(rows.value(5, r));
            if (today >= DateKey(vade) && !settled(status))
                row.backColor = DueRed;
        }
        report.rows.append(row);
    }
    rs.Close();
    if (!report.rows.isEmpty()) {
        AddReportTotalRow(report,
                          QStringLiteral("Görüntülenen Çekler Toplam Tutarı : ")
                              + FormatNumber(total, s.NumberFormat));
        report.rows.last().styles.first().cellType = CellTypeText;
    }
    return report;
}

bool isChequeRow(const Grid *grid, int row)
{
    const ReportRowKind kind = reportRowKind(grid, row);
    return grid && row >= 1 && row < grid->Rows() && kind != ReportRowKind::Total
        && kind != ReportRowKind::Footer;
}

ChequeRow chequeRowOf(Grid *grid, int row)
{
    ChequeRow cheque { row,
                       grid->Cell(row, ChequeColumn::DueDate).Text(),
                       grid->Cell(row, ChequeColumn::Number).Text(),
                       grid->Cell(row, ChequeColumn::Bank).Text(),
                       grid->Cell(row, ChequeColumn::Giver).Text(),
                       grid->Cell(row, ChequeColumn::Receiver).Text(),
                       grid->Cell(row, ChequeColumn::Amount).Text(),
                       grid->Cell(row, ChequeColumn::State).Text() };
    const QVariantList stored = grid->Cell(row, ChequeColumn::DueDate).Data().toList();
    if (stored.size() == 2) {
        cheque.loaded = true;
        cheque.loadedVade = stored.at(0).toString();
        cheque.storedVade = stored.at(1);
    }
    return cheque;
}

QString SaveCheques(const QList<ChequeRow> &cheques, bool replaceStored)
{
    // Every typed date is checked before the table is touched.
    for (const ChequeRow &cheque : cheques) {
        if (!keepsStoredVade(cheque)
            && !QDate::fromString(cheque.vade, QStringLiteral("dd.MM.yyyy")).isValid())
            return QStringLiteral("%1. satırdaki çekin (Çek No: %2, Banka: %3) vade tarihi "
                                  "geçerli bir tarih değil!")
                .arg(QString::number(cheque.row), cheque.cekno, cheque.banka);
    }
    const ModuleState &s = state();
    Connection &conn = *s.Conn;
    const QString table = sqlTable(s.TblCek);
    try {
        conn.BeginTrans();
        if (replaceStored)
            conn.Execute(QStringLiteral("delete from ") + table);
        const QString insert = QStringLiteral("insert into ") + table
            + QStringLiteral(" (vade, cekno, banka, veren, alan, tutar, cdurum) "
                             "values (?, ?, ?, ?, ?, ?, ?)");
        for (const ChequeRow &cheque : cheques) {
            const QVariant vade
                = keepsStoredVade(cheque) ? cheque.storedVade : QVariant(DateKey(cheque.vade));
            conn.Execute(insert,
                         { vade, cheque.cekno, cheque.banka, cheque.veren, cheque.alan,
                           cheque.tutar, cheque.cdurum });
        }
        conn.CommitTrans();
    } catch (const DatabaseError &) {
        if (conn.InTransaction())
            conn.RollbackTrans();
        return QStringLiteral("Çekler kaydedilemedi!");
    }
    return {};
}

} // namespace kx
