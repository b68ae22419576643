// Panel events on the main window: barcode search, price by direction and the information lines.
#include "app/main_window.h"
#include "core/document_kinds.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "core/stock_choice.h"
#include "platform/combo_box.h"
#include "platform/grid.h"
#include "tests/app/events_window.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QLineEdit>
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

namespace {

kx::ComboBox *combo(QObject *panel, const char *name)
{
    return qobject_cast<kx::ComboBox *>(kx::panelField(panel, name));
}
QLineEdit *edit(QObject *panel, const char *name)
{
    return qobject_cast<QLineEdit *>(kx::panelField(panel, name));
}

// Types into a panel's edit field and presses Enter there, as at the counter.
void typeAndEnter(QObject *panel, const char *name, const QString &text)
{
    QLineEdit *field = edit(panel, name);
    field->setFocus(Qt::OtherFocusReason);
    field->clear();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

void setSetting(int row, int column, const QString &value)
{
    kx::state().FieldValues[column] = value;
    kx::ExecUpdate(kx::state().TblAyar, row);
    kx::LoadLists(true, false, false);
}

} // namespace

// The panels' events as the main window answers them, on the real panels of a started window.
class TestPanelEvents : public QObject
{
    Q_OBJECT

    // Name order: ALFA, BRAVO, CHARLIE.
    void addCards()
    {
        addStock("10", "CHARLIE",
                 { { 4, "3" }, { 6, "4" }, { 5, "0" }, { 9, "1" }, { 11, "8690001" } });
        addStock("11", "ALFA",
                 { { 4, "12,5" }, { 6, "15" }, { 5, "0" }, { 9, "7" }, { 11, "8690001" } });
        addStock("12", "BRAVO", { { 4, "1" }, { 6, "2" }, { 5, "0" }, { 9, "0" }, { 11, "" } });
        addAccount("1", "ALICI");
    }

private slots:
    void init() { kx::messageScript().clear(); }

    // On the invoice with lines the chosen card's price follows the direction at the moment of
    // the choice; the information line shows the stock on hand and both prices.
    void stockChoiceOnInvoice_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("price");

        QTest::newRow("Açık Çıkış") << 0 << "15";
        QTest::newRow("Açık Giriş") << 1 << "12,5";
        QTest::newRow("Kapalı Çıkış") << 2 << "15";
        QTest::newRow("Kapalı Giriş") << 3 << "12,5";
    }
    void stockChoiceOnInvoice()
    {
        QFETCH(int, direction);
        QFETCH(QString, price);
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::InvoiceWithLines);
        combo(w.RC1, "XCBelge")->setListIndex(direction);
        combo(w.RC1, "XCStok")->setListIndex(0); // ALFA

        QCOMPARE(edit(w.RC1, "XTFiyat")->text(), price);
        QCOMPARE(edit(w.RC1, "XTInfo")->text(),
                 QStringLiteral("Stok (7)       Satış / Alış : 15,00 / 12,50"));
        QVERIFY(!kx::state().Conn2->IsOpen());

