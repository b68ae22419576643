// The account statement, price list, cash report and debts and credits on small companies
// whose whole expected grids are written out.
#include "core/document_panels.h"
#include "core/state.h"
#include "reports/report.h"
#include "reports/report_pages.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QHash>
#include <QTest>

using namespace kxtest;
using kx::ReportRowKind;

namespace {

// A row as "kind: col0|col1|...", the kinds as one letter: D data, G goods line, O opening,
// T total; trailing empty cells dropped.
QStringList shown(const kx::Report &report)
{
    QStringList rows;
    for (const kx::ReportRow &row : report.rows) {
        QStringList cells = row.cells;
        while (!cells.isEmpty() && cells.last().isEmpty())
            cells.removeLast();
        const char *kinds = "-DGOTF";
        rows << QString(QLatin1Char(kinds[int(row.kind)])) + QStringLiteral(": ")
                + cells.join(u'|');
    }
    return rows;
}

// Replaces {name} with a document key or id from the table.
QStringList filled(QStringList rows, const QHash<QString, QString> &names)
{
    for (QString &row : rows) {
        for (auto it = names.cbegin(); it != names.cend(); ++it)
            row.replace(u'{' + it.key() + u'}', it.value());
    }
    return rows;
}

void prepare()
{
    kx::SetDocumentColumns();
    kx::state().PriceFormat = QStringLiteral("#,##0.00");
}

Line goods(qint64 stock, const QString &name, double quantity, const QString &price,
           qint64 takenBy = 0)
{
    Line line;
    line.stokid = stock;
    line.stokadi = name;
    line.miktar = quantity;
    line.birimfiyat = price;
    line.stokinftr = takenBy;
    return line;
}

} // namespace

class TestMoneyReports : public QObject
{
    Q_OBJECT

    std::unique_ptr<Fixture> m_fixture;
    QHash<QString, QString> m_names;

private slots:
    void init()
    {
        m_fixture = std::make_unique<Fixture>();
        m_fixture->login(1);
        prepare();
        m_names.clear();
    }
    void cleanup() { m_fixture.reset(); }

