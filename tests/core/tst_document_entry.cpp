// The document pages as the user works them: panel preparation, adding lines, open delivery
// notes on the invoice page, and the save with its checks and its replace question.
#include "app/panel_loader.h"
#include "core/delivery_notes.h"
#include "core/document_entry.h"
#include "core/document_lines.h"
#include "core/document_panels.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/pages.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/check_option.h"
#include "tests/core/document_view.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace kxtest;

namespace {

const QDate today(2026, 2, 10);

int count(const QString &where, const QVariantList &values = {})
{
    kx::Recordset rs;
    rs.Open(QStringLiteral("select count(*) from \"1Belge\" where ") + where, *kx::state().Conn,
            values);
    return rs.Fields(0).toInt();
}

QVariant column(qint64 id, const QString &name)
{
    kx::Recordset rs;
    rs.Open(QStringLiteral("select ") + name + QStringLiteral(" from \"1Belge\" where id=?"),
            *kx::state().Conn, { id });
    return rs.Eof() ? QVariant() : rs.Fields(0);
}

QString setting(int row, int col)
{
    return kx::state().AyarRows.text(col + 1, row - 1);
}

// The company of every test: two accounts, three stock cards, loaded as at start-up.
struct Company
{
    Fixture fixture;
    std::unique_ptr<DocumentWindow> w;
    qint64 ahmet = 0, mehmet = 0, vida = 0, somun = 0, pul = 0;

    Company()
    {
        fixture.login(1);
        ahmet = addAccount("100", "AHMET");
        mehmet = addAccount("200", "MEHMET");
        vida = addStock("1024", "VIDA M8",
                        { { 3, "18" },
                          { 4, "8,00" },
                          { 5, "2" },
                          { 6, "10,00" },
                          { 9, "5" },
                          { 11, "869001" } });
        somun = addStock("1025", "SOMUN", { { 3, "8" }, { 4, "1,00" }, { 5, "0" }, { 6, "2,00" } });
        pul = addStock("1026", "PUL", { { 3, "1" }, { 4, "0,10" }, { 6, "0,20" } });
        kx::state().Conn->Execute(
            "update \"1Ayar\" set a4='1', a5='8', a6='18', a7='#,##0.00' where id=3");
        kx::LoadLists(true, true, true);
        w = std::make_unique<DocumentWindow>();
        kx::FillPanelLists(w->view, today);
    }
    int accountIndex(qint64 id) const { return kx::accountRecordById(id, false); }
    int stockIndex(qint64 id) const { return kx::stockRecordById(id, false); }
    void showPage(int page)
    {
        kx::state().CurrentPage = page;
        w->grid->setRows(1);
        w->grid->setCols(page == 3 ? 9 : 14);
        kx::ResetPanel(w->view, today);
    }
    QObject *panel() const { return w->view.panelOfPage(kx::state().CurrentPage); }
};

} // namespace

class TestPanelPreparation : public QObject
{
    Q_OBJECT
    std::unique_ptr<Company> c;

private slots:
    void init() { c = std::make_unique<Company>(); }
    void cleanup() { c.reset(); }

    void cardLists()
    {
        const kx::DocumentView &v = c->w->view;
        for (QObject *panel : { v.RA1, v.RB1, v.RC1, v.RX1 }) {
            QCOMPARE(combo(panel, "XCCari")->ListCount(), 2);
            QCOMPARE(combo(panel, "XCCari")->List(0), QStringLiteral("AHMET (100)"));
        }
        for (QObject *panel : { v.RA1, v.RC1, v.RX1 }) {
            QCOMPARE(combo(panel, "XCStok")->ListCount(), 3);
            QCOMPARE(combo(panel, "XCStok")->List(c->stockIndex(c->vida)),
                     QStringLiteral("VIDA M8 (1024)"));
        }
        // A second start-up gives the same lists, not two sets.
        kx::FillPanelLists(v, today);
        QCOMPARE(combo(v.RC1, "XCStok")->ListCount(), 3);
        QCOMPARE(combo(v.RX1, "XCKasaAy")->ListCount(), 1);
        QCOMPARE(kx::state().PrintFieldNamesUpper[35].toString(), QStringLiteral("KDV %18"));
        QCOMPARE(kx::state().PrintFieldNamesUpper[43].toString(), QStringLiteral("İRSALİYELER"));
        QCOMPARE(kx::state().ColKdvTutari, 13);
        QCOMPARE(kx::state().CurrentPage, 0);
        QVERIFY(kx::state().MainComputer);
    }

    void noLiveCards()
    {
        kx::state().CariVar = QStringLiteral("yok");
        kx::state().StokVar = QStringLiteral("yok");
        kx::FillPanelLists(c->w->view, today);
        QCOMPARE(combo(c->w->rb, "XCCari")->ListCount(), 0);
        QCOMPARE(combo(c->w->rx, "XCStok")->ListCount(), 0);
    }

