// The account statement: one account's invoices and payments with running balances.
#include "reports/report_pages.h"

#include "core/document_kinds.h"
#include "core/document_values.h"
#include "core/saved_documents.h"
#include "core/sql_builders.h"
#include "core/state.h"

#include <QHash>

#include <cmath>

namespace kx {

namespace {

const QString Dashes = QStringLiteral("------");

// Whole cents of a two-decimal amount text, so that the running sums compare exactly.
qint64 cents(const QString &amount)
{
    return std::llround(amountOf(amount) * 100);
}

QString centsText(qint64 value)
{
    return FormatNumber(double(value) / 100, state().NumberFormat);
}

struct GoodsLine
{
    QVariant quantity;
    QString name;
    QString price;
};

// The goods lines of the account's invoices in the statement, by invoice id, each invoice's
// lines in their stored order: the priced lines of the delivery notes that an invoice over
// notes took over, and the own lines of an invoice with lines.
QHash<qint64, QList<GoodsLine>> goodsLines(qint64 account, const ReportOptions &o)
{
    const ModuleState &s = state();
    const QString table = sqlTable(s.TblBelge);
    const QString range
        = o.statementRange ? QStringLiteral(" and h.btarihi between ? and ?") : QString();
    QVariantList values { account };
    if (o.statementRange)
        values << o.statementFrom << o.statementTo;
    values += values;
    const QString select = QStringLiteral("select h.id, l.id, l.miktar, l.stokadi, l.birimfiyat "
                                          "from ")
        + table + QStringLiteral(" h join ") + table;
    Recordset rs;
    rs.Open(select + QStringLiteral(" l on l.stokinftr=h.id where h.bmod=4 and h.cariid=?") + range
                + QStringLiteral(" union all ") + select
                + QStringLiteral(" l on l.belgeid=h.id where h.bmod=5 and h.cariid=?") + range
                + QStringLiteral(" order by 1, 2"),
            *s.Conn, values);
    const RowArray &rows = rs.rows();
    QHash<qint64, QList<GoodsLine>> lines;
    for (int r = 0; r < rows.recordCount(); ++r)
        lines[rows.value(0, r).toLongLong()].append(
            { rows.value(2, r), rows.text(3, r), rows.text(4, r) });
    return lines;
}

ReportRow goodsLineRow(const GoodsLine &line)
{
    ReportRow row;
    row.kind = ReportRowKind::GoodsLine;
    const QString quantity
        = line.quantity.isNull() ? QString() : plainNumberText(line.quantity.toDouble());
    row.cells
        = { QString(), quantity + QStringLiteral(" X "), line.name, line.price, Dashes, Dashes,
            Dashes };
    row.backColor = ReportLightYellow;
    row.height = 17;
    row.styles = { ReportCellStyle { 1, 14, -1, false } };
    return row;
}

} // namespace

Report AccountStatement(const ReportOptions &o)
{
    ModuleState &s = state();
    Report report;
    const int k = o.account;
    if (k < 0 || s.CariVar != QLatin1String("var") || k >= s.CariRows.recordCount()) {
        report.missing = QStringLiteral("Görüntülemek istediğiniz cariyi seçiniz!");
        report.missingField = "XCCari";
        return report;
    }
    const qint64 account = s.CariRows.value(0, k).toLongLong();
    const QString &format = s.NumberFormat;

    ReportRow opening;
    opening.kind = ReportRowKind::Opening;
    opening.cells = { QString(), Dashes,   QStringLiteral("(Dönem Açılışı)"), QString(), QString(),
                      QString(), QString() };
    const double openingDebit = amountOf(s.CariRows.value(10, k));
    const double openingCredit = amountOf(s.CariRows.value(11, k));
    if (openingDebit > 0)
        opening.cells[3] = FormatNumber(openingDebit, format);
    if (openingCredit > 0)
        opening.cells[4] = FormatNumber(openingCredit, format);
    report.rows.append(opening);

    QString sql = QStringLiteral("select id, bmod, gircik, serino, sirano, btarihi, aciklama, "
                                 "yekun from ")
        + sqlTable(s.TblBelge) + QStringLiteral(" where bmod>3 and cariid=?");
    QVariantList values { account };
    if (o.statementRange) {
        sql += QStringLiteral(" and btarihi between ? and ?");
        values << o.statementFrom << o.statementTo;
    }
    sql += QStringLiteral(" order by btarihi, id");
    Recordset headers;
    headers.Open(sql, *s.Conn, values);
    const QHash<qint64, QList<GoodsLine>> lines
        = o.stockDetail ? goodsLines(account, o) : QHash<qint64, QList<GoodsLine>>();

    const RowArray &rows = headers.rows();
    for (int r = 0; r < rows.recordCount(); ++r) {
        const qint64 id = rows.value(0, r).toLongLong();
        const int kind = rows.value(1, r).toInt();
        const int direction = rows.value(2, r).toInt();
        ReportRow row;
        row.cells = QStringList(7);
        row.cells[0] = documentKey(kind, id);
        row.cells[1] = DateKeyToText(rows.value(5, r));
        row.cells[2] = rows.text(3, r) + rows.text(4, r) + QStringLiteral(" - ")
            + DocumentKindName(rows.value(1, r), rows.value(2, r)) + QStringLiteral(" - ")
            + rows.text(6, r);
        const QString amount = FormatNumber(amountOf(rows.value(7, r)), format);
        const bool invoice
            = kind == DocumentKind::Invoice || kind == DocumentKind::InvoiceWithLines;
        if (invoice) {
            if (direction == 0 || direction > 1)
                row.cells[3] = amount;
            if (direction >= 1)
                row.cells[4] = amount;
        } else if (kind == DocumentKind::Payment) {
            row.cells[direction == 0 ? 4 : 3] = amount;
        }
        report.rows.append(row);
        if (invoice) {
            for (const GoodsLine &line : lines.value(id))
                report.rows.append(goodsLineRow(line));
        }
    }

    if (o.statementRange) {
        ComputeAccountBalance(account, true, o.statementFrom);
        ReportRow &carried = report.rows.first();
        carried.cells[2] = QStringLiteral("Devir");
        carried.cells[3] = FormatNumber(s.AccountDebtSum.toDouble(), format);
        carried.cells[4] = FormatNumber(s.AccountCreditSum.toDouble(), format);
    }

    // Running balances over the shown amounts; goods lines neither count nor show one.
    qint64 debit = 0;
    qint64 credit = 0;
    const QString zero = FormatNumber(0, format);
    for (ReportRow &row : report.rows) {
        if (row.kind == ReportRowKind::GoodsLine)
            continue;
        for (int c : { 3, 4 }) {
            if (row.cells.at(c).isEmpty())
                row.cells[c] = zero;
        }
        debit += cents(row.cells.at(3));
        credit += cents(row.cells.at(4));
        row.cells[5] = debit > credit ? centsText(debit - credit) : zero;
        row.cells[6] = credit > debit ? centsText(credit - debit) : zero;
    }

    ReportRow total;
    total.kind = ReportRowKind::Total;
    total.cells = QStringList(7);
    total.cells[3] = centsText(debit);
    total.cells[4] = centsText(credit);
    if (debit == credit)
        total.cells[5] = zero;
    else if (debit > credit)
        total.cells[5] = centsText(debit - credit) + QStringLiteral(" Borçlu");
    else
        total.cells[5] = centsText(credit - debit) + QStringLiteral(" Alacaklı");
    total.backColor = ReportYellow;
    total.merges = { ReportMerge { 1, 2 }, ReportMerge { 5, 6 } };
    total.styles = { ReportCellStyle { 1, -1, 0, false }, ReportCellStyle { 5, 10, -1, true } };
    report.rows.append(total);
    return report;
}

} // namespace kx
