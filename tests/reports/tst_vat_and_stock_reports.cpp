// The VAT report, stock movements and stock inventory on small companies whose grids are
// written out in full.
#include "core/document_panels.h"
#include "core/lists.h"
#include "core/pages.h"
#include "core/state.h"
#include "platform/grid.h"
#include "reports/report.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"
#include "tests/support/report_checks.h"

#include <QTest>

using namespace kxtest;
using kx::ReportOptions;
using kx::ReportRowKind;

namespace {

// The report of page as the main grid shows it, with the page's column count.
QStringList shown(int page, int cols, const ReportOptions &options, kx::Grid &grid)
{
    grid.setCols(cols);
    grid.setRows(1);
    kx::WriteReportRows(&grid, kx::BuildReport(page, options).rows);
    return reportGridTexts(grid);
}

QString key(int bmod, qint64 id)
{
    return QString::number(bmod) + QString::number(id);
}

qint64 invoice(int bmod, int gircik, qint64 account, int date, const QString &sirano,
               const QString &note, const QStringList &vat, const QString &total)
{
    Header h;
    h.bmod = bmod;
    h.gircik = gircik;
    h.cariid = account;
    h.btarihi = date;
    h.sirano = sirano;
    h.aciklama = note;
    h.kdv1 = vat.at(0);
    h.kdv2 = vat.at(1);
    h.kdv3 = vat.at(2);
    h.yekun = total;
    return addDocument(h);
}

qint64 document(int bmod, int gircik, qint64 account, int date, const QString &note = {})
{
    Header h;
    h.bmod = bmod;
    h.gircik = gircik;
    h.cariid = account;
    h.btarihi = date;
    h.sirano = QString::number(date % 100);
    h.aciklama = note;
    return addDocument(h);
}

qint64 line(qint64 document, qint64 stock, double quantity, const QString &inout,
            const QString &price = {})
{
    Line l;
    l.stokid = stock;
    l.stokadi = QStringLiteral("KART");
    l.miktar = quantity;
    l.inout = inout;
    l.birimfiyat = price;
    return addLine(document, l);
}

} // namespace

class TestVatAndStockReports : public QObject
{
    Q_OBJECT

    std::unique_ptr<Fixture> m_fixture;

private slots:
    void init()
    {
        m_fixture = std::make_unique<Fixture>();
        m_fixture->login(1);
        kx::SetDocumentColumns();
    }
    void cleanup() { m_fixture.reset(); }