    // One account's statement: opening values of the card, a sale on account with its own
    // lines, a cash sale over a delivery note (both columns), a collection and a payment out;
    // delivery notes and another account's documents stay out.
    void accountStatement_data()
    {
        QTest::addColumn<bool>("stockDetail");
        QTest::addColumn<bool>("range");
        QTest::addColumn<QStringList>("rows");

        const QString opening = "O: |------|(Dönem Açılışı)|100,00|0,00|100,00|0,00";
        const QString sale = "D: {sale}|05.01.2024|A1 - A. İrs. Fatura (Çıkış) - ilk|250,00|0,00|"
                             "350,00|0,00";
        const QString cash = "D: {cash}|10.01.2024|B7 - K. Fatura (Çıkış) - |80,00|80,00|350,00|"
                             "0,00";
        const QString collection = "D: {collection}|12.01.2024|A3 - Tahsilat - |0,00|50,00|"
                                   "300,00|0,00";
        const QString paidOut = "D: {paidOut}|01.02.2024|A4 - Tediye - kira|30,00|0,00|330,00|"
                                "0,00";
        QTest::newRow("all dates")
            << false << false
            << QStringList { opening,    sale,    cash,
                             collection, paidOut, "T: |||460,00|130,00|330,00 Borçlu" };
        QTest::newRow("goods lines") << true << false
                                     << QStringList { opening,
                                                      sale,
                                                      "G: |5 X |VIDA|2,50|------|------|------",
                                                      "G: |2,5 X |SOMUN|4,00|------|------|------",
                                                      cash,
                                                      "G: |3 X |VIDA|2,50|------|------|------",
                                                      collection,
                                                      paidOut,
                                                      "T: |||460,00|130,00|330,00 Borçlu" };
        // From 10.01.2024: the opening and the sale of the 5th are carried over, the cash sale
        // of the first day itself is listed.
        QTest::newRow("date range")
            << false << true
            << QStringList { "O: |------|Devir|350,00|0,00|350,00|0,00", cash, collection,
                             "T: |||430,00|130,00|300,00 Borçlu" };
    }
    void accountStatement()
    {
        QFETCH(bool, stockDetail);
        QFETCH(bool, range);
        QFETCH(QStringList, rows);
        const qint64 vida = addStock("1", "VIDA");
        const qint64 somun = addStock("2", "SOMUN");
        const qint64 account = addAccount("10", "ALICI", { { 10, "100,00" } });
        const qint64 other = addAccount("11", "BAŞKA");
        m_fixture->loadLists();

        const qint64 sale = addDocument(5, 0, account, 20240105, "250,00", "1", "ilk");
        addLine(sale, goods(vida, "VIDA", 5, "2,50"));
        addLine(sale, goods(somun, "SOMUN", 2.5, "4,00"));
        Header cashHeader;
        cashHeader.bmod = 4;
        cashHeader.gircik = 2;
        cashHeader.cariid = account;
        cashHeader.serino = "B";
        cashHeader.sirano = "7";
        cashHeader.btarihi = 20240110;
        cashHeader.yekun = "80,00";
        const qint64 cash = addDocument(cashHeader);
        const qint64 note = addDocument(3, 0, account, 20240109, {}, "2");
        addLine(note, goods(vida, "VIDA", 3, "2,50", cash));
        const qint64 collection = addDocument(6, 0, account, 20240112, "50,00", "3");
        const qint64 paidOut = addDocument(6, 1, account, 20240201, "30,00", "4", "kira");
        addDocument(5, 0, other, 20240105, "999,00", "5");
        m_names = { { "sale", "5" + QString::number(sale) },
                    { "cash", "4" + QString::number(cash) },
                    { "collection", "6" + QString::number(collection) },
                    { "paidOut", "6" + QString::number(paidOut) } };

        kx::ReportOptions options;
        options.account = 0; // ALICI before BAŞKA
        options.stockDetail = stockDetail;
        options.statementRange = range;
        options.statementFrom = 20240110;
        options.statementTo = 20240131;
        const kx::Report report = kx::AccountStatement(options);
        QCOMPARE(shown(report), filled(rows, m_names));
        // Goods lines: light yellow, 17 high, right-aligned quantity; the totals row yellow
        // with its two merges and the bordered, centred balance.
        for (const kx::ReportRow &row : report.rows) {
            if (row.kind == ReportRowKind::GoodsLine) {
                QCOMPARE(row.height, 17);
                QCOMPARE(row.backColor, QColor(255, 255, 192));
                QCOMPARE(row.styles.at(0).alignment, 14);
            } else {
                QCOMPARE(row.height, 0);
            }
        }
        const kx::ReportRow &total = report.rows.last();
        QCOMPARE(total.backColor, QColor(255, 255, 0));
        QCOMPARE(total.merges.size(), 2);
        QCOMPARE(total.merges.at(1).first, 5);
        QCOMPARE(total.styles.at(1).col, 5);
        QVERIFY(total.styles.at(1).border);
        QCOMPARE(total.styles.at(1).alignment, 10);
    }

    // The totals row's balance: owed, owing, and even without a suffix; an account without
    // movements still gets its opening and totals rows; no account is a message.
    void statementTotals_data()
    {
        QTest::addColumn<QString>("openingDebit");
        QTest::addColumn<QString>("openingCredit");
        QTest::addColumn<QString>("purchase");
        QTest::addColumn<QString>("balance");
        QTest::newRow("owing") << ""
                               << "20,00"
                               << "100,00"
                               << "120,00 Alacaklı";
        QTest::newRow("even") << "100,00"
                              << ""
                              << "100,00"
                              << "0,00";
        QTest::newRow("no movement") << ""
                                     << ""
                                     << ""
                                     << "0,00";
    }
    void statementTotals()
    {
        QFETCH(QString, openingDebit);
        QFETCH(QString, openingCredit);
        QFETCH(QString, purchase);
        QFETCH(QString, balance);
        const qint64 account
            = addAccount("1", "SATICI", { { 10, openingDebit }, { 11, openingCredit } });
        m_fixture->loadLists();
        if (!purchase.isEmpty())
            addDocument(4, 1, account, 20240105, purchase, "1");
        kx::ReportOptions options;
        options.account = 0;
        const kx::Report report = kx::AccountStatement(options);
        QCOMPARE(report.rows.size(), purchase.isEmpty() ? 2 : 3);
        QCOMPARE(report.rows.last().cells.at(5), balance);
        if (purchase.isEmpty())
            QCOMPARE(shown(report).first(),
                     QStringLiteral("O: |------|(Dönem Açılışı)|0,00|0,00|0,00|0,00"));

        options.account = -1;
        const kx::Report missing = kx::AccountStatement(options);
        QVERIFY(missing.rows.isEmpty());
        QCOMPARE(missing.missing, QStringLiteral("Görüntülemek istediğiniz cariyi seçiniz!"));
        QCOMPARE(missing.missingField, QByteArray("XCCari"));
    }

