// The VAT report: the invoices' VAT by rate and direction, the column sums and the difference.
#include "reports/report_pages.h"

#include "core/document_values.h"
#include "core/saved_documents.h"
#include "core/sql_builders.h"
#include "core/state.h"

#include <array>

namespace kx {

namespace {

// Columns 3 to 10: input VAT by rate, output VAT by rate, the amounts before VAT in and out.
constexpr int FirstAmountCol = 3;
constexpr int LastAmountCol = 10;
constexpr int AmountCols = LastAmountCol - FirstAmountCol + 1;

} // namespace

Report VatReport(const ReportOptions &o)
{
    const ModuleState &s = state();
    const QString &format = s.NumberFormat;
    const QString zero = FormatNumber(0, format);

    QString sql = QStringLiteral("select id, bmod, gircik, btarihi, serino, sirano, aciklama, "
                                 "kdv1, kdv2, kdv3, yekun from ")
        + sqlTable(s.TblBelge) + QStringLiteral(" where (bmod=4 or bmod=5)");
    if (!o.vatAll && o.vatOutgoing)
        sql += QStringLiteral(" and (gircik=0 or gircik=2)");
    else if (!o.vatAll && o.vatIncoming)
        sql += QStringLiteral(" and (gircik=1 or gircik=3)");
    QVariantList values;
    if (o.vatRange) {
        sql += QStringLiteral(" and btarihi between ? and ?");
        values << o.vatFrom << o.vatTo;
    }
    // Invoices of one date in the order they were made.
    Recordset rs;
    rs.Open(sql + QStringLiteral(" order by btarihi, id"), *s.Conn, values);
    const RowArray &rows = rs.rows();

    Report report;
    report.rows.reserve(rows.recordCount() + 2);
    std::array<double, AmountCols> sums {};
    for (int r = 0; r < rows.recordCount(); ++r) {
        ReportRow row;
        row.cells.resize(LastAmountCol + 1);
        row.cells[0] = documentKey(rows.value(1, r).toInt(), rows.value(0, r).toLongLong());
        row.cells[1] = DateKeyToText(rows.value(3, r));
        row.cells[2] = rows.text(4, r) + rows.text(5, r) + QStringLiteral(" - ") + rows.text(6, r);
        const QVariant &direction = rows.value(2, r);
        const int gircik = direction.isNull() ? -1 : direction.toInt();
        const bool incoming = gircik == 1 || gircik == 3;
        if (incoming || gircik == 0 || gircik == 2) {
            const double net = amountOf(rows.value(10, r)) - amountOf(rows.value(7, r))
                - amountOf(rows.value(8, r)) - amountOf(rows.value(9, r));
            const int vatCol = incoming ? 3 : 6;
            for (int i = 0; i < 3; ++i)
                row.cells[vatCol + i] = rows.text(7 + i, r);
            row.cells[9] = incoming ? FormatNumber(net, format) : zero;
            row.cells[10] = incoming ? zero : FormatNumber(net, format);
        }
        for (int c = FirstAmountCol; c <= LastAmountCol; ++c) {
            if (row.cells.at(c).isEmpty())
                row.cells[c] = zero;
            sums[c - FirstAmountCol] += amountOf(row.cells.at(c));
        }
        report.rows.append(row);
    }
    rs.Close();

    ReportRow columnSums;
    columnSums.kind = ReportRowKind::Total;
    columnSums.backColor = ReportYellow;
    columnSums.cells.resize(LastAmountCol + 1);
    for (int c = FirstAmountCol; c <= LastAmountCol; ++c)
        columnSums.cells[c] = FormatNumber(sums.at(c - FirstAmountCol), format);
    report.rows.append(columnSums);

    // The summary adds the VAT sums as shown in the row above.
    double input = 0;
    double output = 0;
    for (int i = 0; i < 3; ++i) {
        input += amountOf(columnSums.cells.at(3 + i));
        output += amountOf(columnSums.cells.at(6 + i));
    }
    double difference = input - output;
    if (difference < 0)
        difference *= -1;
    ReportRow summary;
    summary.kind = ReportRowKind::Footer;
    summary.backColor = ReportYellow;
    summary.bold = true;
    summary.merges = { ReportMerge { 1, 9 } };
    summary.styles = { ReportCellStyle { 1, 10, -1, false } };
    summary.cells = { QString(),
                      QStringLiteral("Toplam Giriş : ") + FormatNumber(input, format)
                          + QStringLiteral(" / Toplam Çıkış : ") + FormatNumber(output, format)
                          + QStringLiteral(" / Fark : ") + FormatNumber(difference, format) };
    report.rows.append(summary);
    return report;
}

} // namespace kx
