// The money reports against plain row-by-row references over a seeded random company: each
// reference walks the accounts, months, days and invoices one query at a time, the way the
// reports are described, and fills its own grid; both grids must match cell for cell.
#include "core/conversions.h"
#include "core/document_kinds.h"
#include "core/document_panels.h"
#include "core/document_values.h"
#include "core/lists.h"
#include "core/pages.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/grid.h"
#include "reports/report.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"
#include "tests/support/report_checks.h"

#include <QRandomGenerator>
#include <QTest>

#include <memory>

using namespace kx;
using namespace kxtest;

namespace {

RowArray query(const QString &sql, const QVariantList &values)
{
    Recordset rs;
    rs.Open(sql, *state().Conn, values);
    return rs.rows();
}

// ---- The plain references: one row appended at a time, one query per account, month, day
// or invoice.

void referenceStatement(Grid &grid, const ReportOptions &o)
{
    const ModuleState &s = state();
    const int k = o.account;
    const qint64 id = s.CariRows.value(0, k).toLongLong();
    appendReportRow(grid, ReportRowKind::Opening);
    grid.Cell(1, 1).setText("------");
    grid.Cell(1, 2).setText("(Dönem Açılışı)");
    if (amountOf(s.CariRows.value(10, k)) > 0)
        grid.Cell(1, 3).setText(moneyText(amountOf(s.CariRows.value(10, k))));
    if (amountOf(s.CariRows.value(11, k)) > 0)
        grid.Cell(1, 4).setText(moneyText(amountOf(s.CariRows.value(11, k))));

    QString sql = "select * from " + documentsTable() + " where bmod>3 and cariid=?";
    QVariantList values { id };
    if (o.statementRange) {
        sql += " and btarihi between ? and ?";
        values << o.statementFrom << o.statementTo;
    }
    Recordset rs;
    rs.Open(sql + " order by btarihi,id", *s.Conn, values);
    for (; !rs.Eof(); rs.MoveNext()) {
        const int r = appendReportRow(grid);
        grid.Cell(r, 1).setText(DateKeyToText(rs.Fields("btarihi")));
        const QString total = moneyText(amountOf(rs.Fields("yekun")));
        const int bmod = rs.Fields("bmod").toInt();
        const int gircik = rs.Fields("gircik").toInt();
        if (bmod == 4 || bmod == 5) {
            if (gircik == 0) {
                grid.Cell(r, 3).setText(total);
            } else if (gircik == 1) {
                grid.Cell(r, 4).setText(total);
            } else if (gircik > 1) {
                grid.Cell(r, 3).setText(total);
                grid.Cell(r, 4).setText(total);
            }
        } else if (bmod == 6) {
            grid.Cell(r, gircik == 0 ? 4 : 3).setText(total);
        }
        grid.Cell(r, 2).setText(rs.Fields("serino").toString() + rs.Fields("sirano").toString()
                                + " - " + DocumentKindName(rs.Fields("bmod"), rs.Fields("gircik"))
                                + " - " + rs.Fields("aciklama").toString());
        grid.Cell(r, 0).setText(QString::number(bmod) + rs.Fields("id").toString());
        if (o.stockDetail && bmod != 6 && (bmod == 4 || bmod == 5)) {
            Recordset lines;
            lines.Open("select * from " + documentsTable()
                           + (bmod == 4 ? " where stokinftr=?" : " where belgeid=?")
                           + " order by id",
                       *s.Conn, { rs.Fields("id") });
            for (; !lines.Eof(); lines.MoveNext()) {
                const int g = appendReportRow(grid, ReportRowKind::GoodsLine);
                const QVariant quantity = lines.Fields("miktar");
                grid.Cell(g, 1).setText(
                    (quantity.isNull() ? QString() : plainNumberText(quantity.toDouble())) + " X ");
                grid.Cell(g, 1).setCellAlignment(14);
                grid.Cell(g, 2).setText(lines.Fields("stokadi").toString());
                grid.Cell(g, 3).setText(lines.Fields("birimfiyat").toString());
                for (int c = 4; c <= 6; ++c)
                    grid.Cell(g, c).setText("------");
                grid.setRowHeight(g, 17);
                grid.Range(g, 1, g, grid.Cols() - 1).setBackColor(QColor(255, 255, 192));
            }
        }
    }
    if (o.statementRange) {
        grid.Cell(1, 2).setText("Devir");
        ComputeAccountBalance(id, true, o.statementFrom);
        grid.Cell(1, 3).setText(moneyText(s.AccountDebtSum.toDouble()));
        grid.Cell(1, 4).setText(moneyText(s.AccountCreditSum.toDouble()));
    }
    double debit = 0;
    double credit = 0;
    for (int i = 1; i < grid.Rows(); ++i) {
        if (grid.RowHeight(i) == 17)
            continue;
        for (int c : { 3, 4 }) {
            if (grid.Cell(i, c).Text().isEmpty())
                grid.Cell(i, c).setText("0,00");
        }
        debit += amountOf(grid.Cell(i, 3).Text());
        credit += amountOf(grid.Cell(i, 4).Text());
        // Equal as shown: the sums are of two-decimal amounts.
        const double difference = roundNumber(debit - credit, 2);
        grid.Cell(i, 5).setText(difference > 0 ? moneyText(debit - credit) : moneyText(0));
        grid.Cell(i, 6).setText(difference < 0 ? moneyText(credit - debit) : moneyText(0));
    }
    const int t = appendReportRow(grid, ReportRowKind::Total);
    grid.Range(t, 1, t, 2).Merge();
    grid.Range(t, 5, t, 6).Merge();
    grid.Range(t, 1, t, 6).setBackColor(QColor(255, 255, 0));
    grid.Cell(t, 1).setCellType(0);
    grid.Cell(t, 3).setText(moneyText(debit));
    grid.Cell(t, 4).setText(moneyText(credit));
    const double difference = roundNumber(debit - credit, 2);
    if (difference == 0)
        grid.Cell(t, 5).setText(moneyText(0));
    else if (difference > 0)
        grid.Cell(t, 5).setText(moneyText(debit - credit) + " Borçlu");
    else
        grid.Cell(t, 5).setText(moneyText(credit - debit) + " Alacaklı");
    grid.Cell(t, 5).setCellAlignment(10);
    for (int edge = 0; edge < 4; ++edge)
        grid.Cell(t, 5).setBorder(edge, 2);
}

void referencePriceList(Grid &grid, const ReportOptions &o)
{
    const ModuleState &s = state();
    if (s.StokVar != "var")
        return;
    grid.setRows(s.StokRows.recordCount() + 1);
    for (int r = 1; r < grid.Rows(); ++r) {
        const int k = r - 1;
        grid.setRowTag(r, int(ReportRowKind::Data));
        grid.Cell(r, 1).setText(s.StokRows.text(1, k));
        grid.Cell(r, 2).setText(s.StokRows.text(2, k));
        grid.Cell(r, 3).setText(s.StokRows.text(8, k));
        grid.Cell(r, 4).setText(s.StokRows.text(7, k));
        const double up = amountOf(o.raiseText) * (o.raise ? 1 : 0);
        const double down = amountOf(o.reduceText) * (o.reduce ? 1 : 0);
        const QVariant base = o.purchasePrice ? s.StokRows.value(4, k) : s.StokRows.value(6, k);
        const double price
            = amountOf(base) + RatioAmount(base, 100, up) - RatioAmount(base, 100, down);
        grid.Cell(r, 5).setText(FormatNumber(price, s.PriceFormat));
    }
}

// Money in (the Borç column): a cash sale and a collection.
bool cashIn(const Recordset &rs)
{
    const int bmod = rs.Fields("bmod").toInt();
    const int gircik = rs.Fields("gircik").toInt();
    return (bmod < 6 && gircik == 2) || (bmod == 6 && gircik == 0);
}

const QString cashCondition = " where (((bmod=4 or bmod=5) and gircik>1) or bmod=6)";

// Amounts add up exactly, in millionths.
void sumCash(const QString &condition, const QVariantList &values, double &in, double &out)
{
    Recordset rs;
    rs.Open("select * from " + documentsTable() + cashCondition + condition, *state().Conn, values);
    qint64 inUnits = 0;
    qint64 outUnits = 0;
    for (; !rs.Eof(); rs.MoveNext()) {
        if (cashIn(rs))
            inUnits += amountUnits(rs.Fields("yekun"));
        else
            outUnits += amountUnits(rs.Fields("yekun"));
    }
    in = unitsAmount(inUnits);
    out = unitsAmount(outUnits);
}

void referenceCash(Grid &grid, const ReportOptions &o)
{
    const ModuleState &s = state();
    appendReportRow(grid, ReportRowKind::Opening);
    grid.Cell(1, 1).setText("-----");
    grid.Cell(1, 2).setText("Devir");
    const double cash = s.KasaAmount;
    grid.Cell(1, 3).setText(cash > 0 ? moneyText(cash) : "0,00");
    grid.Cell(1, 4).setText(cash < 0 ? moneyText(-cash) : "0,00");

    int carryKey = 0;
    if (o.cashMonthly) {
        for (const QString &item : o.cashMonths) {
            const int r = appendReportRow(grid);
            grid.Cell(r, 1).setText(item);
            const QString year = item.right(4);
            const QString month = MonthNumber(item.left(item.size() - 5)).toString();
            double in = 0, out = 0;
            sumCash(" and btarihi between ? and ?",
                    { (year + month + "01").toInt(), (year + month + "31").toInt() }, in, out);
            grid.Cell(r, 3).setText(moneyText(in));
            grid.Cell(r, 4).setText(moneyText(out));
        }
    } else if (o.cashDaily) {
        const QString text = o.cashMonth;
        const QString monthNumber = MonthNumber(text.left(text.size() - 5)).toString();
        if (!monthNumber.isEmpty()) {
            const int year = text.right(4).toInt();
            const int month = monthNumber.toInt();
            int days = QDate(year, month, 1).daysInMonth();
            if (year == o.today.year() && month == o.today.month())
                days = o.today.day();
            else if (QDate(year, month, 1) > o.today)
                days = 0;
            for (int d = 1; d <= days; ++d) {
                const int r = appendReportRow(grid);
                const QString t = QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0')) + " " + text;
                grid.Cell(r, 1).setText(t);
                grid.Cell(r, 2).setText("------------");
                grid.Cell(r, 3).setText("------------");
                const int key
                    = (t.right(4) + MonthNumber(t.mid(3, t.size() - 8)).toString() + t.left(2))
                          .toInt();
                double in = 0, out = 0;
                sumCash(" and btarihi=?", { key }, in, out);
                grid.Cell(r, 3).setText(moneyText(in));
                grid.Cell(r, 4).setText(moneyText(out));
            }
            carryKey = (text.right(4) + monthNumber + "01").toInt();
        }
    } else if (o.cashDayDetail) {
        Recordset rs;
        rs.Open("select * from " + documentsTable() + cashCondition + " and btarihi=? order by id",
                *s.Conn, { o.cashDay });
        for (; !rs.Eof(); rs.MoveNext()) {
            const int r = appendReportRow(grid);
            grid.Cell(r, 1).setText(DateKeyToText(rs.Fields("btarihi")));
            const QVariant record = FindListIndex("c", rs.Fields("cariid"));
            const QString name
                = record.isNull() ? QString() : s.CariAllRows.text(2, record.toInt());
            grid.Cell(r, 2).setText(rs.Fields("serino").toString() + rs.Fields("sirano").toString()
                                    + " - "
                                    + DocumentKindName(rs.Fields("bmod"), rs.Fields("gircik"))
                                    + " - " + rs.Fields("aciklama").toString() + " - " + name);
            grid.Cell(r, cashIn(rs) ? 3 : 4).setText(rs.Fields("yekun").toString());
            grid.Cell(r, cashIn(rs) ? 4 : 3).setText("0,00");
        }
        carryKey = o.cashDay;
    }
    if (carryKey > 0) {
        double in = 0, out = 0;
        sumCash(" and btarihi<?", { carryKey }, in, out);
        grid.Cell(1, 3).setText(moneyText(amountOf(grid.Cell(1, 3).Text()) + in));
        grid.Cell(1, 4).setText(moneyText(amountOf(grid.Cell(1, 4).Text()) + out));
    }
    grid.Cell(1, 5).setText(
        moneyText(amountOf(grid.Cell(1, 3).Text()) - amountOf(grid.Cell(1, 4).Text())));
    for (int r = 2; r < grid.Rows(); ++r)
        grid.Cell(r, 5).setText(moneyText(amountOf(grid.Cell(r - 1, 5).Text())
                                          + amountOf(grid.Cell(r, 3).Text())
                                          - amountOf(grid.Cell(r, 4).Text())));
}

void referenceDebts(Grid &grid, const ReportOptions &o)
{
    ModuleState &s = state();
    double debtors = 0;
    double creditors = 0;
    if (s.CariVar == "var") {
        for (int k = 0; k < s.CariRows.recordCount(); ++k) {
            const double balance
                = amountOf(ComputeAccountBalance(s.CariRows.value(0, k).toLongLong(), false, 0));
            const bool shown = o.allAccounts || (balance > 0 && o.debtorsOnly)
                || (balance < 0 && o.creditorsOnly) || (balance != 0 && o.withBalanceOnly);
            if (!shown)
                continue;
            const int r = appendReportRow(grid);
            grid.Cell(r, 0).setText(s.CariRows.text(0, k));
            grid.Cell(r, 1).setText(s.CariRows.text(2, k) + " (" + s.CariRows.text(1, k) + ")");
            const double sides = s.AccountDebtSum.toDouble() - s.AccountCreditSum.toDouble();
            if (sides > 0) {
                grid.Cell(r, 2).setText(moneyText(balance));
                grid.Cell(r, 3).setText("0,00");
                debtors += balance;
            } else if (sides < 0) {
                grid.Cell(r, 3).setText(moneyText(balance * -1));
                grid.Cell(r, 2).setText("0,00");
                creditors += balance * -1;
            } else {
                grid.Cell(r, 2).setText("0,00");
                grid.Cell(r, 3).setText("0,00");
            }
        }
    }
    double difference = debtors - creditors;
    if (difference < 0)
        difference *= -1;
    appendTotalReportRow(grid,
                         "Toplam Borçlular : " + moneyText(debtors) + " / Toplam Alacaklılar : "
                             + moneyText(creditors) + " / Fark : " + moneyText(difference));
}

struct Company
{
    QList<qint64> accounts; // live and deleted
    QList<int> days; // the days that hold documents
};

// A few hundred accounts and cards (one in ten deleted), a few thousand documents of every
// kind with their lines, dated over seven months; some documents belong to deleted or missing
// accounts, some amounts carry a third decimal.
Company makeCompany()
{
    ModuleState &s = state();
    QRandomGenerator random(20240611);
    Company made;
    Connection &conn = *s.Conn;
    conn.BeginTrans();
    const auto amountText = [&] { return randomAmountText(random); };
    const auto maybeAmount = [&]() -> QVariant {
        switch (random.bounded(4)) {
        case 0:
            return QVariant();
        case 1:
            return QStringLiteral("0");
        default:
            return amountText();
        }
    };
    QList<qint64> stock;
    for (int i = 0; i < 300; ++i) {
        conn.Execute("insert into " + sqlTable(s.TblStok)
                         + " (a1,a2,a4,a6,a7,a8,silindi) values (?,?,?,?,?,?,?)",
                     { QString::number(1000 + i),
                       QStringLiteral("ÜRÜN %1").arg(random.bounded(500)), maybeAmount(),
                       maybeAmount(),
                       random.bounded(3) == 0 ? QStringLiteral("USD") : QStringLiteral("TL"),
                       QStringLiteral("Adet"), random.bounded(10) == 0 ? 1 : 0 });
        stock << conn.LastInsertId();
    }
    for (int i = 0; i < 300; ++i) {
        conn.Execute("insert into " + sqlTable(s.TblCari)
                         + " (a1,a2,a10,a11,silindi) values (?,?,?,?,?)",
                     { QString::number(i), QStringLiteral("CARİ %1").arg(random.bounded(1000)),
                       maybeAmount(), maybeAmount(), random.bounded(10) == 0 ? 1 : 0 });
        made.accounts << conn.LastInsertId();
    }
    const QDate first(2023, 9, 1);
    const auto account = [&]() -> qint64 {
        // A handful of accounts hold many documents; one in fifty names no account.
        if (random.bounded(50) == 0)
            return 999999;
        if (random.bounded(4) == 0)
            return made.accounts.at(random.bounded(5));
        return made.accounts.at(random.bounded(int(made.accounts.size())));
    };
    const auto header = [&](int bmod, int gircik, qint64 cariid, int date, qint64 ftrdrm) {
        conn.Execute("insert into " + documentsTable()
                         + " (cariid,bmod,gircik,serino,sirano,btarihi,aciklama,ftrdrm,yekun) "
                           "values (?,?,?,?,?,?,?,?,?)",
                     { cariid, bmod, gircik, random.bounded(2) ? "A" : "B",
                       QString::number(random.bounded(10000)), date,
                       random.bounded(3) == 0 ? QStringLiteral("not") : QString(),
                       bmod == 3 ? QVariant(ftrdrm) : QVariant(),
                       bmod == 3 ? QVariant() : QVariant(amountText()) });
        return conn.LastInsertId();
    };
    const auto lines = [&](qint64 owner, qint64 takenBy, int count) {
        for (int i = 0; i < count; ++i) {
            const qint64 card = stock.at(random.bounded(int(stock.size())));
            conn.Execute("insert into " + documentsTable()
                             + " (belgeid,stokid,stokadi,miktar,birimfiyat,inout,stokinftr) "
                               "values (?,?,?,?,?,?,?)",
                         { owner, card, QStringLiteral("ÜRÜN %1").arg(card),
                           random.bounded(8) == 0 ? 0.5 * (1 + random.bounded(9))
                                                  : double(1 + random.bounded(20)),
                           amountText(), "o", takenBy ? QVariant(takenBy) : QVariant() });
        }
    };
    for (int i = 0; i < 2500; ++i) {
        const QDate day = first.addDays(random.bounded(213));
        const int date = day.toString("yyyyMMdd").toInt();
        made.days << date;
        const qint64 cariid = account();
        switch (random.bounded(5)) {
        case 0: { // an invoice over two delivery notes
            const qint64 invoice = header(4, random.bounded(4), cariid, date, 0);
            for (int n = 0; n < 2; ++n)
                lines(header(3, 0, cariid, date, invoice), invoice, 1 + random.bounded(3));
            break;
        }
        case 1: // a free delivery note
            lines(header(3, random.bounded(2), cariid, date, 0), 0, 1 + random.bounded(3));
            break;
        case 2:
        case 3: // an invoice with its own lines
            lines(header(5, random.bounded(4), cariid, date, 0), 0, random.bounded(5));
            break;
        default: // a collection or a payment out
            header(6, random.bounded(2), cariid, date, 0);
            break;
        }
    }
    conn.CommitTrans();
    return made;
}

} // namespace