    // The price list: live cards in name order, base price from the purchase or the sale
    // price, the ticked percentages side by side, in the price format.
    void priceList_data()
    {
        QTest::addColumn<bool>("purchase");
        QTest::addColumn<bool>("raise");
        QTest::addColumn<QString>("raiseText");
        QTest::addColumn<bool>("reduce");
        QTest::addColumn<QString>("reduceText");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("prices"); // ALFA, BETA

        QTest::newRow("sale price") << false << false << "10" << false << "10"
                                    << "#,##0.00" << QStringList { "100,00", "12,35" };
        QTest::newRow("raised 10") << false << true << "10" << false << "0"
                                   << "#,##0.00" << QStringList { "110,00", "13,58" };
        QTest::newRow("raised and reduced") << false << true << "10" << true << "10"
                                            << "#,##0.00" << QStringList { "100,00", "12,35" };
        QTest::newRow("reduced 12,5") << false << false << "" << true << "12,5"
                                      << "#,##0.00" << QStringList { "87,50", "10,80" };
        QTest::newRow("negative raise") << false << true << "-5" << false << ""
                                        << "#,##0.00" << QStringList { "95,00", "11,73" };
        QTest::newRow("purchase price") << true << true << "abc" << false << ""
                                        << "#,##0.00" << QStringList { "80,00", "0,00" };
        QTest::newRow("three decimals") << false << true << "10" << false << ""
                                        << "#,##0.000" << QStringList { "110,000", "13,580" };
    }
    void priceList()
    {
        QFETCH(bool, purchase);
        QFETCH(bool, raise);
        QFETCH(QString, raiseText);
        QFETCH(bool, reduce);
        QFETCH(QString, reduceText);
        QFETCH(QString, format);
        QFETCH(QStringList, prices);
        addStock("K2", "BETA", { { 6, "12,345" }, { 7, "USD" }, { 8, "Kutu" } });
        addStock("K1", "ALFA", { { 4, "80,00" }, { 6, "100,00" }, { 7, "TL" }, { 8, "Adet" } });
        addStock("K3", "AAA SİLİNMİŞ", { { 6, "1,00" } }, true);
        m_fixture->loadLists();
        kx::state().PriceFormat = format;

        kx::ReportOptions options;
        options.purchasePrice = purchase;
        options.raise = raise;
        options.raiseText = raiseText;
        options.reduce = reduce;
        options.reduceText = reduceText;
        QCOMPARE(shown(kx::PriceList(options)),
                 (QStringList { "D: |K1|ALFA|Adet|TL|" + prices.at(0),
                                "D: |K2|BETA|Kutu|USD|" + prices.at(1) }));
    }

    void priceListWithoutCards()
    {
        m_fixture->loadLists();
        QVERIFY(kx::PriceList(kx::ReportOptions()).rows.isEmpty());
    }

