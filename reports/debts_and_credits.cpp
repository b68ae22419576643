// Debts and credits: every live account's balance, filtered, with the three totals.
#include "reports/report_pages.h"

#include "core/document_values.h"
#include "core/sql_builders.h"
#include "core/state.h"

#include <QHash>

namespace kx {

namespace {

struct Sums
{
    qint64 debit = 0;
    qint64 credit = 0;
};

// The invoice and payment sums of every account, by the rules of the account balance: a sale
// on account is debit, a purchase credit, a cash invoice both; a collection is credit, a
// payment out debit.
QHash<qint64, Sums> accountSums()
{
    const ModuleState &s = state();
    const QString units = AmountUnitsSql(QStringLiteral("yekun"));
    Recordset rs;
    rs.Open(QStringLiteral("select cariid, sum(case when ((bmod=4 or bmod=5) and (gircik=0 or "
                           "gircik>1)) or (bmod=6 and gircik=1) then ")
                + units
                + QStringLiteral(" else 0 end), sum(case when ((bmod=4 or bmod=5) and gircik>=1) "
                                 "or (bmod=6 and gircik=0) then ")
                + units + QStringLiteral(" else 0 end) from ") + sqlTable(s.TblBelge)
                + QStringLiteral(" where cariid>0 and bmod>=4 and bmod<=6 group by cariid"),
            *s.Conn);
    const RowArray &rows = rs.rows();
    QHash<qint64, Sums> sums;
    sums.reserve(rows.recordCount());
    for (int r = 0; r < rows.recordCount(); ++r)
        sums.insert(rows.value(0, r).toLongLong(),
                    { rows.value(1, r).toLongLong(), rows.value(2, r).toLongLong() });
    return sums;
}

} // namespace

Report DebtsAndCredits(const ReportOptions &o)
{
    const ModuleState &s = state();
    const QString &format = s.NumberFormat;
    const QString zero = FormatNumber(0, format);
    Report report;
    double debtors = 0;
    double creditors = 0;
    if (s.CariVar == QLatin1String("var")) {
        const RowArray &accounts = s.CariRows;
        const QHash<qint64, Sums> sums = accountSums();
        for (int k = 0; k < accounts.recordCount(); ++k) {
            const Sums moved = sums.value(accounts.value(0, k).toLongLong());
            const qint64 debit = amountUnits(accounts.value(10, k)) + moved.debit;
            const qint64 credit = amountUnits(accounts.value(11, k)) + moved.credit;
            // The balance as shown, two decimals: what is filtered, written and added up.
            const double balance = amountOf(FormatNumber(unitsAmount(debit - credit), format));
            const bool shown = o.allAccounts || (balance > 0 && o.debtorsOnly)
                || (balance < 0 && o.creditorsOnly) || (balance != 0 && o.withBalanceOnly);
            if (!shown)
                continue;
            ReportRow row;
            row.cells = { accounts.text(0, k),
                          accounts.text(2, k) + QStringLiteral(" (") + accounts.text(1, k)
                              + QLatin1Char(')'),
                          zero, zero };
            if (balance > 0) {
                row.cells[2] = FormatNumber(balance, format);
                debtors += balance;
            } else if (balance < 0) {
                row.cells[3] = FormatNumber(-balance, format);
                creditors += -balance;
            }
            report.rows.append(row);
        }
    }
    const double difference = debtors - creditors;
    AddReportTotalRow(report,
                      QStringLiteral("Toplam Borçlular : ") + FormatNumber(debtors, format)
                          + QStringLiteral(" / Toplam Alacaklılar : ")
                          + FormatNumber(creditors, format) + QStringLiteral(" / Fark : ")
                          + FormatNumber(difference < 0 ? -difference : difference, format));
    return report;
}

} // namespace kx
