// Stock on hand and account balances over a small company with every document kind.
#include "core/document_kinds.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/stock_balance.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QTest>

using namespace kxtest;

namespace {

struct Booking
{
    int bmod;
    int gircik;
    QString yekun;
    int date = 20260115;
};

} // namespace

Q_DECLARE_METATYPE(QList<Booking>)

class TestStockOnHand : public QObject
{
    Q_OBJECT
    std::unique_ptr<Fixture> fixture;
    qint64 vida = 0, somun = 0, pul = 0, barkod = 0, noLevel = 0, idle = 0;

    void openCompany()
    {
        fixture = std::make_unique<Fixture>();
        fixture->login(1);
        const qint64 account = addAccount("1", "ALICI");
        vida = addStock("10", "VIDA", { { 5, "5" }, { 9, "10" } });
        somun = addStock("11", "SOMUN", { { 5, "5" }, { 9, "0" } });
        pul = addStock("12", "PUL", { { 5, "2" }, { 9, "1,5" } }, true);
        barkod = addStock("BARKOD", "BARKOD", { { 5, "5" }, { 9, "3" } });
        noLevel = addStock("13", "CIVATA", { { 9, "7" } });
        idle = addStock("14", "KAPAK", { { 5, "0" }, { 9, "9" } });

        // A delivery note in and out, an invoice with lines each way, and an invoice over a
        // note: its note's lines count once, the invoice header never.
        const qint64 noteOut = addDocument({ .bmod = 3, .gircik = 0, .cariid = account });
        addLine(noteOut, { .stokid = vida, .miktar = 4, .inout = "o" });
        const qint64 noteIn = addDocument({ .bmod = 3, .gircik = 1, .cariid = account });
        addLine(noteIn, { .stokid = vida, .miktar = 5, .inout = "i" });
        addLine(noteIn, { .stokid = somun, .miktar = 2.5, .inout = "i" });
        const qint64 saleLines = addDocument({ .bmod = 5, .gircik = 2, .cariid = account });
        addLine(saleLines, { .stokid = somun, .miktar = 1, .inout = "o" });
        addLine(saleLines, { .stokid = barkod, .miktar = 9, .inout = "o" });
        const qint64 buyLines = addDocument({ .bmod = 5, .gircik = 1, .cariid = account });
        addLine(buyLines, { .stokid = vida, .miktar = 3, .inout = "i" });
        addLine(buyLines, { .stokid = pul, .miktar = 4, .inout = "o" });
        addLine(buyLines, { .stokid = noLevel, .miktar = 1, .inout = "i" });
        const qint64 invoice = addDocument({ .bmod = 4, .gircik = 0, .cariid = account });
        const qint64 taken
            = addDocument({ .bmod = 3, .gircik = 0, .cariid = account, .ftrdrm = int(invoice) });
        addLine(taken, { .stokid = somun, .miktar = 0.5, .inout = "o", .stokinftr = invoice });

        kx::LoadLists(true, true, true);
        kx::state().Conn2->Open(kx::state().Conn->path());
    }

private slots:
    void init() { openCompany(); }
    void cleanup() { fixture.reset(); }

    void quantity_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("opening plus in minus out") << "VIDA" << QVariant(14.0);
        QTest::newRow("fractions and a taken-over note") << "SOMUN" << QVariant(1.0);
        QTest::newRow("deleted card still counted") << "PUL" << QVariant(-2.5);
        QTest::newRow("no lines: opening quantity") << "KAPAK" << QVariant(9.0);
        QTest::newRow("pseudo card") << "BARKOD" << QVariant(0.0);
        QTest::newRow("no warning level: empty") << "CIVATA" << QVariant();
    }
    void quantity()
    {
        QFETCH(QString, card);
        QFETCH(QVariant, expected);
        const QMap<QString, qint64> ids { { "VIDA", vida },     { "SOMUN", somun },
                                          { "PUL", pul },       { "KAPAK", idle },
                                          { "BARKOD", barkod }, { "CIVATA", noLevel } };
        const QVariant onHand = kx::StockOnHand(ids.value(card), false);
        QCOMPARE(onHand.isValid(), expected.isValid());
        if (expected.isValid())
            QCOMPARE(onHand.toDouble(), expected.toDouble());
        QVERIFY(kx::messageScript().shown.isEmpty());
    }

    void warning_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<bool>("warn");
        QTest::addColumn<QString>("settingSwitch");
        QTest::addColumn<QString>("message");
        const QString below = QStringLiteral("VIDA için belirlemiş olduğunuz stok uyarı limitinin "
                                             "altına inilmiştir!\nStoktaki Miktar : 14");
        QTest::newRow("level equal to stock: no warning") << "14" << true << "1" << QString();
        QTest::newRow("below the level") << "14,5" << true << "1" << below;
        QTest::newRow("warn flag off") << "20" << false << "1" << QString();
        QTest::newRow("settings switch off") << "20" << true << "0" << QString();
    }
    void warning()
    {
        QFETCH(QString, level);
        QFETCH(bool, warn);
        QFETCH(QString, settingSwitch);
        QFETCH(QString, message);
        kx::ModuleState &s = kx::state();
        s.Conn->Execute("update \"1Stok\" set a5=? where id=?", { level, vida });
        s.Conn->Execute("update \"1Ayar\" set a6=? where id=54", { settingSwitch });
        kx::LoadLists(true, true, true);
        QCOMPARE(kx::StockOnHand(vida, warn).toDouble(), 14.0);
        const auto &shown = kx::messageScript().shown;
        QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(shown.first().text, message);
    }

    void fractionShownPlain()
    {
        kx::state().Conn->Execute("update \"1Stok\" set a5='9' where id=?", { somun });
        kx::state().Conn->Execute("update \"1Stok\" set a9='3,5' where id=?", { somun });
        kx::LoadLists(true, true, true);
        QCOMPARE(kx::StockOnHand(somun, true).toDouble(), 4.5);
        QVERIFY(kx::messageScript().shown.value(0).text.endsWith("Stoktaki Miktar : 4,5"));
    }
};

