// The VAT, stock movements, inventory and cheques reports against plain row-by-row references
// over a seeded random company: each reference reads one invoice, line, card or cheque at a
// time, with a query per document, account or card where the report reads them all at once,
// and fills its own grid; both grids must match cell for cell.
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

#include <algorithm>
#include <memory>

using namespace kx;
using namespace kxtest;

namespace {

// ---- The plain references.

void referenceVat(Grid &grid, const ReportOptions &o)
{
    const ModuleState &s = state();
    QString sql = "select * from " + documentsTable() + " where (bmod=4 or bmod=5)";
    if (o.vatOutgoing)
        sql += " and (gircik=0 or gircik=2)";
    if (o.vatIncoming)
        sql += " and (gircik=1 or gircik=3)";
    QVariantList values;
    if (o.vatRange) {
        sql += " and btarihi between ? and ?";
        values << o.vatFrom << o.vatTo;
    }
    Recordset rs;
    rs.Open(sql + " order by btarihi, id", *s.Conn, values);
    for (; !rs.Eof(); rs.MoveNext()) {
        const int r = appendReportRow(grid);
        grid.Cell(r, 0).setText(rs.Fields("bmod").toString() + rs.Fields("id").toString());
        grid.Cell(r, 1).setText(DateKeyToText(rs.Fields("btarihi")));
        grid.Cell(r, 2).setText(rs.Fields("serino").toString() + rs.Fields("sirano").toString()
                                + " - " + rs.Fields("aciklama").toString());
        const QVariant gircik = rs.Fields("gircik");
        const double net = amountOf(rs.Fields("yekun")) - amountOf(rs.Fields("kdv1"))
            - amountOf(rs.Fields("kdv2")) - amountOf(rs.Fields("kdv3"));
        if (!gircik.isNull() && (gircik.toInt() == 1 || gircik.toInt() == 3)) {
            grid.Cell(r, 3).setText(rs.Fields("kdv1").toString());
            grid.Cell(r, 4).setText(rs.Fields("kdv2").toString());
            grid.Cell(r, 5).setText(rs.Fields("kdv3").toString());
            grid.Cell(r, 9).setText(moneyText(net));
            grid.Cell(r, 10).setText("0,00");
        } else if (!gircik.isNull() && (gircik.toInt() == 0 || gircik.toInt() == 2)) {
            grid.Cell(r, 6).setText(rs.Fields("kdv1").toString());
            grid.Cell(r, 7).setText(rs.Fields("kdv2").toString());
            grid.Cell(r, 8).setText(rs.Fields("kdv3").toString());
            grid.Cell(r, 9).setText("0,00");
            grid.Cell(r, 10).setText(moneyText(net));
        }
    }
    for (int r = 1; r < grid.Rows(); ++r) {
        for (int c = 3; c < grid.Cols(); ++c) {
            if (grid.Cell(r, c).Text().isEmpty())
                grid.Cell(r, c).setText("0,00");
        }
    }
    const int sums = appendReportRow(grid, ReportRowKind::Total);
    const int summary = appendReportRow(grid, ReportRowKind::Footer);
    const int last = grid.Cols() - 1;
    grid.Range(sums, 1, sums, last).setBackColor(QColor(255, 255, 0));
    grid.Range(summary, 1, summary, last).setBackColor(QColor(255, 255, 0));
    for (int c = 3; c <= 10; ++c)
        grid.Cell(sums, c).setText(moneyText(SumGridColumn(&grid, c, 1, grid.Rows() - 3)));
    grid.Range(summary, 1, summary, 9).Merge();
    grid.Cell(summary, 1).setCellAlignment(10);
    grid.Range(summary, 1, summary, last).setFontBold(true);
    double input = 0;
    double output = 0;
    for (int c = 3; c <= 5; ++c)
        input += amountOf(grid.Cell(sums, c).Text());
    for (int c = 6; c <= 8; ++c)
        output += amountOf(grid.Cell(sums, c).Text());
    double difference = input - output;
    if (difference < 0)
        difference *= -1;
    grid.Cell(summary, 1)
        .setText("Toplam Giriş : " + moneyText(input) + " / Toplam Çıkış : " + moneyText(output)
                 + " / Fark : " + moneyText(difference));
}

void referenceMovements(Grid &grid, const ReportOptions &o)
{
    const ModuleState &s = state();
    const qint64 id = s.StokRows.value(0, o.stock).toLongLong();
    struct Row
    {
        QStringList cells;
        qint64 date = 0;
        bool out = false;
    };
    QList<Row> rows;
    Recordset lines;
    lines.Open("select * from " + documentsTable() + " where stokid=? order by btarihi, id",
               *s.Conn, { id });
    for (; !lines.Eof(); lines.MoveNext()) {
        Row row;
        row.cells = QStringList(6);
        const QVariant quantity = lines.Fields("miktar");
        row.cells[4] = quantity.isNull() ? QString() : plainNumberText(quantity.toDouble());
        const QVariant price = lines.Fields("birimfiyat");
        row.cells[5] = price.isNull() ? "0,00" : price.toString();
        row.out = lines.Fields("inout").toString() == "o";
        Recordset document;
        document.Open("select * from " + documentsTable() + " where id=?", *s.Conn,
                      { lines.Fields("belgeid") });
        if (!document.Eof()) {
            row.cells[0] = document.Fields("bmod").toString() + document.Fields("id").toString();
            row.date = document.Fields("btarihi").toLongLong();
            row.cells[1] = DateKeyToText(document.Fields("btarihi"));
            const QString kind
                = DocumentKindName(document.Fields("bmod"), document.Fields("gircik"));
            row.cells[2] = document.Fields("serino").toString()
                + document.Fields("sirano").toString() + " - " + kind + " - "
                + document.Fields("aciklama").toString();
            row.out = kind.contains("(Çıkış)");
            Recordset account;
            account.Open("select * from " + sqlTable(s.TblCari) + " where id=?", *s.Conn,
                         { document.Fields("cariid") });
            if (!account.Eof())
                row.cells[3] = account.Fields("a2").toString();
        }
        rows << row;
    }
    // The lines came in the order they were made; a stable sort keeps it within a date.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row &a, const Row &b) { return a.date < b.date; });
    double in = 0;
    double out = 0;
    for (const Row &row : rows) {
        const int r = appendReportRow(grid);
        for (int c = 0; c < 6; ++c)
            grid.Cell(r, c).setText(row.cells.at(c));
        if (o.movementRange && (row.date < o.movementFrom || row.date > o.movementTo))
            grid.setRowHeight(r, 0);
        if (grid.RowHeight(r) >= 1)
            (row.out ? out : in) += amountOf(grid.Cell(r, 4).Text());
    }
    if (grid.Rows() >= 2)
        appendTotalReportRow(grid,
                             "Toplam Giriş : " + plainNumberText(in) + QString(20, ' ')
                                 + "Toplam Çıkış : " + plainNumberText(out));
}

void referenceInventory(Grid &grid, const ReportOptions &o)
{
    const ModuleState &s = state();
    if (s.StokVar != "var")
        return;
    const RowArray &cards = s.StokRows;
    grid.setRows(cards.recordCount() + 1);
    const auto sum = [&](const QString &inout, const QVariant &id) {
        Recordset rs;
        rs.Open("select sum(miktar) as totalx from " + documentsTable()
                    + " where inout=? and stokid=?",
                *s.Conn, { inout, id });
        return amountOf(rs.Fields("totalx"));
    };
    for (int i = 1; i < grid.Rows(); ++i) {
        const int k = i - 1;
        const QVariant id = cards.value(0, k);
        grid.setRowTag(i, int(ReportRowKind::Data));
        grid.Cell(i, 0).setText(id.toString());
        grid.Cell(i, 1).setText(cards.text(2, k));
        const bool barcode = cards.text(1, k) == "BARKOD" && cards.text(2, k) == "BARKOD";
        const double onHand
            = barcode ? 0 : amountOf(cards.value(9, k)) + sum("i", id) - sum("o", id);
        grid.Cell(i, 2).setText(plainNumberText(onHand));
        if (o.byPurchasePrice) {
            grid.Cell(i, 3).setText(cards.text(4, k));
        } else if (o.bySalePrice) {
            grid.Cell(i, 3).setText(cards.text(6, k));
        } else if (o.byLastCost) {
            double cost = amountOf(cards.value(4, k));
            Recordset rs;
            rs.Open("select l.birimfiyat from " + documentsTable() + " l, " + documentsTable()
                        + " d where d.id=l.belgeid and l.inout='i' and l.stokid=? "
                          "order by d.btarihi desc, l.id desc",
                    *s.Conn, { id });
            if (!rs.Eof())
                cost = amountOf(rs.Fields("birimfiyat"));
            grid.Cell(i, 3).setText(FormatNumber(cost, s.PriceFormat));
        } else if (o.byAverageCost) {
            double quantity = 0;
            double value = 0;
            Recordset rs;
            rs.Open("select * from " + documentsTable() + " where inout='i' and stokid=?", *s.Conn,
                    { id });
            for (; !rs.Eof(); rs.MoveNext()) {
                quantity += amountOf(rs.Fields("miktar"));
                value += amountOf(rs.Fields("miktar")) * amountOf(rs.Fields("birimfiyat"));
            }
            const double cost
                = value == 0 || quantity == 0 ? amountOf(cards.value(4, k)) : value / quantity;
            grid.Cell(i, 3).setText(FormatNumber(cost, s.PriceFormat));
        }
    }
    for (int i = 1; i < grid.Rows(); ++i)
        grid.Cell(i, 4).setText(
            moneyText(amountOf(grid.Cell(i, 2).Text()) * amountOf(grid.Cell(i, 3).Text())));
    if (grid.Rows() > 1) {
        double total = 0;
        for (int i = 1; i < grid.Rows(); ++i)
            total += amountOf(grid.Cell(i, 4).Text());
        appendTotalReportRow(grid, "Toplam Değer : " + moneyText(total));
    }
}

void referenceCheques(Grid &grid, const ReportOptions &o)
{
    const ModuleState &s = state();
    double total = 0;
    const int today = o.today.toString("yyyyMMdd").toInt();
    Recordset rs;
    rs.Open("select * from " + sqlTable(s.TblCek) + " order by vade, id", *s.Conn);
    for (; !rs.Eof(); rs.MoveNext()) {
        const int r = appendReportRow(grid);
        grid.Cell(r, 1).setText(DateKeyToText(rs.Fields("vade")));
        grid.Cell(r, 2).setText(rs.Fields("cekno").toString());
        grid.Cell(r, 3).setText(rs.Fields("banka").toString());
        grid.Cell(r, 4).setText(rs.Fields("veren").toString());
        grid.Cell(r, 4).setCellType(1);
        grid.Cell(r, 5).setText(rs.Fields("alan").toString());
        grid.Cell(r, 5).setCellType(1);
        grid.Cell(r, 6).setText(rs.Fields("tutar").toString());
        grid.Cell(r, 7).setText(rs.Fields("cdurum").toString());
        grid.Cell(r, 7).setCellType(1);
        const QString status = grid.Cell(r, 7).Text();
        if ((o.chequesInCash && status != "Kasada")
            || (o.chequesEndorsed && status != "Ciro Edildi")
            || (o.chequesCollected && status != "Tahsil Edildi")
            || (o.chequesOut && status != "Dışarıda") || (o.chequesPaid && status != "Ödendi"))
            grid.setRowHeight(r, 0);
        if (grid.RowHeight(r) >= 1) {
            total += amountOf(rs.Fields("tutar"));
            const int due = DateKey(grid.Cell(r, 1).Text());
            if (today >= due && status != "Ciro Edildi" && status != "Tahsil Edildi"
                && status != "Ödendi")
                grid.Range(r, 1, r, grid.Cols() - 1).setBackColor(QColor(255, 0, 0));
        }
    }
    if (grid.Rows() > 1) {
        appendTotalReportRow(grid, QString());
        grid.Cell(grid.Rows() - 1, 1).setCellType(0);
        grid.Cell(grid.Rows() - 1, 1)
            .setText("Görüntülenen Çekler Toplam Tutarı : " + moneyText(total));
    }
}

// ---- The company.

struct Company
{
    QList<qint64> busyCards; // the cards that hold most of the lines
    qint64 barcodeCard = 0;
};

// A few hundred cards and accounts (one in ten deleted, a "BARKOD" card among them, a third
// of the cards without a warning level), a few thousand documents of every kind over seven
// months with their lines: notes in and out, invoices over notes, invoices with lines in all
// four directions, payments; lines without a price, with negative or no quantities, purchases
// that cancel out, lines
// whose document is gone, documents of missing accounts, notes that say "(Çıkış)"; and a few
// hundred cheques of every status around the report's day.
Company makeCompany()
{
    ModuleState &s = state();
    QRandomGenerator random(20240307);
    Company made;
    Connection &conn = *s.Conn;
    conn.BeginTrans();
    const auto amountText = [&] { return randomAmountText(random); };
    const auto maybeAmount = [&]() -> QVariant {
        switch (random.bounded(5)) {
        case 0:
            return QVariant();
        case 1:
            return QStringLiteral("0");
        default:
            return amountText();
        }
    };
    const auto insertCard = [&](const QString &code, const QString &name, bool deleted) {
        const QVariant level = random.bounded(3) == 0 ? QVariant() : QVariant("5");
        const QVariant opening = random.bounded(4) == 0
            ? QVariant()
            : QVariant(plainNumberText(random.bounded(-20, 200) / 2.0));
        conn.Execute("insert into " + sqlTable(s.TblStok)
                         + " (a1,a2,a4,a5,a6,a9,silindi) values (?,?,?,?,?,?,?)",
                     { code, name, maybeAmount(), level, maybeAmount(), opening, deleted ? 1 : 0 });
        return conn.LastInsertId();
    };
    QList<qint64> stock;
    for (int i = 0; i < 300; ++i)
        stock << insertCard(QString::number(1000 + i),
                            QStringLiteral("ÜRÜN %1").arg(random.bounded(500)),
                            random.bounded(10) == 0);
    made.barcodeCard = insertCard("BARKOD", "BARKOD", false);
    stock << made.barcodeCard;
    made.busyCards = stock.mid(0, 4);
    QList<qint64> accounts;
    for (int i = 0; i < 200; ++i) {
        conn.Execute("insert into " + sqlTable(s.TblCari) + " (a1,a2,silindi) values (?,?,?)",
                     { QString::number(i), QStringLiteral("CARİ %1").arg(random.bounded(1000)),
                       random.bounded(10) == 0 ? 1 : 0 });
        accounts << conn.LastInsertId();
    }

    const QDate first(2023, 9, 1);
    const auto account = [&]() -> qint64 {
        return random.bounded(50) == 0 ? 999999 : accounts.at(random.bounded(int(accounts.size())));
    };
    const auto note = [&] {
        switch (random.bounded(6)) {
        case 0:
            return QStringLiteral("(Çıkış) yazılı");
        case 1:
            return QStringLiteral("not");
        default:
            return QString();
        }
    };
    const auto header = [&](int bmod, int gircik, qint64 cariid, int date, qint64 ftrdrm) {
        const bool invoice = bmod == 4 || bmod == 5;
        QVariantList vat;
        double vatSum = 0;
        for (int i = 0; i < 3; ++i) {
            if (!invoice || random.bounded(50) == 0) {
                vat << QVariant();
                continue;
            }
            const double value = random.bounded(3) == 0 ? random.bounded(100000) / 100.0 : 0;
            vatSum += value;
            vat << FormatNumber(value, "#,##0.00");
        }
        const QVariant total = bmod == 3
            ? QVariant()
            : QVariant(FormatNumber(vatSum + random.bounded(500000) / 100.0, "#,##0.00"));
        conn.Execute("insert into " + documentsTable()
                         + " (cariid,bmod,gircik,serino,sirano,btarihi,aciklama,ftrdrm,kdv1,"
                           "kdv2,kdv3,yekun) values (?,?,?,?,?,?,?,?,?,?,?,?)",
                     { cariid, bmod, gircik, random.bounded(2) ? "A" : "B",
                       QString::number(random.bounded(10000)), date, note(),
                       bmod == 3 ? QVariant(ftrdrm) : QVariant(), vat.at(0), vat.at(1), vat.at(2),
                       total });
        return conn.LastInsertId();
    };
    const auto lines
        = [&](qint64 owner, qint64 takenBy, int count, const QString &inout, bool priced) {
              for (int i = 0; i < count; ++i) {
                  const qint64 card = random.bounded(4) == 0
                      ? made.busyCards.at(random.bounded(int(made.busyCards.size())))
                      : stock.at(random.bounded(int(stock.size())));
                  QVariant quantity = random.bounded(8) == 0 ? 0.5 * (1 + random.bounded(9))
                                                             : double(1 + random.bounded(20));
                  if (random.bounded(30) == 0)
                      quantity = -quantity.toDouble();
                  if (random.bounded(200) == 0)
                      quantity = QVariant();
                  const QVariant price
                      = priced && random.bounded(10) != 0 ? QVariant(amountText()) : QVariant();
                  conn.Execute("insert into " + documentsTable()
                                   + " (belgeid,stokid,stokadi,miktar,birimfiyat,inout,stokinftr) "
                                     "values (?,?,?,?,?,?,?)",
                               { owner, card, QStringLiteral("ÜRÜN %1").arg(card), quantity, price,
                                 inout, takenBy ? QVariant(takenBy) : QVariant() });
              }
          };
    QList<qint64> gone;
    for (int i = 0; i < 2500; ++i) {
        const int date = first.addDays(random.bounded(213)).toString("yyyyMMdd").toInt();
        const qint64 cariid = account();
        switch (random.bounded(6)) {
        case 0: { // an invoice over two delivery notes
            const int gircik = random.bounded(4);
            const QString inout = gircik % 2 ? "i" : "o";
            const qint64 invoice = header(4, gircik, cariid, date, 0);
            for (int n = 0; n < 2; ++n)
                lines(header(3, gircik % 2, cariid, date, invoice), invoice, 1 + random.bounded(3),
                      inout, true);
            break;
        }
        case 1: { // a free delivery note
            const int gircik = random.bounded(2);
            const qint64 id = header(3, gircik, cariid, date, 0);
            lines(id, 0, 1 + random.bounded(3), gircik ? "i" : "o", false);
            if (random.bounded(20) == 0)
                gone << id;
            break;
        }
        case 2:
        case 3: { // an invoice with its own lines, now and then of an unknown direction
            const int gircik = random.bounded(100) == 0 ? 7 : random.bounded(4);
            const qint64 id = header(5, gircik, cariid, date, 0);
            lines(id, 0, random.bounded(6), gircik % 2 ? "i" : "o", true);
            if (random.bounded(40) == 0)
                gone << id;
            break;
        }
        default: // a collection or a payment out
            header(6, random.bounded(2), cariid, date, 0);
            break;
        }
    }
    // Purchases that cancel out: a quantity bought and the same sent back at another price.
    for (int i = 0; i < 5; ++i) {
        const qint64 card = insertCard(QStringLiteral("IADE%1").arg(i), "İADE", false);
        const qint64 invoice = header(5, 1, account(), 20231201, 0);
        for (const auto &[quantity, price] : { std::pair { 3.0, "10,00" }, { -3.0, "12,00" } })
            conn.Execute("insert into " + documentsTable()
                             + " (belgeid,stokid,stokadi,miktar,birimfiyat,inout) "
                               "values (?,?,?,?,?,?)",
                         { invoice, card, "İADE", quantity, price, "i" });
    }
    // Documents removed behind the program's back leave their lines.
    for (const qint64 id : gone)
        conn.Execute("delete from " + documentsTable() + " where id=?", { id });

    const QStringList statuses { "Kasada", "Dışarıda", "Ciro Edildi", "Tahsil Edildi",
                                 "Ödendi", "",         "kasada" };
    const QDate today(2024, 2, 10);
    for (int i = 0; i < 400; ++i) {
        const QVariant due = random.bounded(100) == 0
            ? QVariant()
            : QVariant(today.addDays(random.bounded(-60, 60)).toString("yyyyMMdd").toInt());
        conn.Execute("insert into " + sqlTable(s.TblCek)
                         + " (vade,cekno,banka,veren,alan,tutar,cdurum) values (?,?,?,?,?,?,?)",
                     { due, QString::number(random.bounded(100000)), "BANKA", "CARİ 1", "CARİ 2",
                       random.bounded(30) == 0 ? QVariant("yok") : QVariant(amountText()),
                       statuses.at(random.bounded(int(statuses.size()))) });
    }
    conn.CommitTrans();
    return made;
}

} // namespace