    // A small year of invoices: purchases on the left, sales on the right, each with its
    // amount before VAT; the column sums and the summary line under them. Notes, payments and
    // invoices outside the range never enter.
    void vatReportOfAYear_data()
    {
        QTest::addColumn<int>("option"); // 0 all, 1 sales, 2 purchases
        QTest::addColumn<bool>("range");
        QTest::addColumn<QStringList>("expected");

        const QString z = QStringLiteral("0,00");
        const QString purchase = QStringLiteral("%1|10.01.2025|A1 - alış|18,00|0,00|0,00|0,00|"
                                                "0,00|0,00|100,00|0,00");
        const QString sale = QStringLiteral("%2|15.02.2025|A2 - |0,00|0,00|0,00|0,00|8,00|0,00|"
                                            "0,00|100,00");
        const QString cashSale = QStringLiteral("%3|15.02.2025|B7 - peşin|0,00|0,00|0,00|180,00|"
                                                "0,00|0,00|0,00|1.000,00");
        const QString cashPurchase = QStringLiteral("%4|20.12.2025|A9 - |0,00|0,00|1,00|0,00|"
                                                    "0,00|0,00|1,00|0,00");
        const QString before = QStringLiteral("%5|31.12.2024|A3 - geçen yıl|0,00|0,00|0,00|"
                                              "36,00|0,00|0,00|0,00|200,00");
        const QString after = QStringLiteral("%6|01.01.2026|A4 - |5,00|0,00|0,00|0,00|0,00|0,00|"
                                             "45,00|0,00");
        QTest::newRow("all, 2025")
            << 0 << true
            << QStringList { purchase,
                             sale,
                             cashSale,
                             cashPurchase,
                             "|||18,00|0,00|1,00|180,00|8,00|0,00|101,00|1.100,00",
                             "|Toplam Giriş : 19,00 / Toplam Çıkış : 188,00 / Fark : 169,00|||||"
                             "||||" };
        QTest::newRow("sales, 2025")
            << 1 << true
            << QStringList { sale, cashSale, "|||0,00|0,00|0,00|180,00|8,00|0,00|0,00|1.100,00",
                             "|Toplam Giriş : 0,00 / Toplam Çıkış : 188,00 / Fark : 188,00|||||"
                             "||||" };
        QTest::newRow("purchases, 2025")
            << 2 << true
            << QStringList { purchase, cashPurchase,
                             "|||18,00|0,00|1,00|0,00|0,00|0,00|101,00|0,00",
                             "|Toplam Giriş : 19,00 / Toplam Çıkış : 0,00 / Fark : 19,00|||||"
                             "||||" };
        QTest::newRow("all, no range: the dates are ignored")
            << 0 << false
            << QStringList { before,
                             purchase,
                             sale,
                             cashSale,
                             cashPurchase,
                             after,
                             "|||23,00|0,00|1,00|216,00|8,00|0,00|146,00|1.300,00",
                             "|Toplam Giriş : 24,00 / Toplam Çıkış : 224,00 / Fark : 200,00|||||"
                             "||||" };
        QTest::newRow("a range that ends before it starts: only the footers")
            << 0 << true
            << QStringList { "|||" + QStringList(8, z).join(u'|'),
                             "|Toplam Giriş : 0,00 / Toplam Çıkış : 0,00 / Fark : 0,00|||||||||" };
    }
    void vatReportOfAYear()
    {
        QFETCH(int, option);
        QFETCH(bool, range);
        QFETCH(QStringList, expected);
        const qint64 account = addAccount("1", "ALICI");
        // Made out of date order; the two of 15.02 in the order they were made.
        const qint64 after
            = invoice(5, 1, account, 20260101, "4", {}, { "5,00", "0,00", "0,00" }, "50,00");
        const qint64 sale
            = invoice(4, 0, account, 20250215, "2", {}, { "0,00", "8,00", "0,00" }, "108,00");
        const qint64 purchase
            = invoice(5, 1, account, 20250110, "1", "alış", { "18,00", "0,00", "0,00" }, "118,00");
        Header cash;
        cash.bmod = 5;
        cash.gircik = 2;
        cash.cariid = account;
        cash.btarihi = 20250215;
        cash.serino = "B";
        cash.sirano = "7";
        cash.aciklama = "peşin";
        cash.kdv1 = "180,00";
        cash.yekun = "1.180,00";
        const qint64 cashSale = addDocument(cash);
        const qint64 cashPurchase
            = invoice(4, 3, account, 20251220, "9", {}, { "0,00", "0,00", "1,00" }, "2,00");
        const qint64 before = invoice(4, 2, account, 20241231, "3", "geçen yıl",
                                      { "36,00", "0,00", "0,00" }, "236,00");
        document(3, 0, account, 20250301);
        Header payment;
        payment.bmod = 6;
        payment.cariid = account;
        payment.btarihi = 20250301;
        payment.yekun = "500,00";
        addDocument(payment);

        ReportOptions o;
        o.vatAll = option == 0;
        o.vatOutgoing = option == 1;
        o.vatIncoming = option == 2;
        o.vatRange = range;
        const bool backwards = QString(QTest::currentDataTag()).contains("before it starts");
        o.vatFrom = backwards ? 20251231 : 20250101;
        o.vatTo = backwards ? 20250101 : 20251231;
        const QStringList want = withKeys(expected,
                                          { key(5, purchase), key(4, sale), key(5, cashSale),
                                            key(4, cashPurchase), key(4, before), key(5, after) });
        kx::Grid grid;
        QCOMPARE(shown(10, 11, o, grid), want);
        // The two footer rows are yellow from column 1; the summary spans columns 1 to 9 and
        // is bold and centred; neither leads anywhere.
        const int sums = grid.Rows() - 2;
        const int summary = grid.Rows() - 1;
        QCOMPARE(kx::reportRowKind(&grid, sums), ReportRowKind::Total);
        QCOMPARE(kx::reportRowKind(&grid, summary), ReportRowKind::Footer);
        QCOMPARE(grid.Cell(sums, 10).BackColor(), QColor(255, 255, 0));
        QCOMPARE(grid.Cell(summary, 1).BackColor(), QColor(255, 255, 0));
        QCOMPARE(grid.columnSpan(summary - 1, 1), 9);
        QVERIFY(grid.Cell(summary, 1).FontBold());
        QCOMPARE(grid.Cell(summary, 1).CellAlignment(), 10);
        QCOMPARE(grid.Cell(summary, 1).Border(0), 0);
        for (int r = 1; r < sums; ++r)
            QCOMPARE(kx::reportRowKind(&grid, r), ReportRowKind::Data);
    }

