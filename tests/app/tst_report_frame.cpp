// The report frame of the main window: when a report runs, what it leaves in the grid on
// success, early return and error, and the drill-downs by row kind.
#include "app/main_window.h"
#include "app/ribbon_menu.h"
#include "core/panel_fields.h"
#include "core/state.h"
#include "platform/combo_box.h"
#include "platform/grid.h"
#include "reports/report.h"
#include "tests/app/events_window.h"
#include "tests/core/document_view.h"
#include "tests/support/builders.h"
#include "tests/support/clicking.h"
#include "tests/support/kxtest.h"
#include "tests/support/report_checks.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

using namespace kxtest;
using kx::ReportRowKind;

namespace {

QList<kx::MessageRecord> popups()
{
    return kx::messageScript().popups();
}

// The first account's statement with its goods lines, run by the command.
void showStatement(kx::FMain &w)
{
    w.ShowPage(kx::Page::AccountStatement);
    combo(w.RX1, "XCCari")->setListIndex(0);
    kx::setFieldValue(w.RX1, "XBStok", 1);
    w.CMBar_Execute(kx::Command::ShowReport);
}

// Two accounts, ALICI with an invoice over a delivery note (one goods line) and a collection,
// BAYI with a purchase; one stock card.
struct Company
{
    qint64 alici = 0;
    qint64 invoice = 0;
    qint64 payment = 0;

    Company()
    {
        const qint64 stock = addStock("S1", "VIDA", { { 6, "2,00" } });
        alici = addAccount("1", "ALICI");
        const qint64 bayi = addAccount("2", "BAYI");
        invoice = addDocument(4, 0, alici, 20240105, "100,00");
        Header note;
        note.cariid = alici;
        note.ftrdrm = int(invoice);
        Line line;
        line.stokid = stock;
        line.stokadi = "VIDA";
        line.miktar = 50;
        line.birimfiyat = "2,00";
        line.stokinftr = invoice;
        addLine(addDocument(note), line);
        payment = addDocument(6, 0, alici, 20240110, "40,00");
        addDocument(5, 1, bayi, 20260101, "70,00");
    }
};

} // namespace

class TestReportFrame : public QObject
{
    Q_OBJECT

private slots:
    // The statement without an account: one message, the focus in the account combo, only the
    // title row, and the grid redraws again, so that it takes events at once.
    void missingAccountReturnsWithRedrawOn()
    {
        EventsWindow env;
        Company company;
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::AccountStatement);
        combo(w.RX1, "XCCari")->setListIndex(0);
        QTest::keyClick(w.Grid1, Qt::Key_Return);
        QVERIFY(w.Grid1->Rows() > 2);