    void monthList_data()
    {
        QTest::addColumn<QVariant>("workDate");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("same month") << QVariant(20260201) << today << QStringList { "Şubat 2026" };
        QTest::newRow("over a new year")
            << QVariant(20231115) << QDate(2024, 2, 20)
            << QStringList { "Kasım 2023", "Aralık 2023", "Ocak 2024", "Şubat 2024" };
        QTest::newRow("working date after today")
            << QVariant(20260415) << today << QStringList { "Nisan 2026" };
        // A date that names no month counts from today's, not from the year 0.
        QTest::newRow("zero working date") << QVariant(0) << today << QStringList { "Şubat 2026" };
        QTest::newRow("empty working date")
            << QVariant(QString()) << today << QStringList { "Şubat 2026" };
        QTest::newRow("no working date") << QVariant() << today << QStringList { "Şubat 2026" };
        QTest::newRow("month 13") << QVariant(20261301) << today << QStringList { "Şubat 2026" };
    }
    void monthList()
    {
        QFETCH(QVariant, workDate);
        QFETCH(QDate, day);
        QFETCH(QStringList, entries);
        kx::state().WorkDate = workDate;
        kx::FillPanelLists(c->w->view, day);
        kx::ComboBox *months = combo(c->w->rx, "XCKasaAy");
        QStringList shown;
        for (int i = 0; i < months->ListCount(); ++i)
            shown << months->List(i);
        QCOMPARE(shown, entries);
        QCOMPARE(months->ListIndex(), entries.size() - 1);
    }

    void resetDocumentPages()
    {
        kx::ModuleState &s = kx::state();
        s.PriceFormat = QStringLiteral("#,##0.000");
        s.Conn->Execute("update \"1Ayar\" set a10='K', a2='1' where id=3");
        kx::LoadLists(true, false, false);
        addDocument({ .bmod = 5, .serino = "K", .sirano = "41" });
        c->showPage(5);
        QObject *rc = c->w->rc;
        QCOMPARE(edit(rc, "XTFiyat")->text(), QStringLiteral("0,000"));
        QCOMPARE(edit(rc, "XTSeriNo")->text(), QStringLiteral("K"));
        QCOMPARE(edit(rc, "XTSiraNo")->text(), QStringLiteral("42"));
        QCOMPARE(combo(rc, "XCBarkod")->ListIndex(), 1);
        QCOMPARE(combo(rc, "XCCari")->ListIndex(), -1);
        QCOMPARE(date(rc, "XDBelge")->RValue(), 20260210);
        QCOMPARE(edit(rc, "XTIsk2")->text(), QStringLiteral("0"));
        QCOMPARE(c->w->totals5->Cell(7, 3).Text(), QStringLiteral("0,00"));

        c->w->grid->setRows(4);
        c->showPage(4);
        QCOMPARE(c->w->grid->Rows(), 1);
        QCOMPARE(combo(c->w->rb, "XCBelge")->ListIndex(), 0);
        QCOMPARE(combo(c->w->rb, "XCPrint")->ListIndex(), 0);
    }

    // Each report page puts its own options back, whatever the user left there.
    void resetReportPages_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("account statement")
            << 6
            << QStringList { "XCCari=AHMET", "XBStok=1", "XBTar1=1", "XDTarA1=15.06.2025",
                             "XDTarB1=16.06.2025" }
            << QStringList { "XCCari=", "XBStok=0", "XBTar1=0", "XDTarA1=20260101",
                             "XDTarB1=20260210" };
        QTest::newRow("price list")
            << 7 << QStringList { "XOGiris2=1", "XBArti=1", "XBEksi=1", "XTArti=5", "XTEksi=7" }
            << QStringList { "XOCikis2=1", "XOGiris2=0", "XBArti=0",
                             "XBEksi=0",   "XTArti=0",   "XTEksi=0" };
        QTest::newRow("cash report")
            << 8 << QStringList { "XOGunluk=1", "XDTar3=01.01.2026" }
            << QStringList { "XOAylik=1", "XOGunluk=0", "XDTar3=20260210" };
        QTest::newRow("debts and credits")
            << 9 << QStringList { "XOBorclu=1" } << QStringList { "XOTumu4=1", "XOBorclu=0" };
        QTest::newRow("VAT report")
            << 10
            << QStringList { "XOGiris5=1", "XBTar5=1", "XDTarA5=03.03.2025", "XDTarB5=04.03.2025" }
            << QStringList { "XOTumu5=1", "XOGiris5=0", "XBTar5=0", "XDTarA5=20260101",
                             "XDTarB5=20260210" };
        QTest::newRow("stock movements")
            << 11
            << QStringList { "XCStok=VIDA", "XBTar6=1", "XDTarA6=03.03.2025", "XDTarB6=04.03.2025" }
            << QStringList { "XCStok=", "XBTar6=0", "XDTarA6=20260101", "XDTarB6=20260210" };
        QTest::newRow("stock inventory")
            << 12 << QStringList { "XOMaliyet=1" } << QStringList { "XOSatis=1", "XOMaliyet=0" };
        QTest::newRow("cheques") << 13 << QStringList { "XOCiro=1" }
                                 << QStringList { "XOTumu8=1", "XOCiro=0" };
    }
    void resetReportPages()
    {
        QFETCH(int, page);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QObject *rx = c->w->rx;
        const auto split = [](const QString &pair) {
            const int at = pair.indexOf('=');
            return std::pair { pair.left(at).toLatin1(), pair.mid(at + 1) };
        };
        for (const QString &pair : before) {
            const auto [name, value] = split(pair);
            QObject *field = kx::panelField(rx, name.constData());
            QVERIFY2(field, name.constData());
            if (qobject_cast<kx::DateField *>(field))
                kx::setFieldDate(rx, name.constData(), value);
            else if (qobject_cast<kx::CheckBox *>(field) || qobject_cast<kx::OptionButton *>(field))
                kx::setFieldValue(rx, name.constData(), value.toInt());
            else
                kx::setFieldText(rx, name.constData(), value);
        }
        kx::state().CurrentPage = page;
        kx::ResetPanel(c->w->view, today);
        for (const QString &pair : after) {
            const auto [name, value] = split(pair);
            QObject *field = kx::panelField(rx, name.constData());
            QVERIFY2(field, name.constData());
            QString shown;
            if (qobject_cast<kx::DateField *>(field))
                shown = QString::number(kx::fieldDateKey(rx, name.constData()));
            else if (qobject_cast<kx::CheckBox *>(field) || qobject_cast<kx::OptionButton *>(field))
                shown = QString::number(kx::fieldValue(rx, name.constData()));
            else
                shown = kx::fieldText(rx, name.constData());
            QCOMPARE(name + '=' + shown, name + '=' + value.toUtf8());
        }
    }

    void resetCashReport()
    {
        kx::state().WorkDate = 20251120;
        kx::FillPanelLists(c->w->view, today);
        combo(c->w->rx, "XCKasaAy")->setListIndex(0);
        kx::state().CurrentPage = kx::Page::CashReport;
        kx::ResetPanel(c->w->view, today);
        QCOMPARE(combo(c->w->rx, "XCKasaAy")->Text(), QStringLiteral("Şubat 2026"));
        QCOMPARE(date(c->w->rx, "XDTar3")->RValue(), 20260210);
    }
};