    // One card's lines by date, lines of one date by the order they were made, the range's
    // outsiders hidden but kept, the sums by the documents' direction: a purchase whose note
    // says "(Çıkış)" still counts as incoming. A line whose document is gone shows empty texts
    // and comes first; a document whose account is gone shows no account.
    void stockMovementsWithARange_data()
    {
        QTest::addColumn<bool>("range");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("expected");
        const QString orphan = "||||7|0,00";
        const QString lastYear = "%1|31.12.2024|A31 - İrsaliye (Çıkış) - |ALICI|1|0,00";
        const QString noteIn = "%2|05.01.2025|A5 - İrsaliye (Giriş) - ilk|BAYI|10|0,00";
        const QString secondOfDay = "%3|20.01.2025|A20 - A. İrs. Fatura (Giriş) - (Çıkış) yazılı "
                                    "alış|BAYI|4|12,50";
        const QString firstOfDay = "%4|20.01.2025|A20 - A. İrs. Fatura (Çıkış) - |ALICI|3|15,00";
        const QString noteOut = "%5|31.01.2025|A31 - İrsaliye (Çıkış) - |ALICI|2,5|0,00";
        const QString cashSale = "%6|01.02.2025|A1 - K. İrs. Fatura (Çıkış) - ||1|15,00";
        QTest::newRow("January")
            << true << 20250101 << 20250131
            << QStringList {
                   "(h)" + orphan,   "(h)" + lastYear,
                   noteIn,           secondOfDay,
                   firstOfDay,       noteOut,
                   "(h)" + cashSale, "|Toplam Giriş : 14                    Toplam Çıkış : 5,5||||"
               };
        QTest::newRow("no range")
            << false << 20250101 << 20250131
            << QStringList {
                   orphan,     lastYear,
                   noteIn,     secondOfDay,
                   firstOfDay, noteOut,
                   cashSale,   "|Toplam Giriş : 21                    Toplam Çıkış : 7,5||||"
               };
        QTest::newRow("every row hidden: the totals row still comes")
            << true << 20300101 << 20301231
            << QStringList {
                   "(h)" + orphan,     "(h)" + lastYear,
                   "(h)" + noteIn,     "(h)" + secondOfDay,
                   "(h)" + firstOfDay, "(h)" + noteOut,
                   "(h)" + cashSale,   "|Toplam Giriş : 0                    Toplam Çıkış : 0||||"
               };
    }
    void stockMovementsWithARange()
    {
        QFETCH(bool, range);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, expected);
        const qint64 card = addStock("V1", "VIDA");
        const qint64 other = addStock("S2", "SOMUN");
        const qint64 alici = addAccount("1", "ALICI");
        const qint64 bayi = addAccount("2", "BAYI");
        // Made out of date order.
        const qint64 cashSale = document(5, 2, 888888, 20250201);
        line(cashSale, card, 1, "o", "15,00");
        const qint64 noteOut = document(3, 0, alici, 20250131);
        line(noteOut, card, 2.5, "o");
        const qint64 firstOfDay = document(5, 0, alici, 20250120);
        const qint64 secondOfDay = document(5, 1, bayi, 20250120, "(Çıkış) yazılı alış");
        line(secondOfDay, card, 4, "i", "12,50");
        line(firstOfDay, card, 3, "o", "15,00");
        line(firstOfDay, other, 100, "o", "1,00");
        const qint64 noteIn = document(3, 1, bayi, 20250105, "ilk");
        line(noteIn, card, 10, "i");
        const qint64 lastYear = document(3, 0, alici, 20241231);
        line(lastYear, card, 1, "o");
        line(999999, card, 7, "i");
        m_fixture->loadLists();

