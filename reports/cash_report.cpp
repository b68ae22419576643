// The cash report: cash documents by month, by day of a month, or one day's documents.
#include "reports/report_pages.h"

#include "core/document_kinds.h"
#include "core/document_values.h"
#include "core/sql_builders.h"
#include "core/state.h"

#include <QHash>

namespace kx {

namespace {

// Cash-settled invoices and every payment, (((bmod=4 or bmod=5) and gircik>1) or bmod=6),
// written so that the kind and date index serves it alone.
const QString CashDocuments = QStringLiteral("bmod in (4, 5, 6) and (gircik>1 or bmod=6)");
// Money in, the Borç column: a cash sale and a collection; a cash purchase and a payment out
// go to Alacak.
const QString MoneyIn = QStringLiteral("((bmod<6 and gircik=2) or (bmod=6 and gircik=0))");

bool moneyIn(int kind, int direction)
{
    return kind < DocumentKind::Payment ? direction == 2 : direction == 0;
}

// Whole millionths, added up exactly.
struct Sums
{
    qint64 in = 0;
    qint64 out = 0;
};

// sum(money in), sum(money out) of the cash documents.
QString sumsSql()
{
    const QString units = AmountUnitsSql(QStringLiteral("yekun"));
    return QStringLiteral("sum(case when ") + MoneyIn + QStringLiteral(" then ") + units
        + QStringLiteral(" else 0 end), sum(case when ") + MoneyIn + QStringLiteral(" then 0 else ")
        + units + QStringLiteral(" end) from ") + sqlTable(state().TblBelge)
        + QStringLiteral(" where ") + CashDocuments;
}

// The month of a month item ("Ocak 2024") as yyyymm; 0 when it names none.
int monthOfItem(const QString &item)
{
    if (item.size() < 6 || item.at(item.size() - 5) != u' ')
        return 0;
    const QString number = MonthNumber(item.left(item.size() - 5)).toString();
    bool ok = false;
    const int year = item.right(4).toInt(&ok);
    if (number.isEmpty() || !ok || year < 1)
        return 0;
    return year * 100 + number.toInt();
}

// The cash sums of each day from first to last (yyyymmdd), by day.
QHash<int, Sums> daySums(int first, int last)
{
    const ModuleState &s = state();
    Recordset rs;
    rs.Open(QStringLiteral("select btarihi, ") + sumsSql()
                + QStringLiteral(" and btarihi between ? and ? group by btarihi"),
            *s.Conn, { first, last });
    const RowArray &rows = rs.rows();
    QHash<int, Sums> sums;
    for (int r = 0; r < rows.recordCount(); ++r)
        sums.insert(rows.value(0, r).toInt(),
                    { rows.value(1, r).toLongLong(), rows.value(2, r).toLongLong() });
    return sums;
}

// The cash before a day (yyyymmdd).
Sums sumsBefore(int day)
{
    const ModuleState &s = state();
    Recordset rs;
    rs.Open(QStringLiteral("select ") + sumsSql() + QStringLiteral(" and btarihi<?"), *s.Conn,
            { day });
    return { rs.rows().value(0, 0).toLongLong(), rs.rows().value(1, 0).toLongLong() };
}

ReportRow sumsRow(const QString &date, const QString &document, const Sums &sums)
{
    const QString &format = state().NumberFormat;
    ReportRow row;
    row.cells = { QString(),
                  date,
                  document,
                  FormatNumber(unitsAmount(sums.in), format),
                  FormatNumber(unitsAmount(sums.out), format),
                  QString() };
    return row;
}

void addMonths(Report &report, const QStringList &months)
{
    QList<int> keys;
    int first = 0;
    int last = 0;
    for (const QString &item : months) {
        const int month = monthOfItem(item);
        keys << month;
        if (month > 0) {
            first = first == 0 ? month : qMin(first, month);
            last = qMax(last, month);
        }
    }
    QHash<int, Sums> byMonth;
    if (first > 0) {
        const QHash<int, Sums> days = daySums(first * 100 + 1, last * 100 + 31);
        for (auto day = days.cbegin(); day != days.cend(); ++day) {
            Sums &sums = byMonth[day.key() / 100];
            sums.in += day.value().in;
            sums.out += day.value().out;
        }
    }
    for (int i = 0; i < months.size(); ++i)
        report.rows.append(sumsRow(months.at(i), QString(), byMonth.value(keys.at(i))));
}

// The days of the chosen month, up to today in today's month; none in a month still to come.
// Returns the month's first day, 0 when the text names no month.
int addDays(Report &report, const QString &monthText, const QDate &today)
{
    const int month = monthOfItem(monthText);
    if (month == 0)
        return 0;
    const int current = today.year() * 100 + today.month();
    const QDate start(month / 100, month % 100, 1);
    const int days = month == current ? today.day() : month > current ? 0 : start.daysInMonth();
    const QHash<int, Sums> sums = daySums(month * 100 + 1, month * 100 + 31);
    const QString dashes = QStringLiteral("------------");
    for (int d = 1; d <= days; ++d) {
        const QString date = QStringLiteral("%1 ").arg(d, 2, 10, QLatin1Char('0')) + monthText;
        report.rows.append(sumsRow(date, dashes, sums.value(month * 100 + d)));
    }
    return month * 100 + 1;
}

void addDayDocuments(Report &report, int day)
{
    const ModuleState &s = state();
    Recordset rs;
    rs.Open(QStringLiteral("select bmod, gircik, serino, sirano, btarihi, aciklama, yekun, cariid "
                           "from ")
                + sqlTable(s.TblBelge) + QStringLiteral(" where ") + CashDocuments
                + QStringLiteral(" and btarihi=? order by id"),
            *s.Conn, { day });
    const RowArray &rows = rs.rows();
    const QString zero = FormatNumber(0, s.NumberFormat);
    for (int r = 0; r < rows.recordCount(); ++r) {
        // A missing account names no one rather than another record.
        const QVariant account = FindListIndex(QStringLiteral("c"), rows.value(7, r));
        const QString name = account.isNull() ? QString() : s.CariAllRows.text(2, account.toInt());
        ReportRow row;
        const bool in = moneyIn(rows.value(0, r).toInt(), rows.value(1, r).toInt());
        row.cells = { QString(),
                      DateKeyToText(rows.value(4, r)),
                      rows.text(2, r) + rows.text(3, r) + QStringLiteral(" - ")
                          + DocumentKindName(rows.value(0, r), rows.value(1, r))
                          + QStringLiteral(" - ") + rows.text(5, r) + QStringLiteral(" - ") + name,
                      in ? rows.text(6, r) : zero,
                      in ? zero : rows.text(6, r),
                      QString() };
        report.rows.append(row);
    }
}

} // namespace

Report CashReport(const ReportOptions &o)
{
    const ModuleState &s = state();
    const QString &format = s.NumberFormat;
    const QString zero = FormatNumber(0, format);
    Report report;

    ReportRow opening;
    opening.kind = ReportRowKind::Opening;
    opening.cells
        = { QString(), QStringLiteral("-----"), QStringLiteral("Devir"), zero, zero, QString() };
    const double cash = s.KasaAmount;
    if (cash > 0)
        opening.cells[3] = FormatNumber(cash, format);
    else if (cash < 0)
        opening.cells[4] = FormatNumber(-cash, format);
    report.rows.append(opening);

    // The cash before the first shown day joins the opening row (not in the monthly mode).
    int firstDay = 0;
    if (o.cashMonthly) {
        addMonths(report, o.cashMonths);
    } else if (o.cashDaily) {
        firstDay = addDays(report, o.cashMonth, o.today);
    } else if (o.cashDayDetail) {
        addDayDocuments(report, o.cashDay);
        firstDay = o.cashDay;
    }
    if (firstDay > 0) {
        const Sums carried = sumsBefore(firstDay);
        ReportRow &row = report.rows.first();
        row.cells[3] = FormatNumber(amountOf(row.cells.at(3)) + unitsAmount(carried.in), format);
        row.cells[4] = FormatNumber(amountOf(row.cells.at(4)) + unitsAmount(carried.out), format);
    }

    // The balance of each row from the shown amounts of the row above.
    double balance = 0;
    for (ReportRow &row : report.rows) {
        row.cells[5]
            = FormatNumber(balance + amountOf(row.cells.at(3)) - amountOf(row.cells.at(4)), format);
        balance = amountOf(row.cells.at(5));
    }
    return report;
}

} // namespace kx