class TestDocumentLineEntry : public QObject
{
    Q_OBJECT
    std::unique_ptr<Company> c;

private slots:
    void init() { c = std::make_unique<Company>(); }
    void cleanup() { c.reset(); }

    // Typed as a user would, confirmed with Enter in the quantity field.
    void addLine_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("chooseStock");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("shownQuantity");
        QTest::newRow("note line") << 3 << true << "2" << QString() << "2";
        QTest::newRow("invoice line with a fraction") << 5 << true << "1,5" << QString() << "1,5";
        QTest::newRow("no stock chosen") << 3 << false << "2"
                                         << "Eklemek istediğiniz stoğu seçiniz!" << QString();
        QTest::newRow("zero") << 5 << true << "0"
                              << "Ürün miktarını giriniz!" << QString();
        QTest::newRow("not a number") << 3 << true << "abc"
                                      << "Ürün miktarını giriniz!" << QString();
        QTest::newRow("negative") << 5 << true << "-2"
                                  << "Ürün miktarını giriniz!" << QString();
    }
    void addLine()
    {
        QFETCH(int, page);
        QFETCH(bool, chooseStock);
        QFETCH(QString, quantity);
        QFETCH(QString, refusal);
        QFETCH(QString, shownQuantity);
        c->showPage(page);
        QObject *panel = c->panel();
        kx::ConnectPanelEvent(panel, "UrunEkle", &c->w->window,
                              [this] { kx::AddDocumentLine(c->w->view); });
        c->w->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c->w->window));
        if (chooseStock)
            combo(panel, "XCStok")->setListIndex(c->stockIndex(c->vida));
        edit(panel, "XTSerial")->setText("SN'1");
        QLineEdit *amount = edit(panel, "XTMiktar");
        amount->setFocus();
        amount->selectAll();
        QTest::keyClicks(amount, quantity);
        // The note confirms the line in the quantity field, the invoice in the price field.
        QLineEdit *confirm = amount;
        if (page == 5) {
            confirm = edit(panel, "XTFiyat");
            confirm->setFocus();
            confirm->selectAll();
            QTest::keyClicks(confirm, "12,5");
        }
        QTest::keyClick(confirm, Qt::Key_Return);

        kx::Grid *grid = c->w->grid;
        if (!refusal.isEmpty()) {
            QCOMPARE(kx::messageScript().lastPopupText(), refusal);
            QCOMPARE(grid->Rows(), 1);
            return;
        }
        QCOMPARE(grid->Rows(), 2);
        QCOMPARE(grid->Cell(1, 0).Text(), QString::number(c->vida));
        QCOMPARE(grid->Cell(1, 4).Text(), QStringLiteral("1024"));
        QCOMPARE(grid->Cell(1, 5).Text(), QStringLiteral("VIDA M8"));
        QCOMPARE(grid->Cell(1, 6).Text(), shownQuantity);
        QCOMPARE(grid->Cell(1, 8).Text(), QStringLiteral("SN'1"));
        QCOMPARE(grid->RowHeight(1), 18);
        if (page == 5) {
            QCOMPARE(grid->Cell(1, 9).Text(), QStringLiteral("12,50"));
            QCOMPARE(grid->Cell(1, 12).Text(), QStringLiteral("18"));
            QCOMPARE(c->w->totals5->Cell(1, 3).Text(), QStringLiteral("15,89"));
        }
        // The panel is ready for the next line.
        QCOMPARE(combo(panel, "XCStok")->ListIndex(), -1);
        QCOMPARE(amount->text(), QStringLiteral("1"));
        QCOMPARE(edit(panel, "XTSerial")->text(), QString());
    }
};