        ReportOptions o;
        o.stock = kx::stockRecordById(card, false);
        o.movementRange = range;
        o.movementFrom = from;
        o.movementTo = to;
        const QStringList want
            = withKeys(expected,
                       { key(3, lastYear), key(3, noteIn), key(5, secondOfDay), key(5, firstOfDay),
                         key(3, noteOut), key(5, cashSale) });
        kx::Grid grid;
        QCOMPARE(shown(11, 6, o, grid), want);
        QCOMPARE(kx::reportRowKind(&grid, grid.Rows() - 1), ReportRowKind::Total);
    }

    // Without a card chosen the report says which choice is missing and builds nothing; a card
    // without lines gives no row at all, not even a totals row.
    void stockMovementsWithoutLinesOrCard()
    {
        addStock("V1", "VIDA");
        m_fixture->loadLists();
        ReportOptions o;
        const kx::Report none = kx::BuildReport(kx::Page::StockMovements, o);
        QCOMPARE(none.missing, QStringLiteral("Görüntülemek istediğiniz stoğu kodunu seçiniz!"));
        QVERIFY(none.rows.isEmpty());
        o.stock = 0;
        const kx::Report empty = kx::BuildReport(kx::Page::StockMovements, o);
        QVERIFY(empty.missing.isEmpty());
        QVERIFY(empty.rows.isEmpty());
    }

    // Every live card by name, valued four ways. ALFA follows the worked example (newest
    // purchase without a price, average 115 / 12); BETA has no warning level and still gets
    // its quantity; the "BARKOD" card holds none; GAMA's purchases cancel out, so its average
    // falls back to the purchase price, and of its two purchases of one date the one made
    // last is its last cost. A deleted card never shows.
    void inventoryByEveryValuation_data()
    {
        QTest::addColumn<int>("mode"); // 0 purchase, 1 sale, 2 last cost, 3 average cost
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("purchase price")
            << 0
            << QStringList { "%1|ALFA|10|10,00|100,00", "%2|BARKOD|0|1,00|0,00",
                             "%3|BETA|2|1.234,50|2.469,00", "%4|GAMA|1|3,00|3,00",
                             "|Toplam Değer : 2.572,00|||" };
        QTest::newRow("sale price")
            << 1
            << QStringList { "%1|ALFA|10|15,00|150,00", "%2|BARKOD|0|2,00|0,00",
                             "%3|BETA|2|2.000,00|4.000,00", "%4|GAMA|1|4,00|4,00",
                             "|Toplam Değer : 4.154,00|||" };
        QTest::newRow("last cost")
            << 2
            << QStringList { "%1|ALFA|10|0,00|0,00", "%2|BARKOD|0|1,00|0,00",
                             "%3|BETA|2|1.234,50|2.469,00", "%4|GAMA|1|6,00|6,00",
                             "|Toplam Değer : 2.475,00|||" };
        QTest::newRow("average cost")
            << 3
            << QStringList { "%1|ALFA|10|9,58|95,80", "%2|BARKOD|0|1,00|0,00",
                             "%3|BETA|2|1.234,50|2.469,00", "%4|GAMA|1|3,00|3,00",
                             "|Toplam Değer : 2.567,80|||" };
    }
    void inventoryByEveryValuation()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, expected);
        kx::state().PriceFormat = QStringLiteral("#,##0.00");
        const qint64 gama = addStock("G", "GAMA", { { 4, "3,00" }, { 6, "4,00" }, { 9, "1" } });
        const qint64 alfa
            = addStock("A", "ALFA", { { 4, "10,00" }, { 5, "5" }, { 6, "15,00" }, { 9, "3" } });
        const qint64 beta
            = addStock("B", "BETA", { { 4, "1.234,50" }, { 6, "2.000,00" }, { 9, "2" } });
        const qint64 barcode = addStock("BARKOD", "BARKOD",
                                        { { 4, "1,00" }, { 5, "0" }, { 6, "2,00" }, { 9, "7" } });
        const qint64 gone = addStock("D", "DELTA", { { 4, "9,00" }, { 9, "5" } }, true);
        const qint64 supplier = addAccount("1", "BAYI");
        const qint64 january = document(5, 1, supplier, 20250101);
        line(january, alfa, 4, "i", "10,00");
        line(january, barcode, 3, "i", "1,00");
        line(january, gone, 3, "i", "1,00");
        line(january, gama, 4, "i", "5,00");
        line(january, gama, -4, "i", "6,00");
        const qint64 march = document(3, 1, supplier, 20250301);
        line(march, alfa, 2, "i");
        const qint64 february = document(5, 1, supplier, 20250201);
        line(february, alfa, 6, "i", "12,50");
        const qint64 sale = document(5, 0, supplier, 20250310);
        line(sale, alfa, 5, "o", "20,00");
        m_fixture->loadLists();

        ReportOptions o;
        o.byPurchasePrice = mode == 0;
        o.bySalePrice = mode == 1;
        o.byLastCost = mode == 2;
        o.byAverageCost = mode == 3;
        const QStringList want = withKeys(expected,
                                          { QString::number(alfa), QString::number(barcode),
                                            QString::number(beta), QString::number(gama) });
        kx::Grid grid;
        QCOMPARE(shown(12, 5, o, grid), want);
        QCOMPARE(kx::reportRowKind(&grid, grid.Rows() - 1), ReportRowKind::Total);
    }
};

KX_TEST(TestVatAndStockReports)

#include "tst_vat_and_stock_reports.moc"