    // The cash report in its three modes. Money comes in through a cash sale and a
    // collection, goes out through a cash purchase and a payment out; open invoices and
    // delivery notes never count. The company's cash is 1.500,00.
    void cashReport_data()
    {
        QTest::addColumn<int>("mode"); // 0 monthly, 1 daily, 2 day detail
        QTest::addColumn<QString>("month");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QStringList>("rows");

        QTest::newRow("by month") << 0 << "" << QDate(2024, 2, 10)
                                  << QStringList { "O: |-----|Devir|1.500,00|0,00|1.500,00",
                                                   "D: |Aralık 2023||10,00|0,00|1.510,00",
                                                   "D: |Ocak 2024||145,00|35,00|1.620,00",
                                                   "D: |Şubat 2024||0,00|25,50|1.594,50" };
        // Today is the 6th of the month: days after it are not listed. The collection of 31
        // December is carried over.
        const QString dashes = "------------";
        QTest::newRow("by day, this month")
            << 1 << "Ocak 2024" << QDate(2024, 1, 6)
            << QStringList { "O: |-----|Devir|1.510,00|0,00|1.510,00",
                             "D: |01 Ocak 2024|" + dashes + "|0,00|0,00|1.510,00",
                             "D: |02 Ocak 2024|" + dashes + "|0,00|0,00|1.510,00",
                             "D: |03 Ocak 2024|" + dashes + "|0,00|0,00|1.510,00",
                             "D: |04 Ocak 2024|" + dashes + "|0,00|0,00|1.510,00",
                             "D: |05 Ocak 2024|" + dashes + "|145,00|5,00|1.650,00",
                             "D: |06 Ocak 2024|" + dashes + "|0,00|0,00|1.650,00" };
        // The carry-over runs up to the chosen day itself; rows in stored order; a deleted
        // account keeps its name, a missing one shows none.
        QTest::newRow("one day")
            << 2 << "Aralık 2023" << QDate(2024, 2, 10)
            << QStringList { "O: |-----|Devir|1.510,00|0,00|1.510,00",
                             "D: |05.01.2024|A1 - K. İrs. Fatura (Çıkış) -  - ALICI|100,00|0,00|"
                             "1.610,00",
                             "D: |05.01.2024|A2 - Tahsilat - avans - ESKİ|40,00|0,00|1.650,00",
                             "D: |05.01.2024|A9 - Tediye -  - |0,00|5,00|1.645,00",
                             "D: |05.01.2024|A10 - Tahsilat -  - ALICI|5,00|0,00|1.650,00" };
    }
    void cashReport()
    {
        QFETCH(int, mode);
        QFETCH(QString, month);
        QFETCH(QDate, today);
        QFETCH(QStringList, rows);
        const qint64 alici = addAccount("1", "ALICI");
        const qint64 gone = addAccount("2", "ESKİ", {}, true);
        m_fixture->loadLists();
        kx::state().KasaAmount = 1500;

        addDocument(5, 2, alici, 20240105, "100,00", "1");
        addDocument(6, 0, gone, 20240105, "40,00", "2", "avans");
        addDocument(4, 3, alici, 20240120, "30,00", "3");
        addDocument(6, 1, alici, 20240202, "25,50", "4");
        addDocument(6, 0, alici, 20231231, "10,00", "5");
        addDocument(5, 0, alici, 20240105, "999,00", "6");
        addDocument(4, 1, alici, 20240105, "888,00", "7");
        addDocument(3, 0, alici, 20240105, "777,00", "8");
        addDocument(6, 1, 999, 20240105, "5,00", "9");
        addDocument(6, 0, alici, 20240105, "5,00", "10");

        kx::ReportOptions options;
        options.today = today;
        options.cashMonthly = mode == 0;
        options.cashDaily = mode == 1;
        options.cashDayDetail = mode == 2;
        options.cashMonths = QStringList { "Aralık 2023", "Ocak 2024", "Şubat 2024" };
        options.cashMonth = month;
        options.cashDay = 20240105;
        QCOMPARE(shown(kx::CashReport(options)), rows);
    }