class TestOpenDeliveryNotes : public QObject
{
    Q_OBJECT
    std::unique_ptr<Company> c;
    QList<qint64> notes;

    void tick(int row, const QString &value)
    {
        c->w->grid->Cell(row, 1).setText(value);
        kx::LoadDocumentLines(c->w->view, row, 1);
    }
    QStringList column0() const
    {
        QStringList ids;
        for (int r = 1; r < c->w->grid->Rows(); ++r)
            ids << c->w->grid->Cell(r, 0).Text();
        return ids;
    }

private slots:
    void init()
    {
        c = std::make_unique<Company>();
        // Ahmet's notes: out A1 (two lines), in A2, out A3 (one line, priced), out A4 taken
        // over; Mehmet's out B1.
        const qint64 a1 = addDocument(
            { .bmod = 3, .gircik = 0, .cariid = c->ahmet, .sirano = "1", .btarihi = 20260105 });
        addLine(a1, { .stokid = c->vida, .stokadi = "VIDA M8", .miktar = 2, .serial = "S1" });
        addLine(a1, { .stokid = c->somun, .stokadi = "SOMUN", .miktar = 1.5 });
        const qint64 a2
            = addDocument({ .bmod = 3, .gircik = 1, .cariid = c->ahmet, .sirano = "2" });
        addLine(a2, { .stokid = c->vida, .stokadi = "VIDA M8", .inout = "i" });
        const qint64 a3
            = addDocument({ .bmod = 3, .gircik = 0, .cariid = c->ahmet, .sirano = "3" });
        addLine(a3, { .stokid = 999, .stokadi = "ESKI KART", .miktar = 4, .birimfiyat = "7,25" });
        addDocument({ .bmod = 3, .cariid = c->ahmet, .sirano = "4", .ftrdrm = 77 });
        addDocument({ .bmod = 3, .cariid = c->mehmet, .serino = "B", .sirano = "1" });
        notes = { a1, a2, a3 };
        c->showPage(4);
    }
    void cleanup() { c.reset(); }

    void listed_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QList<int>>("listed");
        QTest::newRow("open sale lists the out notes") << 0 << QList<int> { 0, 2 };
        QTest::newRow("cash purchase lists the in note") << 3 << QList<int> { 1 };
        QTest::newRow("no direction lists nothing") << -1 << QList<int> {};
    }
    void listed()
    {
        QFETCH(int, direction);
        QFETCH(QList<int>, listed);
        combo(c->w->rb, "XCBelge")->setListIndex(direction);
        combo(c->w->rb, "XCCari")->setListIndex(c->accountIndex(c->ahmet));
        kx::LoadOpenDeliveryNotes(c->w->view);
        QStringList expected;
        for (int i : listed)
            expected << QString::number(notes[i]);
        QCOMPARE(column0(), expected);
        if (!listed.isEmpty()) {
            QCOMPARE(c->w->grid->RowHeight(1), 17);
            QCOMPARE(c->w->grid->Cell(1, 2).Text(), QStringLiteral("A%1").arg(listed[0] + 1));
        }
        if (direction == 0)
            QCOMPARE(c->w->grid->Cell(1, 3).Text(), QStringLiteral("05.01.2026"));
    }

    void noAccountChosen()
    {
        c->w->grid->setRows(3);
        kx::LoadOpenDeliveryNotes(c->w->view);
        QCOMPARE(c->w->grid->Rows(), 1);
    }

    void tickAndUntick()
    {
        combo(c->w->rb, "XCCari")->setListIndex(c->accountIndex(c->ahmet));
        kx::LoadOpenDeliveryNotes(c->w->view);
        kx::Grid *grid = c->w->grid;
        const QString a1 = QString::number(notes[0]);
        const QString a3 = QString::number(notes[2]);

        tick(2, "1"); // the last note: its line goes to the end
        QCOMPARE(grid->Rows(), 4);
        QCOMPARE(grid->RowHeight(3), 18);
        // A card that is not in the list shows no code or barcode of another card.
        QCOMPARE(grid->Cell(3, 4).Text(), QString());
        QCOMPARE(grid->Cell(3, 7).Text(), QString());
        QCOMPARE(grid->Cell(3, 5).Text(), QStringLiteral("ESKI KART"));
        QCOMPARE(grid->Cell(3, 9).Text(), QStringLiteral("7,25"));
        QCOMPARE(grid->Cell(3, 0).Data().toLongLong(), 999);

        tick(1, "1"); // the first note: its lines go between it and the next note
        QCOMPARE(grid->Rows(), 6);
        QCOMPARE(grid->Cell(4, 0).Text(), a3);
        QCOMPARE(grid->Cell(2, 4).Text(), QStringLiteral("1024"));
        QCOMPARE(grid->Cell(2, 7).Text(), QStringLiteral("869001"));
        QCOMPARE(grid->Cell(2, 8).Text(), QStringLiteral("S1"));
        QCOMPARE(grid->Cell(2, 9).Text(), QStringLiteral("10,00")); // sale price of the card
        QCOMPARE(grid->Cell(2, 12).Text(), QStringLiteral("18"));
        QCOMPARE(grid->Cell(3, 6).Text(), QStringLiteral("1,5"));
        QCOMPARE(grid->Cell(3, 8).Text(), QString());
        QVERIFY(grid->Cell(2, 11).Locked());
        QVERIFY(!grid->Cell(2, 6).Locked());
        // Totals from the lines (prices include VAT by default).
        QCOMPARE(c->w->totals4->Cell(7, 3).Text(), QStringLiteral("52,00"));

        // The filler of a line row is no choice cell.
        QVERIFY(grid->Cell(2, 1).Locked());
        QCOMPARE(grid->Cell(2, 1).CellType(), int(kx::CellTypeText));
        tick(2, "1");
        QCOMPARE(grid->Rows(), 6);

        tick(1, "0");
        QCOMPARE(column0(), (QStringList { a1, a3, grid->Cell(3, 0).Text() }));
        QCOMPARE(grid->Rows(), 4);
        QCOMPARE(grid->Cell(3, 5).Text(), QStringLiteral("ESKI KART"));
        QCOMPARE(c->w->totals4->Cell(7, 3).Text(), QStringLiteral("29,00"));
    }

    void purchasePriceOnIncomingInvoice()
    {
        combo(c->w->rb, "XCBelge")->setListIndex(1);
        combo(c->w->rb, "XCCari")->setListIndex(c->accountIndex(c->ahmet));
        kx::LoadOpenDeliveryNotes(c->w->view);
        tick(1, "1");
        QCOMPARE(c->w->grid->Cell(2, 9).Text(), QStringLiteral("8,00"));
    }
};

