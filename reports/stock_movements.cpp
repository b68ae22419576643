// Stock movements: one card's goods lines in date order, the date range, the in and out sums.
#include "reports/report_pages.h"

#include "core/conversions.h"
#include "core/document_kinds.h"
#include "core/document_values.h"
#include "core/sql_builders.h"
#include "core/state.h"

namespace kx {

Report StockMovements(const ReportOptions &o)
{
    const ModuleState &s = state();
    Report report;
    if (o.stock < 0) {
        report.missing = QStringLiteral("Görüntülemek istediğiniz stoğu kodunu seçiniz!");
        return report;
    }
    const qint64 id = s.StokRows.value(0, o.stock).toLongLong();

    // Every line of the card with its document and the document's account. A line whose
    // document is gone stays, with empty texts, dated before all others; lines of one date
    // come in the order they were made.
    const QString documents = sqlTable(s.TblBelge);
    Recordset rs;
    rs.Open(QStringLiteral("select l.miktar, l.birimfiyat, l.inout, d.id, d.bmod, d.gircik, "
                           "d.serino, d.sirano, d.aciklama, d.btarihi, c.a2 from ")
                + documents + QStringLiteral(" l left join ") + documents
                + QStringLiteral(" d on d.id=l.belgeid left join ") + sqlTable(s.TblCari)
                + QStringLiteral(" c on c.id=d.cariid where l.stokid=? "
                                 "order by coalesce(d.btarihi, 0), l.id"),
            *s.Conn, { id });
    const RowArray &rows = rs.rows();

    double incoming = 0;
    double outgoing = 0;
    report.rows.reserve(rows.recordCount() + 1);
    for (int r = 0; r < rows.recordCount(); ++r) {
        const QVariant quantity = rows.value(0, r);
        const QVariant price = rows.value(1, r);
        ReportRow row;
        row.cells.resize(6);
        row.cells[4] = quantity.isNull() ? QString() : plainNumberText(quantity.toDouble());
        row.cells[5] = price.isNull() ? QStringLiteral("0,00") : price.toString();

        const bool documentFound = !rows.value(3, r).isNull();
        bool goesOut = rows.text(2, r) == QLatin1String("o");
        qint64 date = 0;
        if (documentFound) {
            const QVariant bmod = rows.value(4, r);
            const QVariant gircik = rows.value(5, r);
            goesOut = DocumentGoesOut(bmod, gircik);
            date = rows.value(9, r).toLongLong();
            row.cells[0] = bmod.toString() + rows.text(3, r);
            row.cells[1] = DateKeyToText(rows.value(9, r));
            row.cells[2] = rows.text(6, r) + rows.text(7, r) + QStringLiteral(" - ")
                + DocumentKindName(bmod, gircik) + QStringLiteral(" - ") + rows.text(8, r);
            row.cells[3] = rows.text(10, r);
        }
        if (o.movementRange && (date < o.movementFrom || date > o.movementTo)) {
            row.hidden = true;
        } else {
            // The direction is the document's: a note's text may say anything.
            (goesOut ? outgoing : incoming) += amountOf(row.cells.at(4));
        }
        report.rows.append(row);
    }
    rs.Close();

    if (!report.rows.isEmpty())
        AddReportTotalRow(report,
                          QStringLiteral("Toplam Giriş : ") + plainNumberText(incoming)
                              + QString(20, u' ') + QStringLiteral("Toplam Çıkış : ")
                              + plainNumberText(outgoing));
    return report;
}

} // namespace kx