class TestAccountBalance : public QObject
{
    Q_OBJECT
    std::unique_ptr<Fixture> fixture;

private slots:
    void init()
    {
        fixture = std::make_unique<Fixture>();
        fixture->login(1);
        kx::state().NumberFormat = QStringLiteral("#,##0.00");
    }
    void cleanup() { fixture.reset(); }

    void balance_data()
    {
        QTest::addColumn<QString>("openingDebit");
        QTest::addColumn<QString>("openingCredit");
        QTest::addColumn<QList<Booking>>("bookings");
        QTest::addColumn<int>("bound");
        QTest::addColumn<double>("debit");
        QTest::addColumn<double>("credit");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("status");

        QTest::newRow("no documents")
            << "100,00"
            << "40,00" << QList<Booking> {} << 0 << 100.0 << 40.0 << "60,00"
            << "Cari Hesap Durumu : 60,00 borçludur";
        QTest::newRow("sale, collection, closed sale, note")
            << "100,00" << QString()
            << QList<Booking> { { 4, 0, "250,00" },
                                { 6, 0, "50,00" },
                                { 5, 2, "80,00" },
                                { 3, 0, "999,00" } }
            << 0 << 430.0 << 130.0 << "300,00"
            << "Cari Hesap Durumu : 300,00 borçludur";
        QTest::newRow("purchases and a payment out")
            << QString() << QString()
            << QList<Booking> { { 5, 1, "1.000,00" }, { 4, 3, "20,00" }, { 6, 1, "400,00" } } << 0
            << 420.0 << 1020.0 << "-600,00"
            << "Cari Hesap Durumu : 600,00 alacaklıdır";
        QTest::newRow("credit balance with thousands")
            << "0"
            << "1.234,5" << QList<Booking> {} << 0 << 0.0 << 1234.5 << "-1.234,50"
            << "Cari Hesap Durumu : 1.234,50 alacaklıdır";
        QTest::newRow("settled to zero")
            << "10,00" << QString() << QList<Booking> { { 6, 0, "10,00" } } << 0 << 10.0 << 10.0
            << "0,00"
            << "Cari Hesap Durumu : 0,00";
        QTest::newRow("date bound excludes its own day")
            << QString() << QString()
            << QList<Booking> { { 4, 0, "5,00", 20251231 }, { 4, 0, "7,00", 20260101 } } << 20260101
            << 5.0 << 0.0 << "5,00"
            << "Cari Hesap Durumu : 5,00 borçludur";
        QTest::newRow("unknown kinds and directions count nothing")
            << QString() << QString() << QList<Booking> { { 6, 2, "3,00" }, { 7, 0, "4,00" } } << 0
            << 0.0 << 0.0 << "0,00"
            << "Cari Hesap Durumu : 0,00";
    }
    void balance()
    {
        QFETCH(QString, openingDebit);
        QFETCH(QString, openingCredit);
        QFETCH(QList<Booking>, bookings);
        QFETCH(int, bound);
        QFETCH(double, debit);
        QFETCH(double, credit);
        QFETCH(QString, result);
        QFETCH(QString, status);

        CardFields fields;
        if (!openingDebit.isNull())
            fields[10] = openingDebit;
        if (!openingCredit.isNull())
            fields[11] = openingCredit;
        const qint64 account = addAccount("1", "ALICI", fields);
        const qint64 other = addAccount("2", "BASKA");
        int number = 0;
        for (const Booking &b : bookings) {
            Header h { .bmod = b.bmod,
                       .gircik = b.gircik,
                       .cariid = account,
                       .sirano = QString::number(++number),
                       .btarihi = b.date,
                       .yekun = b.yekun };
            addDocument(h);
            h.cariid = other; // another account's documents never count
            addDocument(h);
        }
        kx::LoadLists(true, true, true);

        QCOMPARE(kx::ComputeAccountBalance(account, bound != 0, bound), result);
        QCOMPARE(kx::state().AccountDebtSum.toDouble(), debit);
        QCOMPARE(kx::state().AccountCreditSum.toDouble(), credit);
        QCOMPARE(kx::state().HesapDurumu, status);
        QVERIFY(!kx::state().Conn2->IsOpen());
        if (bound == 0)
            QCOMPARE(kx::AccountStatusText(account), status);
    }

    void statusTextBelowOneComputesNothing()
    {
        kx::state().HesapDurumu = QStringLiteral("önceki");
        QCOMPARE(kx::AccountStatusText(0), QString());
        QCOMPARE(kx::state().HesapDurumu, QStringLiteral("önceki"));
    }
};

KX_TEST(TestStockOnHand)
KX_TEST(TestAccountBalance)
#include "tst_stock_balance.moc"
