// Printing the open document: what the snapshot takes from the panels, grids, lists and
// settings, and the copies with their printer choices, jobs and failures.
#include "core/delivery_notes.h"
#include "core/document_lines.h"
#include "core/document_panels.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/pages.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/grid.h"
#include "platform/printer.h"
#include "reports/document_print.h"
#include "tests/core/document_view.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"
#include "tests/support/printing.h"

#include <QTest>

using namespace kxtest;

namespace {

const QDate today(2026, 2, 10);

QStringList textsOf(const QList<kx::PrintItem> &items)
{
    QStringList texts;
    for (const kx::PrintItem &item : items)
        texts << item.text;
    return texts;
}

QList<double> topsOf(const QList<kx::PrintItem> &items)
{
    QList<double> tops;
    for (const kx::PrintItem &item : items)
        tops << item.y;
    return tops;
}

// A company with one account, cards whose units tell them apart, and the panels and grids.
struct Company
{
    Fixture fixture;
    std::unique_ptr<DocumentWindow> w;
    qint64 ahmet = 0;
    QList<qint64> cards; // units Koli, Metre, Paket, Adet

    Company()
    {
        fixture.login(1);
        ahmet = addAccount("100", "AHMET", { { 11, "500,00" } });
        const char *units[] = { "Koli", "Metre", "Paket", "Adet" };
        for (int i = 0; i < 4; ++i)
            cards << addStock(QString::number(1001 + i), QStringLiteral("KART %1").arg(i + 1),
                              { { 3, "18" }, { 6, "10,00" }, { 8, units[i] } });
        // Every unit field, the names and field 44 of the three layouts.
        for (int page = 3; page <= 5; ++page) {
            placeField(page, 12, "10", "100");
            placeField(page, 18, "80", "100");
            placeField(page, 44, "10", "250");
            placeField(page, 43, "10", "260");
        }
        kx::LoadLists(true, true, true);
        w = std::make_unique<DocumentWindow>();
        kx::FillPanelLists(w->view, today);
    }
    void showPage(int page)
    {
        kx::state().CurrentPage = page;
        w->grid->setRows(1);
        w->grid->setCols(14);
        kx::ResetPanel(w->view, today);
        combo(w->view.panelOfPage(page), "XCCari")
            ->setListIndex(kx::accountRecordById(ahmet, false));
    }
};

} // namespace

class TestDocumentSnapshot : public QObject
{
    Q_OBJECT
    std::unique_ptr<Company> c;

    // Three delivery notes A1..A3 of one line each; the line rows' own ids (2, 4, 6) are the
    // ids of other cards than theirs. The first and third notes are ticked.
    void invoiceOverNotes()
    {
        const int lineCards[] = { 0, 1, 2 };
        for (int i = 0; i < 3; ++i) {
            const qint64 note = addDocument(
                { .bmod = 3, .cariid = c->ahmet, .serino = "A", .sirano = QString::number(i + 1) });
            addLine(note,
                    { .stokid = c->cards[lineCards[i]],
                      .stokadi = QStringLiteral("SATIR %1").arg(i + 1) });
        }
        c->showPage(4);
        kx::LoadOpenDeliveryNotes(c->w->view);
        kx::Grid *grid = c->w->grid;
        grid->Cell(3, 1).setText("1");
        kx::LoadDocumentLines(c->w->view, 3, 1);
        grid->Cell(1, 1).setText("1");
        kx::LoadDocumentLines(c->w->view, 1, 1);
    }

private slots:
    void init() { c = std::make_unique<Company>(); }
    void cleanup() { c.reset(); }

    // Only the ticked notes' lines print, numbered from 0 in grid order, each with its own card,
    // on the invoice's layout and on the delivery-note layout alike.
    void tickedNotes_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("notes"); // field 44
        QTest::newRow("as an invoice") << 4 << "A1, A3";
        QTest::newRow("as a delivery note") << 3 << "";
    }
    void tickedNotes()
    {
        QFETCH(int, layout);
        QFETCH(QString, notes);
        invoiceOverNotes();
        QCOMPARE(c->w->grid->Rows(), 6); // three notes, two lines
        const QList<kx::PrintItem> items
            = kx::buildPrintItems(kx::snapshotDocument(c->w->view, { 4, layout }));
        QCOMPARE(textsOf(itemsOf(items, 12)), (QStringList { "SATIR 1", "SATIR 3" }));
        QCOMPARE(topsOf(itemsOf(items, 12)), (QList<double> { 100, 105 }));
        QCOMPARE(textsOf(itemsOf(items, 18)), (QStringList { "KL", "PKT" }));
        QCOMPARE(textsOf(itemsOf(items, 44)),
                 notes.isEmpty() ? QStringList() : QStringList { notes });
    }

    // A line whose card is no longer in the list prints its grid fields only, never the unit of
    // the card that happens to stand first.
    void cardNotInList()
    {
        c->showPage(5);
        kx::Grid *grid = c->w->grid;
        grid->setRows(2);
        grid->setRowHeight(1, kx::LineRowHeight);
        grid->Cell(1, 0).setText("999");
        grid->Cell(1, kx::state().ColStokAdi).setText("ESKI KART");
        const QList<kx::PrintItem> items = kx::buildPrintItems(
            kx::snapshotDocument(c->w->view, kx::printedAsItIs(kx::Page::InvoiceWithLines)));
        QCOMPARE(textsOf(itemsOf(items, 12)), QStringList { "ESKI KART" });
        QVERIFY(itemsOf(items, 18).isEmpty());
    }

    // The balance after the saved invoice, read on its own connection, only for the invoice
    // layouts; the header comes from the panel of the tab's kind.
    void balanceAndHeader_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("balance");
        QTest::newRow("invoice") << 5 << "Bu belge sonrası alacağınız : 300,00";
        QTest::newRow("delivery-note layout") << 3 << "";
    }
    void balanceAndHeader()
    {
        QFETCH(int, layout);
        QFETCH(QString, balance);
        addDocument({ .bmod = 5, .cariid = c->ahmet, .yekun = "200,00" });
        c->showPage(5);
        edit(c->w->rc, "XTSeriNo")->setText("B");
        edit(c->w->rc, "XTSiraNo")->setText("42");
        const kx::PrintSnapshot snapshot = kx::snapshotDocument(c->w->view, { 5, layout });
        QCOMPARE(snapshot.series, QStringLiteral("B"));
        QCOMPARE(snapshot.number, QStringLiteral("42"));
        QCOMPARE(snapshot.documentDate, QStringLiteral("10.02.2026"));
        QCOMPARE(snapshot.account.value(2), QStringLiteral("AHMET"));
        QCOMPARE(textsOf(itemsOf(kx::buildPrintItems(snapshot), 43)),
                 balance.isEmpty() ? QStringList() : QStringList { balance });
        QVERIFY(!kx::state().Conn2->IsOpen());
    }
};