class TestReportEquivalence : public QObject
{
    Q_OBJECT

    std::unique_ptr<kxtest::Fixture> m_fixture;
    Company m_company;

private slots:
    void initTestCase()
    {
        m_fixture = std::make_unique<kxtest::Fixture>();
        m_fixture->login(1);
        SetDocumentColumns();
        state().PriceFormat = QStringLiteral("#,##0.000");
        state().KasaAmount = -321.45;
        m_company = makeCompany();
        m_fixture->loadLists();
    }
    void cleanupTestCase() { m_fixture.reset(); }

    void accountStatement()
    {
        const ModuleState &s = state();
        QVERIFY(s.CariRows.recordCount() > 200);
        QVERIFY(s.CariAllRows.recordCount() > s.CariRows.recordCount());
        // The busy accounts first, then a spread over the list.
        QList<int> records;
        for (int i = 0; i < 5; ++i)
            records << accountRecordById(m_company.accounts.at(i), false);
        for (int k = 0; k < s.CariRows.recordCount(); k += 23)
            records << k;
        int rows = 0;
        for (int k : records) {
            if (k < 0)
                continue; // a deleted busy account
            for (int variant = 0; variant < 4; ++variant) {
                ReportOptions o;
                o.account = k;
                o.stockDetail = variant & 1;
                o.statementRange = variant & 2;
                o.statementFrom = 20231115;
                o.statementTo = 20240131;
                compareReport(
                    6, 7, o, referenceStatement,
                    QStringLiteral("statement of record %1, variant %2").arg(k).arg(variant));
                if (QTest::currentTestFailed())
                    return;
                rows += int(BuildReport(kx::Page::AccountStatement, o).rows.size());
            }
        }
        QVERIFY(rows > 1000);
    }