class TestStockReportEquivalence : public QObject
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
        m_company = makeCompany();
        m_fixture->loadLists();
    }
    void cleanupTestCase() { m_fixture.reset(); }

    void vatReport()
    {
        int rows = 0;
        for (int option = 0; option < 3; ++option) {
            for (int range = 0; range < 3; ++range) {
                ReportOptions o;
                o.vatAll = option == 0;
                o.vatOutgoing = option == 1;
                o.vatIncoming = option == 2;
                o.vatRange = range > 0;
                o.vatFrom = range == 2 ? 20240101 : 20231015;
                o.vatTo = range == 2 ? 20231001 : 20240115;
                compareReport(10, 11, o, referenceVat,
                              QStringLiteral("vat, option %1, range %2").arg(option).arg(range));
                rows += int(BuildReport(kx::Page::VatReport, o).rows.size());
            }
        }
        QVERIFY(rows > 2000);
    }

    void stockMovements()
    {
        const ModuleState &s = state();
        QList<int> records;
        for (const qint64 card : m_company.busyCards)
            records << stockRecordById(card, false);
        for (int k = 0; k < s.StokRows.recordCount(); k += 17)
            records << k;
        int rows = 0;
        for (int k : records) {
            if (k < 0)
                continue; // a deleted busy card
            for (int range = 0; range < 2; ++range) {
                ReportOptions o;
                o.stock = k;
                o.movementRange = range;
                o.movementFrom = 20231101;
                o.movementTo = 20240131;
                compareReport(11, 6, o, referenceMovements,
                              QStringLiteral("movements of record %1, range %2").arg(k).arg(range));
                if (QTest::currentTestFailed())
                    return;
                rows += int(BuildReport(kx::Page::StockMovements, o).rows.size());
            }
        }
        QVERIFY(rows > 1000);
    }

    void inventory()
    {
        QVERIFY(stockRecordById(m_company.barcodeCard, false) >= 0);
        QVERIFY(state().StokAllRows.recordCount() > state().StokRows.recordCount());
        for (int mode = 0; mode < 4; ++mode) {
            ReportOptions o;
            o.byPurchasePrice = mode == 0;
            o.bySalePrice = mode == 1;
            o.byLastCost = mode == 2;
            o.byAverageCost = mode == 3;
            compareReport(12, 5, o, referenceInventory,
                          QStringLiteral("inventory, mode %1").arg(mode));
        }
    }

    void cheques()
    {
        for (int option = 0; option < 6; ++option) {
            const ReportOptions o = kxtest::chequeStatusOption(option, QDate(2024, 2, 10));
            compareReport(13, 8, o, referenceCheques,
                          QStringLiteral("cheques, option %1").arg(option));
        }
    }
};

KX_TEST(TestStockReportEquivalence)

#include "tst_stock_report_equivalence.moc"