// The copies of one print run, with a scripted printer choice and a recording surface.
class TestDocumentCopies : public QObject
{
    Q_OBJECT
    std::unique_ptr<Company> c;

private slots:
    void init()
    {
        c = std::make_unique<Company>();
        c->showPage(5);
        combo(c->w->rc, "XCStok")->setListIndex(0);
        kx::AddDocumentLine(c->w->view);
        kx::messageScript().shown.clear();
    }
    void cleanup() { c.reset(); }

    void copies_data()
    {
        QTest::addColumn<int>("copies");
        QTest::addColumn<QString>("printer"); // "ok", "refuses", "none"
        QTest::addColumn<int>("dialogs");
        QTest::addColumn<int>("jobs");
        QTest::addColumn<QString>("notice");
        QTest::newRow("no copy") << 0 << "ok" << 0 << 0 << "";
        QTest::newRow("negative count") << -1 << "ok" << 0 << 0 << "";
        QTest::newRow("three copies") << 3 << "ok" << 3 << 3 << "";
        QTest::newRow("job cannot start")
            << 2 << "refuses" << 2 << 0 << "Belge yazdırılamadı! Yazıcıyı kontrol ediniz.";
        QTest::newRow("no printer")
            << 3 << "none" << 3 << 0 << "Belge yazdırılamadı! Yazıcıyı kontrol ediniz.";
    }
    void copies()
    {
        QFETCH(int, copies);
        QFETCH(QString, printer);
        QFETCH(int, dialogs);
        QFETCH(int, jobs);
        QFETCH(QString, notice);
        kx::RecordingSurface surface;
        surface.refuseBegin = printer == "refuses";
        int shown = 0;
        kx::PrintDevices devices;
        devices.choosePrinter = [&] { ++shown; };
        devices.surface
            = [&]() -> kx::PrintSurface * { return printer == "none" ? nullptr : &surface; };

        kx::PrintDocument(c->w->view, copies, kx::printedAsItIs(kx::Page::InvoiceWithLines),
                          devices);
        QCOMPARE(shown, dialogs);
        QCOMPARE(surface.documents.size(), jobs);
        QStringList notices;
        for (const kx::MessageRecord &record : kx::messageScript().shown) {
            QCOMPARE(record.icon, int(kx::IconError));
            notices << record.text;
        }
        QCOMPARE(notices, notice.isEmpty() ? QStringList() : QStringList { notice });
        // Every job is a whole copy: the name, the unit and the balance, in twips.
        for (const QList<kx::RecordedText> &job : surface.documents) {
            QCOMPARE(job.size(), 3);
            QCOMPARE(job[0].text, QStringLiteral("KART 1"));
            QCOMPARE(job[0].family, QStringLiteral("Courier New"));
            QCOMPARE(job[0].size, 10.0);
            QVERIFY(qAbs(job[0].x - 10 * 1440 / 25.4) < 1e-6);
            QVERIFY(qAbs(job[0].y - 100 * 1440 / 25.4) < 1e-6);
        }
    }

    // One copy that fails among others is counted in the one notice.
    void someCopiesFail()
    {
        kx::RecordingSurface surface;
        int shown = 0;
        kx::PrintDevices devices;
        devices.choosePrinter = [&] { surface.refuseBegin = ++shown == 2; };
        devices.surface = [&]() -> kx::PrintSurface * { return &surface; };
        kx::PrintDocument(c->w->view, 3, kx::printedAsItIs(kx::Page::InvoiceWithLines), devices);
        QCOMPARE(surface.documents.size(), 2);
        QCOMPARE(kx::messageScript().lastPopupText(),
                 QStringLiteral("Belgenin 1 kopyası yazdırılamadı! Yazıcıyı kontrol ediniz."));
        QCOMPARE(kx::messageScript().shown.size(), 1);
    }
};

KX_TEST(TestDocumentSnapshot)
KX_TEST(TestDocumentCopies)
#include "tst_document_print.moc"