    void priceList()
    {
        for (int variant = 0; variant < 4; ++variant) {
            ReportOptions o;
            o.purchasePrice = variant & 1;
            o.raise = variant & 2;
            o.raiseText = "12,5";
            o.reduce = variant == 1 || variant == 3;
            o.reduceText = "7";
            compareReport(7, 6, o, referencePriceList,
                          QStringLiteral("price list %1").arg(variant));
        }
    }

    void cashReport()
    {
        const QStringList months { "Ağustos 2023", "Eylül 2023", "Ekim 2023",  "Kasım 2023",
                                   "Aralık 2023",  "Ocak 2024",  "Şubat 2024", "Mart 2024" };
        ReportOptions o;
        o.today = QDate(2024, 3, 15);
        o.cashMonths = months;
        o.cashMonthly = true;
        compareReport(8, 6, o, referenceCash, "cash by month");

        o.cashMonthly = false;
        o.cashDaily = true;
        for (const QString &month : months) {
            o.cashMonth = month;
            compareReport(8, 6, o, referenceCash, "cash by day, " + month);
        }

        o.cashDaily = false;
        o.cashDayDetail = true;
        QList<int> days = m_company.days.mid(0, 12);
        days << 20230815 << 20240331;
        for (int day : days) {
            o.cashDay = day;
            compareReport(8, 6, o, referenceCash, QStringLiteral("cash of %1").arg(day));
        }
    }

    void debtsAndCredits()
    {
        for (int filter = 0; filter < 4; ++filter) {
            ReportOptions o;
            o.allAccounts = filter == 0;
            o.debtorsOnly = filter == 1;
            o.creditorsOnly = filter == 2;
            o.withBalanceOnly = filter == 3;
            compareReport(9, 4, o, referenceDebts, QStringLiteral("debts, filter %1").arg(filter));
        }
    }
};

KX_TEST(TestReportEquivalence)

#include "tst_report_equivalence.moc"