    // Days of a month come from the calendar; today's month stops at today, whatever the
    // month list holds.
    void cashDaysFromCalendar_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("days");
        QTest::newRow("leap February") << "Şubat 2024" << QDate(2025, 1, 1) << 29;
        QTest::newRow("February") << "Şubat 2023" << QDate(2025, 1, 1) << 28;
        QTest::newRow("April") << "Nisan 2023" << QDate(2025, 1, 1) << 30;
        QTest::newRow("December") << "Aralık 2023" << QDate(2025, 1, 1) << 31;
        QTest::newRow("today's month") << "Mart 2024" << QDate(2024, 3, 17) << 17;
        QTest::newRow("last month, once today moved on") << "Mart 2024" << QDate(2024, 4, 2) << 31;
        QTest::newRow("no month name") << "Mars 2024" << QDate(2025, 1, 1) << 0;
    }
    void cashDaysFromCalendar()
    {
        QFETCH(QString, month);
        QFETCH(QDate, today);
        QFETCH(int, days);
        kx::ReportOptions options;
        options.today = today;
        options.cashDaily = true;
        options.cashMonths = QStringList { "Mart 2024" };
        options.cashMonth = month;
        const kx::Report report = kx::CashReport(options);
        QCOMPARE(report.rows.size(), days + 1);
        if (days > 0)
            QCOMPARE(report.rows.last().cells.at(1),
                     QStringLiteral("%1 ").arg(days, 2, 10, QLatin1Char('0')) + month);
    }

    // A negative cash amount opens on the Alacak side; with no mode chosen only the opening
    // row stands.
    void cashOpeningSides_data()
    {
        QTest::addColumn<double>("cash");
        QTest::addColumn<QString>("opening");
        QTest::newRow("negative") << -200.0 << "O: |-----|Devir|0,00|200,00|-200,00";
        QTest::newRow("zero") << 0.0 << "O: |-----|Devir|0,00|0,00|0,00";
        QTest::newRow("positive") << 1234.5 << "O: |-----|Devir|1.234,50|0,00|1.234,50";
    }
    void cashOpeningSides()
    {
        QFETCH(double, cash);
        QFETCH(QString, opening);
        kx::state().KasaAmount = cash;
        QCOMPARE(shown(kx::CashReport(kx::ReportOptions())), QStringList { opening });
    }

    // Debts and credits: live accounts in name order, each balance on its side, the filter,
    // and the three totals with a difference that is never negative.
    void debtsAndCredits_data()
    {
        QTest::addColumn<int>("filter"); // 0 all, 1 debtors, 2 creditors, 3 with a balance
        QTest::addColumn<QStringList>("rows");
        const QString alfa = "D: {ALFA}|ALFA (A)|1.000,00|0,00";
        const QString beta = "D: {BETA}|BETA (B)|0,00|1.500,00";
        const QString ceylan = "D: {CEYLAN}|CEYLAN (C)|0,00|0,00";
        const QString efe = "D: {EFE}|EFE (E)|0,00|1.234,50";
        const QString both = "T: |Toplam Borçlular : 1.000,00 / Toplam Alacaklılar : 2.734,50 "
                             "/ Fark : 1.734,50";
        QTest::newRow("all") << 0 << QStringList { alfa, beta, ceylan, efe, both };
        QTest::newRow("debtors")
            << 1
            << QStringList { alfa,
                             "T: |Toplam Borçlular : 1.000,00 / Toplam Alacaklılar : 0,00 "
                             "/ Fark : 1.000,00" };
        QTest::newRow("creditors")
            << 2
            << QStringList { beta, efe,
                             "T: |Toplam Borçlular : 0,00 / Toplam Alacaklılar : 2.734,50 / "
                             "Fark : 2.734,50" };
        QTest::newRow("with a balance") << 3 << QStringList { alfa, beta, efe, both };
    }
    void debtsAndCredits()
    {
        QFETCH(int, filter);
        QFETCH(QStringList, rows);
        const qint64 efe = addAccount("E", "EFE", { { 11, "1.234,50" } });
        const qint64 alfa = addAccount("A", "ALFA", { { 10, "0" } });
        const qint64 beta = addAccount("B", "BETA");
        const qint64 ceylan = addAccount("C", "CEYLAN", { { 10, "50,00" } });
        const qint64 delta = addAccount("D", "DELTA", {}, true);
        m_fixture->loadLists();
        addDocument(5, 0, alfa, 20240105, "1.000,00", "1");
        addDocument(3, 0, alfa, 20240105, "55,00", "2");
        addDocument(4, 1, beta, 20240105, "1.500,00", "3");
        addDocument(6, 0, ceylan, 20240105, "50,00", "4");
        addDocument(5, 0, delta, 20240105, "300,00", "5");
        addDocument(5, 3, efe, 20240105, "99,00", "6");
        m_names = { { "ALFA", QString::number(alfa) },
                    { "BETA", QString::number(beta) },
                    { "CEYLAN", QString::number(ceylan) },
                    { "EFE", QString::number(efe) } };

        kx::ReportOptions options;
        options.allAccounts = filter == 0;
        options.debtorsOnly = filter == 1;
        options.creditorsOnly = filter == 2;
        options.withBalanceOnly = filter == 3;
        const kx::Report report = kx::DebtsAndCredits(options);
        QCOMPARE(shown(report), filled(rows, m_names));
        QVERIFY(report.rows.last().bold);
        QCOMPARE(report.rows.last().backColor, QColor(255, 255, 0));
    }

    void debtsWithoutAccounts()
    {
        m_fixture->loadLists();
        kx::ReportOptions options;
        options.allAccounts = true;
        QCOMPARE(shown(kx::DebtsAndCredits(options)),
                 QStringList { "T: |Toplam Borçlular : 0,00 / Toplam Alacaklılar : 0,00 / Fark "
                               ": 0,00" });
    }
};

KX_TEST(TestMoneyReports)

#include "tst_money_reports.moc"
