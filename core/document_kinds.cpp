// Document kind labels and directions, the document key check, the account balance and the
// month names.
#include "core/document_kinds.h"

#include "core/document_values.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/grid.h"

#include <array>

namespace kx {

QString DocumentKindName(const QVariant &bmod, const QVariant &gircik)
{
    if (bmod.isNull() || gircik.isNull())
        return {};
    const double kind = numberValue(bmod.toString());
    const double direction = numberValue(gircik.toString());
    struct Label
    {
        int kind;
        int direction;
        const char *text;
    };
    static const Label labels[] = {
        { DocumentKind::DeliveryNote, 0, "İrsaliye (Çıkış)" },
        { DocumentKind::DeliveryNote, 1, "İrsaliye (Giriş)" },
        { DocumentKind::Invoice, 0, "A. Fatura (Çıkış)" },
        { DocumentKind::Invoice, 1, "A. Fatura (Giriş)" },
        { DocumentKind::Invoice, 2, "K. Fatura (Çıkış)" },
        { DocumentKind::Invoice, 3, "K. Fatura (Giriş)" },
        { DocumentKind::InvoiceWithLines, 0, "A. İrs. Fatura (Çıkış)" },
        { DocumentKind::InvoiceWithLines, 1, "A. İrs. Fatura (Giriş)" },
        { DocumentKind::InvoiceWithLines, 2, "K. İrs. Fatura (Çıkış)" },
        { DocumentKind::InvoiceWithLines, 3, "K. İrs. Fatura (Giriş)" },
        { DocumentKind::Payment, 0, "Tahsilat" },
        { DocumentKind::Payment, 1, "Tediye" },
    };
    for (const Label &label : labels) {
        if (label.kind == kind && label.direction == direction)
            return QString::fromUtf8(label.text);
    }
    return {};
}

bool DocumentGoesOut(const QVariant &bmod, const QVariant &gircik)
{
    if (bmod.isNull() || gircik.isNull())
        return false;
    const double kind = numberValue(bmod.toString());
    const double direction = numberValue(gircik.toString());
    const auto isKind = [kind](int documentKind) { return kind == documentKind; };
    if (isKind(DocumentKind::DeliveryNote))
        return direction == 0;
    return (isKind(DocumentKind::Invoice) || isKind(DocumentKind::InvoiceWithLines))
        && (direction == 0 || direction == 2);
}

bool isDocumentKey(const QString &key)
{
    if (key.size() < 2 || key.at(0) < u'3' || key.at(0) > u'6')
        return false;
    bool nonZero = false;
    for (qsizetype i = 1; i < key.size(); ++i) {
        if (key.at(i) < u'0' || key.at(i) > u'9')
            return false;
        nonZero = nonZero || key.at(i) != u'0';
    }
    return nonZero && key.size() <= 19;
}

QString ComputeAccountBalance(qint64 accountId, bool ownConnection, qint64 dateBound)
{
    ModuleState &s = state();
    qint64 debit = 0;
    qint64 credit = 0;
    const QVariant row = FindListIndex(QStringLiteral("C"), accountId);
    if (row.isValid()) {
        debit = amountUnits(s.CariAllRows.value(10, row.toInt()));
        credit = amountUnits(s.CariAllRows.value(11, row.toInt()));
    }

    if (ownConnection)
        s.Conn2->Open(s.Conn->path());

    // One read of the account's invoice and payment headers; the amounts are text, so they
    // are added up here rather than in the statement.
    QString sql = QStringLiteral("select bmod, gircik, yekun from ") + sqlTable(s.TblBelge)
        + QStringLiteral(" where cariid=? and bmod>=4 and bmod<=6");
    QVariantList values { accountId };
    if (dateBound != 0) {
        sql += QStringLiteral(" and btarihi between 0 and ?");
        values << dateBound - 1;
    }
    sql += QStringLiteral(" order by id");
    Recordset &rs = *s.Rs2;
    try {
        rs.Open(sql, *s.Conn, values);
    } catch (...) {
        if (ownConnection)
            s.Conn2->Close();
        throw;
    }
    const RowArray &rows = rs.rows();
    for (int r = 0; r < rows.recordCount(); ++r) {
        const int kind = rows.value(0, r).toInt();
        const int direction = rows.value(1, r).toInt();
        const qint64 amount = amountUnits(rows.value(2, r));
        if (kind == DocumentKind::Invoice || kind == DocumentKind::InvoiceWithLines) {
            if (direction == 0) {
                debit += amount;
            } else if (direction == 1) {
                credit += amount;
            } else if (direction > 1) {
                debit += amount;
                credit += amount;
            }
        } else if (kind == DocumentKind::Payment) {
            if (direction == 0)
                credit += amount;
            else if (direction == 1)
                debit += amount;
        }
    }
    rs.Close();
    if (ownConnection)
        s.Conn2->Close();

    s.AccountDebtSum = unitsAmount(debit);
    s.AccountCreditSum = unitsAmount(credit);
    const QString balance = FormatNumber(unitsAmount(debit - credit), s.NumberFormat);
    // The sign is read from the two-decimal text, so a balance that rounds to zero reads zero.
    const double shown = amountOf(balance);
    const QString head = QStringLiteral("Cari Hesap Durumu : ");
    if (shown > 0)
        s.HesapDurumu = head + balance + QStringLiteral(" borçludur");
    else if (shown < 0)
        s.HesapDurumu
            = head + FormatNumber(-shown, s.NumberFormat) + QStringLiteral(" alacaklıdır");
    else
        s.HesapDurumu = head + QStringLiteral("0,00");
    return balance;
}

QString AccountStatusText(qint64 accountId)
{
    if (accountId < 1)
        return {};
    ComputeAccountBalance(accountId, false, 0);
    return state().HesapDurumu;
}

namespace {
const std::array<const char *, 12> monthNames
    = { "Ocak",   "Şubat",   "Mart",  "Nisan", "Mayıs", "Haziran",
        "Temmuz", "Ağustos", "Eylül", "Ekim",  "Kasım", "Aralık" };
}

QVariant MonthName(const QVariant &month)
{
    const double number = numberValue(month.toString());
    for (int m = 1; m <= 12; ++m) {
        if (number == m)
            return QString::fromUtf8(monthNames[m - 1]);
    }
    return {};
}

QVariant MonthNumber(const QVariant &name)
{
    const QString text = name.toString();
    for (int m = 1; m <= 12; ++m) {
        if (text == QString::fromUtf8(monthNames[m - 1]))
            return QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0'));
    }
    return {};
}

double SumGridColumn(Grid *grid, int col, int firstRow, int lastRow)
{
    double sum = 0;
    for (int r = firstRow; grid && r <= lastRow; ++r)
        sum += amountOf(grid->Cell(r, col).Text());
    return sum;
}

} // namespace kx