class TestSaveDocument : public QObject
{
    Q_OBJECT
    std::unique_ptr<Company> c;

    void enterNote()
    {
        c->showPage(3);
        QObject *ra = c->w->ra;
        combo(ra, "XCCari")->setListIndex(c->accountIndex(c->ahmet));
        edit(ra, "XTAciklama")->setText("Ali'nin");
        for (const qint64 stock : { c->vida, c->somun }) {
            combo(ra, "XCStok")->setListIndex(c->stockIndex(stock));
            edit(ra, "XTMiktar")->setText("3");
            kx::AddDocumentLine(c->w->view);
        }
    }

private slots:
    void init() { c = std::make_unique<Company>(); }
    void cleanup() { c.reset(); }

    void checks_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("seriesAfter");
        QTest::newRow("no account") << 3 << "XCCari"
                                    << ""
                                    << "Cariyi kontrol edip tekrar deneyiniz!"
                                    << "A";
        QTest::newRow("three letters") << 3 << "XTSeriNo"
                                       << "ABC"
                                       << "Geçerli bir seri numarası giriniz!"
                                       << "";
        QTest::newRow("a digit") << 5 << "XTSeriNo"
                                 << "1"
                                 << "Geçerli bir seri numarası giriniz!"
                                 << "";
        QTest::newRow("empty series") << 3 << "XTSeriNo"
                                      << ""
                                      << "Geçerli bir seri numarası giriniz!"
                                      << "";
        QTest::newRow("number 0") << 3 << "XTSiraNo"
                                  << "0"
                                  << "Geçerli bir sıra numarası giriniz!"
                                  << "A";
        QTest::newRow("number without digits") << 5 << "XTSiraNo"
                                               << "x"
                                               << "Geçerli bir sıra numarası giriniz!"
                                               << "A";
        QTest::newRow("no lines") << 5 << "lines"
                                  << ""
                                  << "Belgeye ürün ekleyiniz!"
                                  << "A";
        QTest::newRow("no note chosen") << 4 << "notes"
                                        << ""
                                        << "Belgeye irsaliye ekleyiniz!"
                                        << "A";
        QTest::newRow("line quantity edited to 0") << 5 << "quantity"
                                                   << "0"
                                                   << "Ürün miktarını giriniz!"
                                                   << "A";
        QTest::newRow("negative line quantity") << 3 << "quantity"
                                                << "-2"
                                                << "Ürün miktarını giriniz!"
                                                << "A";
        QTest::newRow("note line quantity edited to 0") << 4 << "quantity"
                                                        << "abc"
                                                        << "Ürün miktarını giriniz!"
                                                        << "A";
    }
    void checks()
    {
        QFETCH(int, page);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QFETCH(QString, seriesAfter);
        const qint64 note = addDocument({ .bmod = 3, .cariid = c->ahmet, .sirano = "9" });
        addLine(note, { .stokid = c->vida });
        c->showPage(page);
        QObject *panel = c->panel();
        edit(panel, "XTSeriNo")->setText("A");
        combo(panel, "XCCari")->setListIndex(c->accountIndex(c->ahmet));
        if (page == 4) {
            kx::LoadOpenDeliveryNotes(c->w->view);
            QCOMPARE(c->w->grid->Rows(), 2);
        } else if (field != "lines") {
            combo(panel, "XCStok")->setListIndex(0);
            kx::AddDocumentLine(c->w->view);
        }
        if (field == "quantity") {
            if (page == 4) {
                c->w->grid->Cell(1, 1).setText("1");
                kx::LoadDocumentLines(c->w->view, 1, 1);
            }
            c->w->grid->Cell(c->w->grid->Rows() - 1, 6).setText(value);
        }
        if (field == "XCCari")
            combo(panel, "XCCari")->setListIndex(-1);
        else if (field.startsWith("XT"))
            edit(panel, field.toLatin1().constData())->setText(value);
        const int rows = c->w->grid->Rows();

        QVERIFY(!kx::SaveDocument(c->w->view));
        QCOMPARE(kx::messageScript().lastPopupText(), message);
        QCOMPARE(kx::messageScript().shown.last().icon, 2);
        QCOMPARE(edit(panel, "XTSeriNo")->text(), seriesAfter);
        QCOMPARE(c->w->grid->Rows(), rows);
        QCOMPARE(count("bmod>0"), 1);
    }

    void savesAndResets()
    {
        enterNote();
        QVERIFY(kx::SaveDocument(c->w->view));
        const qint64 id = kx::state().LastBelgeId.toLongLong();
        QCOMPARE(column(id, "aciklama").toString(), QStringLiteral("Ali'nin"));
        QCOMPARE(column(id, "btarihi").toInt(), 20260210);
        QCOMPARE(count("belgeid=? and inout='o'", { id }), 2);
        QCOMPARE(kx::messageScript().lastPopupText(), QStringLiteral("Belge kaydedildi..."));
        // VIDA M8 fell to 2 against its level of 2: no warning; SOMUN fell below its level 0.
        const auto shown = kx::messageScript().shown;
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown[0].text.startsWith("SOMUN için"));
        QVERIFY(shown[0].text.endsWith("Stoktaki Miktar : -3"));
        // The note is cleared and the next number is proposed.
        QCOMPARE(c->w->grid->Rows(), 1);
        QCOMPARE(combo(c->w->ra, "XCCari")->ListIndex(), -1);
        QCOMPARE(edit(c->w->ra, "XTSiraNo")->text(), QStringLiteral("2"));
        QCOMPARE(setting(3, 8), QStringLiteral("A"));
    }

    void lowStockWarnedAfterSave()
    {
        kx::state().Conn->Execute("update \"1Stok\" set a5='3' where id=?", { c->vida });
        kx::state().Conn->Execute("update \"1Stok\" set a5=null where id=?", { c->somun });
        kx::LoadLists(false, true, false);
        enterNote();
        QVERIFY(kx::SaveDocument(c->w->view));
        QCOMPARE(kx::messageScript().shown.size(), 2);
        QCOMPARE(kx::messageScript().shown.first().kind, QStringLiteral("notice"));
        QVERIFY(kx::messageScript().shown.first().text.startsWith("VIDA M8 için"));
        QVERIFY(kx::messageScript().shown.first().text.endsWith("Stoktaki Miktar : 2"));
    }

    void duplicateNumber_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("No writes nothing") << 7;
        QTest::newRow("Yes replaces") << 6;
    }
    void duplicateNumber()
    {
        QFETCH(int, answer);
        const qint64 older = addDocument({ .bmod = 3, .cariid = c->mehmet, .sirano = "1" });
        const qint64 oldLine = addLine(older, { .stokid = c->pul });
        enterNote();
        edit(c->w->ra, "XTSiraNo")->setText("1");
        kx::messageScript().answers = { answer };
        QCOMPARE(kx::SaveDocument(c->w->view), answer == 6);
        QCOMPARE(kx::messageScript().shown.first().kind, QStringLiteral("question"));
        if (answer == 7) {
            QCOMPARE(count("id=? or id=?", { older, oldLine }), 2);
            QCOMPARE(count("bmod>0"), 1);
            QCOMPARE(c->w->grid->Rows(), 3);
        } else {
            QCOMPARE(count("id=? or id=?", { older, oldLine }), 0);
            QCOMPARE(count("bmod=3 and sirano='1' and cariid=?", { c->ahmet }), 1);
            QCOMPARE(c->w->grid->Rows(), 1);
        }
    }

    // Two of three notes ticked on the invoice page; the card's new price is offered for the
    // card of the line, not for the card whose id equals the line's id.
    void invoiceOverNotes()
    {
        QList<qint64> notes;
        for (int i = 1; i <= 3; ++i) {
            const qint64 note
                = addDocument({ .bmod = 3, .cariid = c->ahmet, .sirano = QString::number(i) });
            addLine(note, { .stokid = c->somun, .stokadi = "SOMUN", .miktar = 2 });
            notes << note;
        }
        c->showPage(4);
        QObject *rb = c->w->rb;
        combo(rb, "XCCari")->setListIndex(c->accountIndex(c->ahmet));
        kx::LoadOpenDeliveryNotes(c->w->view);
        kx::Grid *grid = c->w->grid;
        grid->Cell(3, 1).setText("1");
        kx::LoadDocumentLines(c->w->view, 3, 1);
        grid->Cell(1, 1).setText("1");
        kx::LoadDocumentLines(c->w->view, 1, 1);
        grid->Cell(2, 9).setText("2,50");
        kx::RecalcDocument(c->w->view);
        kx::messageScript().answers = { 6, 7 };

        QVERIFY(kx::SaveDocument(c->w->view));
        const qint64 invoice = kx::state().LastBelgeId.toLongLong();
        QCOMPARE(column(notes[0], "ftrdrm").toLongLong(), invoice);
        QCOMPARE(column(notes[1], "ftrdrm").toLongLong(), 0);
        QCOMPARE(column(notes[2], "ftrdrm").toLongLong(), invoice);
        QCOMPARE(count("stokinftr=?", { invoice }), 2);
        QCOMPARE(column(invoice, "yekun").toString(), QStringLiteral("9,00"));
        const auto questions = kx::messageScript().shown;
        QVERIFY(questions[0].text.startsWith("SOMUN isimli ürünün stok kartındaki fiyati"));
        QVERIFY(questions[0].text.contains("(2,50)"));
        QCOMPARE(kx::state().StokAllRows.text(6, kx::stockRecordById(c->somun, true)),
                 QStringLiteral("2,50"));
        QCOMPARE(setting(3, 9), QStringLiteral("A"));
    }

    // A written price reloads the stock rows; a card made meanwhile on another computer moves
    // them, and every panel's entry i must still be row i, the card that choosing it adds.
    void priceWriteBackKeepsListsInStep()
    {
        c->showPage(5);
        QObject *rc = c->w->rc;
        combo(rc, "XCCari")->setListIndex(c->accountIndex(c->ahmet));
        combo(rc, "XCStok")->setListIndex(c->stockIndex(c->vida));
        edit(rc, "XTFiyat")->setText("12,00");
        kx::AddDocumentLine(c->w->view);
        addStock("2000", "AHSAP KAMA");
        kx::messageScript().answers = { 6 };

        QVERIFY(kx::SaveDocument(c->w->view));
        const kx::RowArray &rows = kx::state().StokRows;
        QCOMPARE(rows.recordCount(), 4);
        for (QObject *panel : { c->w->ra, c->w->rc, c->w->rx }) {
            QStringList entries;
            for (int i = 0; i < combo(panel, "XCStok")->ListCount(); ++i)
                entries << combo(panel, "XCStok")->List(i);
            QCOMPARE(entries, kx::cardEntries(rows));
        }
    }

    // A changed price is offered to the card only while settings row 54 a5 reads 1; the
    // low-stock switch beside it has no say.
    void priceWriteBackFollowsItsSwitch_data()
    {
        QTest::addColumn<bool>("writeBack"); // a5
        QTest::addColumn<bool>("lowStock"); // a6
        QTest::addColumn<bool>("offered");
        QTest::newRow("both on") << true << true << true;
        QTest::newRow("write-back off") << false << true << false;
        QTest::newRow("low-stock warning off") << true << false << true;
    }
    void priceWriteBackFollowsItsSwitch()
    {
        QFETCH(bool, writeBack);
        QFETCH(bool, lowStock);
        QFETCH(bool, offered);
        const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
        kx::state().Conn->Execute("update \"1Ayar\" set a5=?, a6=? where id=54",
                                  { flag(writeBack), flag(lowStock) });
        kx::LoadLists(true, false, false);
        c->showPage(5);
        QObject *rc = c->w->rc;
        combo(rc, "XCCari")->setListIndex(c->accountIndex(c->ahmet));
        combo(rc, "XCStok")->setListIndex(c->stockIndex(c->vida));
        kx::AddDocumentLine(c->w->view);
        c->w->grid->Cell(1, kx::state().ColFiyat).setText("12,00"); // the card's is 10,00
        kx::RecalcDocument(c->w->view);
        kx::messageScript().answers = { 7 };

        QVERIFY(kx::SaveDocument(c->w->view));
        const auto &shown = kx::messageScript().shown;
        const bool asked = std::any_of(shown.begin(), shown.end(), [](const auto &message) {
            return message.text.startsWith("VIDA M8 isimli ürünün stok kartındaki fiyati");
        });
        QCOMPARE(asked, offered);
    }

    // An invoice carries the VAT of the company's three rates only: a line at another rate is
    // refused at save, however it came in, with its card and rate named; a delivery note
    // carries no VAT and saves.
    void lineOutsideTheVatRates_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("refusal"); // empty: saved
        const QString civata
            = QStringLiteral("CIVATA isimli ürünün KDV oranı (%20) firmanın KDV oranlarından "
                             "biri değil!");
        QTest::newRow("added on the invoice with lines") << 5 << "added" << civata;
        QTest::newRow("taken over from a delivery note") << 4 << "note" << civata;
        QTest::newRow("rate edited in the grid")
            << 5 << "edited"
            << QStringLiteral("VIDA M8 isimli ürünün KDV oranı (%5) firmanın KDV oranlarından "
                              "biri değil!");
        QTest::newRow("delivery note") << 3 << "added" << QString();
        QTest::newRow("a company rate") << 5 << "company" << QString();
    }
    void lineOutsideTheVatRates()
    {
        QFETCH(int, page);
        QFETCH(QString, how);
        QFETCH(QString, refusal);
        const qint64 civata = addStock("1027", "CIVATA", { { 3, "20" }, { 6, "4,00" } });
        kx::LoadLists(false, true, false);
        kx::FillPanelLists(c->w->view, today);
        const qint64 card = how == u"added" || how == u"note" ? civata : c->vida;
        if (how == u"note") {
            const qint64 note = addDocument({ .bmod = 3, .cariid = c->ahmet, .sirano = "7" });
            addLine(note, { .stokid = civata, .stokadi = "CIVATA", .miktar = 2 });
        }
        c->showPage(page);
        QObject *panel = c->panel();
        combo(panel, "XCCari")->setListIndex(c->accountIndex(c->ahmet));
        kx::Grid *grid = c->w->grid;
        if (page == 4) {
            kx::LoadOpenDeliveryNotes(c->w->view);
            grid->Cell(1, 1).setText("1");
            kx::LoadDocumentLines(c->w->view, 1, 1);
        } else {
            combo(panel, "XCStok")->setListIndex(c->stockIndex(card));
            if (page == 5)
                edit(panel, "XTFiyat")->setText("4");
            kx::AddDocumentLine(c->w->view);
        }
        if (how == u"edited") {
            grid->Cell(1, kx::state().ColKdvOrani).setText("5");
            kx::RecalcDocument(c->w->view);
        }
        kx::messageScript().answers = { 7, 7, 7 };
        const int headers = count("bmod=?", { page });

        QCOMPARE(kx::SaveDocument(c->w->view), refusal.isEmpty());
        if (refusal.isEmpty()) {
            QCOMPARE(count("bmod=?", { page }), headers + 1);
            return;
        }
        QCOMPARE(kx::messageScript().lastPopupText(), refusal);
        QCOMPARE(kx::messageScript().shown.last().icon, int(kx::IconError));
        QCOMPARE(count("bmod=?", { page }), headers);
        QCOMPARE(count("stokinftr<>0"), 0);
        QVERIFY(grid->Rows() > 1);
    }

    // The warning after a save shows, line by line, the quantity as it stood once that line
    // was written: two lines of one card show two quantities.
    void lowStockShowsEachLinesQuantity_data()
    {
        QTest::addColumn<int>("direction"); // 0 out, 1 in
        QTest::addColumn<QString>("level");
        QTest::addColumn<QStringList>("warnings");
        // VIDA M8 starts at 5; lines of 1 and 2.
        QTest::newRow("out, below from the first line")
            << 0 << "5" << QStringList { "Stoktaki Miktar : 4", "Stoktaki Miktar : 2" };
        QTest::newRow("out, below from the second line")
            << 0 << "3" << QStringList { "Stoktaki Miktar : 2" };
        QTest::newRow("in, still below after the first line")
            << 1 << "7" << QStringList { "Stoktaki Miktar : 6" };
    }
    void lowStockShowsEachLinesQuantity()
    {
        QFETCH(int, direction);
        QFETCH(QString, level);
        QFETCH(QStringList, warnings);
        kx::state().Conn->Execute("update \"1Stok\" set a5=? where id=?", { level, c->vida });
        kx::LoadLists(false, true, false);
        c->showPage(3);
        QObject *ra = c->w->ra;
        combo(ra, "XCBelge")->setListIndex(direction);
        combo(ra, "XCCari")->setListIndex(c->accountIndex(c->ahmet));
        for (const QString quantity : { "1", "2" }) {
            combo(ra, "XCStok")->setListIndex(c->stockIndex(c->vida));
            edit(ra, "XTMiktar")->setText(quantity);
            kx::AddDocumentLine(c->w->view);
        }
        QVERIFY(kx::SaveDocument(c->w->view));
        QStringList shown;
        for (const kx::MessageRecord &record : kx::messageScript().shown) {
            if (record.kind == u"notice") {
                QVERIFY(record.text.startsWith("VIDA M8 için"));
                shown << record.text.section('\n', 1);
            }
        }
        QCOMPARE(shown, warnings);
    }

    void refusedLinkLeavesScreen()
    {
        const qint64 note = addDocument({ .bmod = 3, .cariid = c->ahmet, .sirano = "5" });
        addLine(note, { .stokid = c->vida });
        c->showPage(4);
        combo(c->w->rb, "XCCari")->setListIndex(c->accountIndex(c->ahmet));
        kx::LoadOpenDeliveryNotes(c->w->view);
        c->w->grid->Cell(1, 1).setText("1");
        kx::LoadDocumentLines(c->w->view, 1, 1);
        // Another computer invoices the note meanwhile.
        kx::state().Conn->Execute("update \"1Belge\" set ftrdrm=55 where id=?", { note });

        QVERIFY(!kx::SaveDocument(c->w->view));
        QVERIFY(kx::messageScript().lastPopupText().startsWith("A5 numaralı irsaliye başka"));
        QCOMPARE(count("bmod=4"), 0);
        QCOMPARE(c->w->grid->Rows(), 3);
        QCOMPARE(combo(c->w->rb, "XCCari")->ListIndex(), c->accountIndex(c->ahmet));
    }
};

KX_TEST(TestPanelPreparation)
KX_TEST(TestDocumentLineEntry)
KX_TEST(TestOpenDeliveryNotes)
KX_TEST(TestSaveDocument)
#include "tst_document_entry.moc"