        // Another direction afterwards leaves the price as it is.
        combo(w.RC1, "XCBelge")->setListIndex((direction + 1) % 4);
        QCOMPARE(edit(w.RC1, "XTFiyat")->text(), price);
    }

    // Enter in the barcode field picks the first card in name order with that barcode; an
    // empty field or an unknown barcode leaves no card chosen, without a message.
    void barcodeSearch_data()
    {
        QTest::addColumn<QString>("panelName");
        QTest::addColumn<QString>("barcode");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("price"); // RC1's price field afterwards

        QTest::newRow("shared barcode on the invoice") << "RC1"
                                                       << "8690001" << 0 << "15";
        QTest::newRow("shared barcode on the note") << "RA1"
                                                    << "8690001" << 0 << "";
        QTest::newRow("empty field on the invoice") << "RC1"
                                                    << "" << -1 << "0,00";
        QTest::newRow("empty field on the note") << "RA1"
                                                 << "" << -1 << "";
        QTest::newRow("unknown barcode") << "RC1"
                                         << "123" << -1 << "0,00";
    }
    void barcodeSearch()
    {
        QFETCH(QString, panelName);
        QFETCH(QString, barcode);
        QFETCH(int, chosen);
        QFETCH(QString, price);
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        const bool invoice = panelName == "RC1";
        w.ShowPage(invoice ? 5 : 3);
        QObject *panel = invoice ? w.RC1 : w.RA1;
        combo(panel, "XCBarkod")->setListIndex(0);
        combo(panel, "XCStok")->setListIndex(2); // a choice from before

        typeAndEnter(panel, "XTBarkod", barcode);
        QCOMPARE(combo(panel, "XCStok")->ListIndex(), chosen);
        if (invoice)
            QCOMPARE(edit(panel, "XTFiyat")->text(), price);
        const QStringList texts = env.shownTexts();
        QVERIFY2(texts.isEmpty(), qPrintable(texts.join('|')));
    }

    // The account line carries the whole id: an account above 32767 shows its own balance.
    void accountLine_data()
    {
        QTest::addColumn<qint64>("id");
        QTest::newRow("small id") << qint64(7);
        QTest::newRow("above 16 bits") << qint64(40000);
        QTest::newRow("above 32 bits") << qint64(5000000000LL);
    }
    void accountLine()
    {
        QFETCH(qint64, id);
        EventsWindow env;
        kx::state().Conn->Execute(
            QStringLiteral("insert into \"1Cari\" (id, a1, a2, a10, a11, silindi) "
                           "values (?, 'C9', 'UZAK', '0', '0', 0)"),
            { id });
        Header invoice;
        invoice.bmod = 5;
        invoice.cariid = id;
        invoice.yekun = "1.250,00";
        addDocument(invoice);
        kx::FMain &w = env.start();
        for (int page : { 3, 5 }) {
            w.ShowPage(page);
            QObject *panel = page == 3 ? w.RA1 : w.RC1;
            combo(panel, "XCCari")->setListIndex(0);
            QCOMPARE(edit(panel, "XTInfo")->text(),
                     QStringLiteral("Cari Hesap Durumu : 1.250,00 borçludur"));
        }
    }

    // On the invoice over delivery notes the account choice lists the account's open notes
    // before it writes the account line.
    void invoiceAccountListsOpenNotes()
    {
        EventsWindow env;
        const qint64 account = addAccount("1", "ALICI");
        Header note;
        note.cariid = account;
        note.sirano = "5";
        addDocument(note);
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::Invoice);
        QCOMPARE(w.Grid1->Rows(), 1);
        combo(w.RB1, "XCCari")->setListIndex(0);
        QCOMPARE(w.Grid1->Rows(), 2);
        QCOMPARE(edit(w.RB1, "XTInfo")->text(), QStringLiteral("Cari Hesap Durumu : 0,00"));
    }

    // The entry switches hide their column or give it back the width stored for the page.
    void entrySwitch_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("switchName");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<int>("column");

        QTest::newRow("barcode on the note") << 3 << "XCBarkod"
                                             << "XTBarkod" << 7;
        QTest::newRow("serial on the note") << 3 << "XCSerial"
                                            << "XTSerial" << 8;
        QTest::newRow("barcode on the invoice") << 5 << "XCBarkod"
                                                << "XTBarkod" << 7;
        QTest::newRow("serial on the invoice") << 5 << "XCSerial"
                                               << "XTSerial" << 8;
    }
    void entrySwitch()
    {
        QFETCH(int, page);
        QFETCH(QString, switchName);
        QFETCH(QString, fieldName);
        QFETCH(int, column);
        EventsWindow env;
        kx::FMain &w = env.start();
        // Another width on the other document page shows that the page's own row is read.
        setSetting(page + 3, column, "91");
        setSetting(page == 3 ? 8 : 6, column, "33");
        w.ShowPage(page);
        QObject *panel = page == 3 ? w.RA1 : w.RC1;
        kx::ComboBox *entrySwitch = combo(panel, switchName.toLatin1());
        QWidget *field = edit(panel, fieldName.toLatin1());

        entrySwitch->setListIndex(1);
        QVERIFY(!field->isEnabled());
        QCOMPARE(w.Grid1->ColumnWidth(column), 0);
        entrySwitch->setListIndex(0);
        QVERIFY(field->isEnabled());
        QCOMPARE(w.Grid1->ColumnWidth(column), 91);

        // A stored width of 0 keeps the column hidden, and nothing stores a width then.
        setSetting(page + 3, column, "0");
        entrySwitch->setListIndex(1);
        entrySwitch->setListIndex(0);
        QCOMPARE(w.Grid1->ColumnWidth(column), 0);
        QCOMPARE(kx::state().AyarRows.text(column + 1, page + 2), QStringLiteral("0"));

        // A width typed past any screen is cut to what the grid holds.
        setSetting(page + 3, column, "99999999999");
        entrySwitch->setListIndex(1);
        entrySwitch->setListIndex(0);
        QCOMPARE(w.Grid1->ColumnWidth(column), 32767);
    }
};

KX_TEST(TestPanelEvents)

#include "tst_panel_events.moc"
