// Panel events on the main window: barcode search, price by direction and the information lines.
#include "core/messages.h"
#include "core/state.h"
#include "core/stock_choice.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QTest>

using namespace kxtest;

// Look-ups over the live stock rows, without a window.
class TestStockChoice : public QObject
{
    Q_OBJECT
    std::unique_ptr<Fixture> fixture;

    // The live rows sorted by name: record 0 ALFA ... The barcodes are chosen to hit the rules:
    // a shared barcode, an empty one, a missing one, a deleted card's.
    void addCards()
    {
        addStock("1", "DELTA", { { 11, "8690001" }, { 4, "4,5" }, { 6, "6" } });
        addStock("2", "ALFA", { { 11, "8690001" }, { 4, "12,50" }, { 6, "15" } });
        addStock("3", "BRAVO", { { 11, "" } });
        addStock("4", "CHARLIE"); // no barcode at all
        addStock("5", "ECHO", { { 11, "abc-1" } });
        addStock("6", "AAA SILINMIS", { { 11, "8690009" } }, true);
        fixture->loadLists();
    }
    int recordOf(const QString &name)
    {
        const kx::RowArray &rows = kx::state().StokRows;
        for (int i = 0; i < rows.recordCount(); ++i)
            if (rows.text(2, i) == name)
                return i;
        return -2;
    }

private slots:
    void init()
    {
        fixture = std::make_unique<Fixture>();
        fixture->login(1);
    }
    void cleanup() { fixture.reset(); }

    void barcode_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("found"); // name of the card, empty for none

        QTest::newRow("shared barcode takes the first name") << "8690001"
                                                             << "ALFA";
        QTest::newRow("exact text") << "abc-1"
                                    << "ECHO";
        QTest::newRow("other case does not match") << "ABC-1"
                                                   << "";
        QTest::newRow("unknown barcode") << "123"
                                         << "";
        QTest::newRow("deleted card is not live") << "8690009"
                                                  << "";
        QTest::newRow("empty field matches no card") << ""
                                                     << "";
        QTest::newRow("prefix is not enough") << "869000"
                                              << "";
    }
    void barcode()
    {
        QFETCH(QString, typed);
        QFETCH(QString, found);
        addCards();
        QCOMPARE(kx::findBarcodeRecord(typed), found.isEmpty() ? -1 : recordOf(found));
    }

    void barcodeWithoutCards()
    {
        fixture->loadLists();
        QCOMPARE(kx::state().StokVar, QStringLiteral("yok"));
        QCOMPARE(kx::findBarcodeRecord(QStringLiteral("8690001")), -1);
    }

    void priceByDirection_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("price");

        QTest::newRow("Açık Çıkış sells") << 0 << "15";
        QTest::newRow("Açık Giriş buys") << 1 << "12,50";
        QTest::newRow("Kapalı Çıkış sells") << 2 << "15";
        QTest::newRow("Kapalı Giriş buys") << 3 << "12,50";
        QTest::newRow("no direction sells") << -1 << "15";
    }
    void priceByDirection()
    {
        QFETCH(int, direction);
        QFETCH(QString, price);
        addCards();
        QCOMPARE(kx::priceForDirection(recordOf("ALFA"), direction), price);
    }

    void infoLine_data()
    {
        QTest::addColumn<QVariant>("onHand");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("line");

        QTest::newRow("whole quantity, two decimals")
            << QVariant(12.0) << "#,##0.00"
            << "Stok (12)       Satış / Alış : 15,00 / 12,50";
        QTest::newRow("fraction, three decimals")
            << QVariant(2.5) << "#,##0.000"
            << "Stok (2,5)       Satış / Alış : 15,000 / 12,500";
        QTest::newRow("negative stock") << QVariant(-3.0) << "#,##0.00"
                                        << "Stok (-3)       Satış / Alış : 15,00 / 12,50";
        QTest::newRow("no warning level gives no quantity")
            << QVariant() << "#,##0.00"
            << "Stok ()       Satış / Alış : 15,00 / 12,50";
    }
    void infoLine()
    {
        QFETCH(QVariant, onHand);
        QFETCH(QString, format);
        QFETCH(QString, line);
        addCards();
        kx::state().PriceFormat = format;
        QCOMPARE(kx::stockInfoText(recordOf("ALFA"), onHand), line);
    }
};

KX_TEST(TestStockChoice)

#include "tst_panel_events.moc"