        combo(w.RX1, "XCCari")->setListIndex(-1);
        kx::messageScript().shown.clear();
        QTest::keyClick(w.Grid1, Qt::Key_Return);
        QCOMPARE(w.Grid1->Rows(), 1);
        QVERIFY(w.Grid1->AutoRedraw());
        QCOMPARE(popups().size(), 1);
        QCOMPARE(popups().at(0).text, QStringLiteral("Görüntülemek istediğiniz cariyi seçiniz!"));
        QCOMPARE(popups().at(0).icon, 2);
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused == combo(w.RX1, "XCCari")
                || (focused && focused->parent() == combo(w.RX1, "XCCari")));
    }

    // An error inside a report: the grid back to its title row, one short message, redraw on.
    void errorClearsGridWithOneMessage()
    {
        EventsWindow env;
        Company company;
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::DebtsAndCredits);
        w.CMBar_Execute(kx::Command::ShowReport);
        QCOMPARE(w.Grid1->Rows(), 4);

        kx::state().TblBelge = QStringLiteral("Belge"); // no such table
        kx::messageScript().shown.clear();
        w.CMBar_Execute(kx::Command::ShowReport);
        QCOMPARE(w.Grid1->Rows(), 1);
        QCOMPARE(w.Grid1->columnSpan(0, 1), 1);
        QVERIFY(w.Grid1->AutoRedraw());
        QCOMPARE(popups().size(), 1);
        QCOMPARE(popups().at(0).text, QStringLiteral("Rapor hazırlanamadı!"));
        QCOMPARE(popups().at(0).icon, 2);
    }

    // Twice in a row the same grid; the last row's first cell is the current one; an empty
    // report selects nothing.
    void rerunGivesSameGridAndSelectsLastRow()
    {
        EventsWindow env;
        Company company;
        kx::FMain &w = env.start();
        showStatement(w);
        const QStringList first = gridTexts(w.Grid1);
        QCOMPARE(first.size(), 5); // opening, invoice, its goods line, collection, totals
        QTest::keyClick(w.Grid1, Qt::Key_Return);
        QCOMPARE(gridTexts(w.Grid1), first);
        QCOMPARE(w.Grid1->CurrentCell().Row(), w.Grid1->Rows() - 1);
        QCOMPARE(w.Grid1->CurrentCell().Col(), 0);

        // No live stock card: the price list stays at its title row, nothing selected.
        kx::state().StokVar = QStringLiteral("yok");
        w.ShowPage(kx::Page::PriceList);
        w.CMBar_Execute(kx::Command::ShowReport);
        QCOMPARE(w.Grid1->Rows(), 1);
        QCOMPARE(w.Grid1->CurrentCell().Row(), 0);
    }

    // Enter runs the report on pages 6 to 12, not on the cheque page; 161 only with the
    // report tab up.
    void whereReportsRun_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("byCommand"); // 161 instead of Enter
        QTest::addColumn<bool>("runs");
        QTest::newRow("Enter, debts") << 9 << false << true;
        QTest::newRow("Enter, stock inventory") << 12 << false << true;
        QTest::newRow("Enter, cheques") << 13 << false << false;
        QTest::newRow("161, cheques") << 13 << true << true;
        QTest::newRow("161, invoice") << 5 << true << false;
    }
    void whereReportsRun()
    {
        QFETCH(int, page);
        QFETCH(bool, byCommand);
        QFETCH(bool, runs);
        EventsWindow env;
        kx::FMain &w = env.start();
        w.ShowPage(page);
        // Rows a run would take away.
        w.Grid1->setRows(3);
        if (byCommand)
            w.CMBar_Execute(kx::Command::ShowReport);
        else
            QTest::keyClick(w.Grid1, Qt::Key_Return);
        QCOMPARE(w.Grid1->Rows(), runs ? (page == 9 ? 2 : 1) : 3);
    }

    // Only a data row with a document key hands the key to the saved-documents window.
    void statementDrillDownByKind_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("keySet");
        QTest::addColumn<QString>("opens"); // the windows opened, %1 the document's id
        QTest::newRow("opening") << 1 << int(ReportRowKind::Opening) << false << "";
        QTest::newRow("invoice") << 2 << int(ReportRowKind::Data) << true << "FKayitli 4%1";
        QTest::newRow("goods line") << 3 << int(ReportRowKind::GoodsLine) << false << "";
        QTest::newRow("collection")
            << 4 << int(ReportRowKind::Data) << true << "FOdeme %1,FKayitli ";
        QTest::newRow("totals") << 5 << int(ReportRowKind::Total) << false << "";
    }
    void statementDrillDownByKind()
    {
        QFETCH(int, row);
        QFETCH(int, kind);
        QFETCH(bool, keySet);
        QFETCH(QString, opens);
        EventsWindow env;
        Company company;
        kx::FMain &w = env.start();
        showStatement(w);
        QCOMPARE(int(kx::reportRowKind(w.Grid1, row)), kind);
        kx::state().PendingDocKey = QStringLiteral("untouched");
        // The key goes to the saved-documents window, which opens that document.
        const QStringList opened
            = env.closeOpenedWindows([&] { doubleClickCell(w.Grid1, row, 2); });
        const qint64 id = row == 2 ? company.invoice : company.payment;
        QCOMPARE(opened.join(u','), opens.isEmpty() ? QString() : opens.arg(id));
        QCOMPARE(kx::state().PendingDocKey, keySet ? QString() : QStringLiteral("untouched"));
    }

    // A data row whose column 0 holds no document key opens nothing.
    void invalidKeysSetNothing_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("kind only") << "4" << false;
        QTest::newRow("delivery note kind") << "357" << true;
        QTest::newRow("kind 7") << "712" << false;
        QTest::newRow("id zero") << "400" << false;
        QTest::newRow("letters") << "4a2" << false;
        QTest::newRow("blank inside") << "4 12" << false;
        QTest::newRow("sign") << "4-12" << false;
    }
    void invalidKeysSetNothing()
    {
        QFETCH(QString, key);
        QFETCH(bool, valid);
        EventsWindow env;
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::AccountStatement);
        kx::ReportRow row;
        row.cells = { key, "01.01.2024", "X" };
        kx::WriteReportRows(w.Grid1, { row, row });
        kx::state().PendingDocKey = QStringLiteral("untouched");
        const QStringList opened = env.closeOpenedWindows([&] { doubleClickCell(w.Grid1, 2, 2); });
        QCOMPARE(opened, valid ? QStringList { "FKayitli " } : QStringList());
        QCOMPARE(kx::state().PendingDocKey, valid ? QString() : QStringLiteral("untouched"));
    }

    // Debts and credits: an account row opens that account's statement; the totals row
    // nothing.
    void debtsRowOpensStatement()
    {
        EventsWindow env;
        Company company;
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::DebtsAndCredits);
        w.CMBar_Execute(kx::Command::ShowReport);
        QCOMPARE(w.Grid1->Cell(2, 1).Text(), QStringLiteral("BAYI (2)"));
        doubleClickCell(w.Grid1, 3, 1);
        QCOMPARE(kx::state().CurrentPage, 9);
        doubleClickCell(w.Grid1, 2, 1);
        QCOMPARE(kx::state().CurrentPage, 6);
        QCOMPARE(combo(w.RX1, "XCCari")->ListIndex(), 1);
        QCOMPARE(w.Grid1->Rows(), 4);
        QCOMPARE(w.Grid1->Cell(2, 4).Text(), QStringLiteral("70,00"));
        QCOMPARE(w.Grid1->Cell(2, 6).Text(), QStringLiteral("70,00"));
        QCOMPARE(w.Grid1->Cell(3, 5).Text(), QStringLiteral("70,00 Alacaklı"));
    }

    // The statement's range typed with two-digit years after clicks on the days, built with
    // Enter inside the to-date: January 2027 only.
    void statementRangeTypedWithShortYears()
    {
        EventsWindow env;
        const qint64 alici = addAccount("1", "ALICI");
        addDocument(6, 0, alici, 20261215, "10,00");
        addDocument(6, 0, alici, 20270110, "20,00");
        addDocument(6, 0, alici, 20270131, "30,00");
        addDocument(6, 0, alici, 20270201, "40,00");
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::AccountStatement);
        combo(w.RX1, "XCCari")->setListIndex(0);
        kx::setFieldValue(w.RX1, "XBTar1", 1);
        auto *from = qobject_cast<QAbstractSpinBox *>(kx::panelField(w.RX1, "XDTarA1"));
        auto *to = qobject_cast<QAbstractSpinBox *>(kx::panelField(w.RX1, "XDTarB1"));
        QVERIFY(from && to);
        clickAtCursor(innerEdit(from), 1);
        QTest::keyClicks(from, QStringLiteral("01.01.27"));
        clickAtCursor(innerEdit(to), 1);
        QTest::keyClicks(to, QStringLiteral("31.01.27"));
        QVERIFY(to->hasFocus());
        QTest::keyClick(to, Qt::Key_Return);

        static const QRegularExpression Date(QStringLiteral("^[0-9]{2}\\.[0-9]{2}\\.[0-9]{4}$"));
        QStringList dates;
        for (int r = 1; r < w.Grid1->Rows(); ++r) {
            for (int c = 0; c < w.Grid1->Cols(); ++c) {
                if (Date.match(w.Grid1->Cell(r, c).Text()).hasMatch())
                    dates << w.Grid1->Cell(r, c).Text();
            }
        }
        QCOMPARE(dates, (QStringList { "10.01.2027", "31.01.2027" }));
        QCOMPARE(innerEdit(from)->text(), QStringLiteral("01.01.2027"));
        QCOMPARE(innerEdit(to)->text(), QStringLiteral("31.01.2027"));
    }
};

KX_TEST(TestReportFrame)

#include "tst_report_frame.moc"
