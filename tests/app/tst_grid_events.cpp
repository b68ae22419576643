// The main window's grid events: document lines, number formats, widths, cheque lists,
// drill-downs, read-only lists and the discount cell of the totals grids.
#include "app/main_window.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/check_option.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"
#include "platform/grid.h"
#include "reports/report.h"
#include "tests/app/events_window.h"
#include "tests/support/builders.h"
#include "tests/support/clicking.h"
#include "tests/support/kxtest.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

using namespace kxtest;

namespace {

kx::ComboBox *combo(QObject *panel, const char *name)
{
    return qobject_cast<kx::ComboBox *>(kx::panelField(panel, name));
}
QLineEdit *edit(QObject *panel, const char *name)
{
    return qobject_cast<QLineEdit *>(kx::panelField(panel, name));
}

// A goods line through the panel as the user adds it: card, quantity, Enter in the add field.
void addGoodsLine(kx::FMain &w, int record, const QString &quantity, const QString &price = {})
{
    const bool invoice = kx::state().CurrentPage == 5;
    QObject *panel = invoice ? w.RC1 : w.RA1;
    combo(panel, "XCStok")->setListIndex(record);
    edit(panel, "XTMiktar")->setText(quantity);
    QLineEdit *addField = edit(panel, invoice ? "XTFiyat" : "XTMiktar");
    addField->setFocus(Qt::OtherFocusReason);
    if (invoice) {
        addField->clear();
        QTest::keyClicks(addField, price);
    }
    QTest::keyClick(addField, Qt::Key_Return);
}

// Types into a cell through the grid's own editor and ends with the key given: Enter commits.
void typeIntoCell(kx::Grid *grid, int row, int col, const QString &text,
                  Qt::Key end = Qt::Key_Return)
{
    grid->setFocus(Qt::OtherFocusReason);
    grid->Cell(row, col).Select();
    QTest::keyClick(grid, Qt::Key_F2);
    QWidget *editor = QApplication::focusWidget();
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        line->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, end);
}

QStringList columnTexts(kx::Grid *grid, int col)
{
    QStringList texts;
    for (int r = 1; r < grid->Rows(); ++r)
        texts << grid->Cell(r, col).Text();
    return texts;
}

QStringList rowTexts(kx::Grid *grid, int row)
{
    QStringList texts;
    for (int c = 0; c < grid->Cols(); ++c)
        texts << grid->Cell(row, c).Text();
    return texts;
}

QString storedSetting(int row, int column)
{
    kx::Recordset rs;
    rs.Open(QStringLiteral("select a%1 from %2 where id=?")
                .arg(column)
                .arg(kx::sqlTable(kx::state().TblAyar)),
            *kx::state().Conn, { row });
    return rs.Fields(0).toString();
}

} // namespace

class TestGridEvents : public QObject
{
    Q_OBJECT

    // Name order ALFA, BRAVO, CHARLIE; prices 10, 20, 30 without VAT, so that the totals read
    // the same in both VAT modes.
    void addCards()
    {
        addStock("1", "ALFA", { { 3, "0" }, { 4, "10" }, { 6, "10" }, { 5, "0" } });
        addStock("2", "BRAVO", { { 3, "0" }, { 4, "20" }, { 6, "20" }, { 5, "0" } });
        addStock("3", "CHARLIE", { { 3, "0" }, { 4, "30" }, { 6, "30" }, { 5, "0" } });
        addAccount("1", "ALICI");
        addAccount("2", "BAYI");
    }
    // A document page with the lines ALFA, BRAVO, CHARLIE, one of each.
    kx::FMain &documentWithThreeLines(EventsWindow &env, int page)
    {
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(page);
        for (int record = 0; record < 3; ++record)
            addGoodsLine(w, record, "1", QString::number((record + 1) * 10));
        return w;
    }

private slots:
    void init() { kx::messageScript().clear(); }

    // Unticking "Dahil" asks; Yes takes exactly that line away, No puts the tick back.
    void untickLine_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("amount"); // "Tutar" of the totals on page 5

        const QStringList all = { "ALFA", "BRAVO", "CHARLIE" };
        QTest::newRow("note, middle line, yes")
            << 3 << 2 << int(kx::AnswerYes) << QStringList { "ALFA", "CHARLIE" } << "";
        QTest::newRow("note, middle line, no") << 3 << 2 << int(kx::AnswerNo) << all << "";
        QTest::newRow("invoice, middle line, yes")
            << 5 << 2 << int(kx::AnswerYes) << QStringList { "ALFA", "CHARLIE" } << "40,00";
        QTest::newRow("invoice, last line, yes")
            << 5 << 3 << int(kx::AnswerYes) << QStringList { "ALFA", "BRAVO" } << "30,00";
        QTest::newRow("invoice, first line, no") << 5 << 1 << int(kx::AnswerNo) << all << "60,00";
    }
    void untickLine()
    {
        QFETCH(int, page);
        QFETCH(int, row);
        QFETCH(int, answer);
        QFETCH(QStringList, left);
        QFETCH(QString, amount);
        EventsWindow env;
        kx::FMain &w = documentWithThreeLines(env, page);
        QCOMPARE(columnTexts(w.Grid1, 5), (QStringList { "ALFA", "BRAVO", "CHARLIE" }));
        kx::messageScript().clear();
        kx::messageScript().answers = { answer };

        clickCell(w.Grid1, row, 1);

        QCOMPARE(kx::messageScript().shown.size(), 1);
        QCOMPARE(kx::messageScript().shown.first().text,
                 QStringLiteral("Bu ürünü listeden kaldırmak istediğinize emin misiniz?"));
        QCOMPARE(columnTexts(w.Grid1, 5), left);
        for (const QString &tick : columnTexts(w.Grid1, 1))
            QCOMPARE(tick, QStringLiteral("1"));
        if (page == 5)
            QCOMPARE(w.GridB3->Cell(1, 3).Text(), amount);
    }

    // On the invoice over delivery notes the tick is the note's, and nothing is asked.
    void untickOnInvoiceOverNotesAsksNothing()
    {
        EventsWindow env;
        addCards();
        Header note;
        note.cariid = 1;
        const qint64 id = addDocument(note);
        Line line;
        line.stokid = 1;
        line.stokadi = "ALFA";
        line.miktar = 2;
        addLine(id, line);
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::Invoice);
        combo(w.RB1, "XCCari")->setListIndex(0);
        QCOMPARE(w.Grid1->Rows(), 2);
        clickCell(w.Grid1, 1, 1);
        QCOMPARE(w.Grid1->Rows(), 3);
        clickCell(w.Grid1, 1, 1);
        QCOMPARE(w.Grid1->Rows(), 2);
        QVERIFY(kx::messageScript().shown.isEmpty());
    }

    // A quantity typed on the invoice recomputes at once; on the note there is nothing to.
    void quantityEdit()
    {
        EventsWindow env;
        kx::FMain &w = documentWithThreeLines(env, 5);
        typeIntoCell(w.Grid1, 2, kx::state().ColMiktar, "3");
        QCOMPARE(w.Grid1->Cell(2, kx::state().ColTutar).Text(), QStringLiteral("60,00"));
        QCOMPARE(w.GridB3->Cell(1, 3).Text(), QStringLiteral("100,00"));
    }

    // Prices and cheque amounts take their format when the cell is left or the grid loses
    // the focus.
    void numberFormats_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("byFocus"); // leave the grid instead of the cell

        QTest::newRow("price left") << 5 << 9 << "12,5"
                                    << "12,50" << false;
        QTest::newRow("price, focus lost") << 5 << 9 << "7"
                                           << "7,00" << true;
        QTest::newRow("cheque amount left") << 13 << 6 << "1500"
                                            << "1.500,00" << false;
        QTest::newRow("cheque amount, focus lost") << 13 << 6 << "2500,5"
                                                   << "2.500,50" << true;
        QTest::newRow("cheque amount empty") << 13 << 6 << ""
                                             << "0,00" << true;
    }
    void numberFormats()
    {
        QFETCH(int, page);
        QFETCH(int, col);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, byFocus);
        EventsWindow env;
        kx::FMain &w = page == 5 ? documentWithThreeLines(env, 5) : env.start();
        if (page == 13) {
            w.ShowPage(kx::Page::Cheques);
            w.Grid1->setRows(3);
            w.Grid1->Cell(2, 6).setText("10");
        }
        w.Grid1->Cell(1, col).setText(typed);
        w.Grid1->setFocus(Qt::OtherFocusReason);
        w.Grid1->Cell(1, col).Select();
        if (byFocus)
            w.TBul->setFocus(Qt::OtherFocusReason);
        else
            QTest::keyClick(w.Grid1, Qt::Key_Left);
        QCOMPARE(w.Grid1->Cell(1, col).Text(), shown);
        if (page == 13 && byFocus)
            QCOMPARE(w.Grid1->Cell(2, 6).Text(), QStringLiteral("10,00"));
    }

    // A dragged width lands in the page's settings row; a hidden column or a bulk fill stores
    // nothing.
    void columnWidths_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("settingsRow");

        QTest::newRow("stock list") << 1 << 3 << 4;
        QTest::newRow("account list") << 2 << 18 << 5;
        QTest::newRow("delivery note") << 3 << 3 << 6;
        QTest::newRow("cheques") << 13 << 7 << 16;
    }
    void columnWidths()
    {
        QFETCH(int, page);
        QFETCH(int, col);
        QFETCH(int, settingsRow);
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(page);
        const int otherRow = settingsRow == 6 ? 7 : 6;
        const QString other = storedSetting(otherRow, col);

        w.Grid1->horizontalHeader()->resizeSection(col, 123);
        QCOMPARE(storedSetting(settingsRow, col), QStringLiteral("123"));
        QCOMPARE(kx::state().AyarRows.text(col + 1, settingsRow - 1), QStringLiteral("123"));
        // Another page's row keeps its own width.
        QCOMPARE(storedSetting(otherRow, col), other);

        w.Grid1->horizontalHeader()->hideSection(col);
        w.Grid1->setAutoRedraw(false);
        w.Grid1->horizontalHeader()->showSection(col);
        w.Grid1->horizontalHeader()->resizeSection(col, 40);
        w.Grid1->setAutoRedraw(true);
        QCOMPARE(storedSetting(settingsRow, col), QStringLiteral("123"));
    }

    // A drag by the mouse stores the width once, when the mouse lets go.
    void columnDragged()
    {
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::StockList);
        QHeaderView *header = w.Grid1->horizontalHeader();
        const QString before = storedSetting(4, 3);
        const int start = header->sectionViewportPosition(3) + header->sectionSize(3) - 1;
        const int y = header->height() / 2;
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(start, y));
        for (int step = 1; step <= 8; ++step)
            QTest::mouseMove(header->viewport(), QPoint(start + 5 * step, y));
        QCOMPARE(storedSetting(4, 3), before);
        const int dragged = w.Grid1->ColumnWidth(3);
        QCOMPARE(dragged, before.toInt() + 40);
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(start + 40, y));
        QCOMPARE(storedSetting(4, 3), QString::number(dragged));
    }

    // The cheque page's drop-downs: accounts for "Veren" and "Alan", the five states for
    // "Durum", each item once however often the list opens.
    void chequeDropDowns_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<bool>("withAccounts");
        QTest::addColumn<QStringList>("items");

        QTest::newRow("Veren") << 4 << true << QStringList { "ALICI (1)", "BAYI (2)" };
        QTest::newRow("Alan") << 5 << true << QStringList { "ALICI (1)", "BAYI (2)" };
        QTest::newRow("Alan without accounts") << 5 << false << QStringList {};
        QTest::newRow("Durum") << 7 << true
                               << QStringList { "Kasada", "Dışarıda", "Ciro Edildi",
                                                "Tahsil Edildi", "Ödendi" };
    }
    void chequeDropDowns()
    {
        QFETCH(int, col);
        QFETCH(bool, withAccounts);
        QFETCH(QStringList, items);
        EventsWindow env;
        if (withAccounts)
            addCards();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::Cheques);
        w.Grid1->setRows(2);
        w.Grid1->Cell(1, col).setCellType(kx::CellTypeComboBox);
        for (int opened = 0; opened < 2; ++opened) {
            w.Grid1->setFocus(Qt::OtherFocusReason);
            w.Grid1->Cell(1, col).Select();
            QTest::keyClick(w.Grid1, Qt::Key_F2);
            QCOMPARE(w.Grid1->ComboList().items(), items);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        }
    }

    // The list pages are read-only: typing into them changes no card in memory or on file,
    // and a double click opens the card editor on the card of that row.
    void listsAreReadOnly()
    {
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::StockList);
        w.Grid1->setFocus(Qt::OtherFocusReason);
        w.Grid1->Range(2, 0, 2, 18).RangeSelect();
        QTest::keyClicks(w.Grid1, "XYZ");
        QTest::keyClick(w.Grid1, Qt::Key_Return);
        QTest::keyClick(w.Grid1, Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), "Q");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(kx::state().StokRows.text(2, 1), QStringLiteral("BRAVO"));
        QCOMPARE(w.Grid1->Cell(2, 2).Text(), QStringLiteral("BRAVO"));

        env.closeNextModal();
        doubleClickCell(w.Grid1, 3, 2);
        QCOMPARE(kx::state().PopKind, 1);
        QCOMPARE(kx::state().PopMode, QStringLiteral("e"));
    }

    // Report rows: only data rows hand their document key to the saved-documents window,
    // which opens that document; a totals row, the carry-over row 1 and a row without a key
    // open nothing.
    void statementDrillDown_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("opens");

        QTest::newRow("document row") << 2 << true;
        QTest::newRow("carry-over row") << 1 << false;
        QTest::newRow("title row without a key") << 3 << false;
        QTest::newRow("totals row") << 4 << false;
    }
    void statementDrillDown()
    {
        QFETCH(int, row);
        QFETCH(bool, opens);
        EventsWindow env;
        const qint64 account = addAccount("1", "ALICI");
        const qint64 invoice = addDocument({ .bmod = 5, .cariid = account, .sirano = "12" });
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::AccountStatement);
        w.Grid1->setRows(5);
        const QString invoiceKey = QStringLiteral("5") + QString::number(invoice);
        const QStringList keys = { "", "39", invoiceKey, "", "77" };
        const QStringList texts = { "", "Devir", "Fatura", "Ocak", "Toplam" };
        const QList<kx::ReportRowKind> kinds
            = { kx::ReportRowKind::None, kx::ReportRowKind::Opening, kx::ReportRowKind::Data,
                kx::ReportRowKind::Data, kx::ReportRowKind::Total };
        for (int r = 1; r < 5; ++r) {
            w.Grid1->Cell(r, 0).setText(keys.at(r));
            w.Grid1->Cell(r, 2).setText(texts.at(r));
            w.Grid1->setRowTag(r, int(kinds.at(r)));
        }
        const QStringList opened
            = env.closeOpenedWindows([&] { doubleClickCell(w.Grid1, row, 2); });
        QCOMPARE(opened, opens ? QStringList { "FKayitli " + invoiceKey } : QStringList());
        QVERIFY(kx::state().PendingDocKey.isEmpty());
        QCOMPARE(kx::state().CurrentPage, opens ? 5 : 6);
    }

    // Debts and credits: a row opens that account's statement; the total row does nothing.
    void debtsDrillDown_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("account");

        QTest::newRow("second account") << 2 << 6 << 1;
        QTest::newRow("first account") << 1 << 6 << 0;
        QTest::newRow("total row") << 3 << 9 << -1;
    }
    void debtsDrillDown()
    {
        QFETCH(int, row);
        QFETCH(int, page);
        QFETCH(int, account);
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::DebtsAndCredits);
        w.Grid1->setRows(4);
        w.Grid1->Cell(1, 1).setText("ALICI (1)");
        w.Grid1->Cell(2, 1).setText("BAYI (2)");
        w.Grid1->Cell(3, 1).setText("Toplam");
        for (int r = 1; r < 3; ++r)
            w.Grid1->setRowTag(r, int(kx::ReportRowKind::Data));
        w.Grid1->setRowTag(3, int(kx::ReportRowKind::Total));
        doubleClickCell(w.Grid1, row, 1);
        QCOMPARE(kx::state().CurrentPage, page);
        QCOMPARE(combo(w.RX1, "XCCari")->ListIndex(), account);
    }

    // Cash report: a month row opens the month's days, a day row the day's detail.
    void cashDrillDown()
    {
        EventsWindow env;
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::CashReport);
        kx::ComboBox *months = combo(w.RX1, "XCKasaAy");
        QVERIFY(months->ListCount() > 0);
        const QString month = months->List(months->ListCount() - 1);
        kx::setFieldValue(w.RX1, "XOAylik", 1);
        w.Grid1->setRows(2);
        w.Grid1->Cell(1, 1).setText(month);
        w.Grid1->setRowTag(1, int(kx::ReportRowKind::Data));
        doubleClickCell(w.Grid1, 1, 1);
        QCOMPARE(kx::fieldValue(w.RX1, "XOGunluk"), 1);
        QCOMPARE(months->ListIndex(), months->ListCount() - 1);

        w.Grid1->setRows(1);
        w.Grid1->setRows(3);
        w.Grid1->Cell(1, 1).setText("05 Ağustos 2024");
        w.Grid1->Cell(2, 1).setText("05 Ocak 2024");
        for (int r = 1; r < 3; ++r)
            w.Grid1->setRowTag(r, int(kx::ReportRowKind::Data));
        doubleClickCell(w.Grid1, 2, 1);
        QCOMPARE(kx::fieldValue(w.RX1, "XOGunDetay"), 1);
        QCOMPARE(kx::fieldDateKey(w.RX1, "XDTar3"), 20240105);
        w.Grid1->setRows(2);
        w.Grid1->Cell(1, 1).setText("05 Ağustos 2024");
        w.Grid1->setRowTag(1, int(kx::ReportRowKind::Data));
        doubleClickCell(w.Grid1, 1, 1); // day detail: nothing more
        QCOMPARE(kx::fieldDateKey(w.RX1, "XDTar3"), 20240105);
    }

    // The discount cell of the totals: a typed amount recomputes and takes the money format;
    // other cells and bulk fills recompute nothing.
    void discountCell_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("grandTotal");

        QTest::newRow("typed amount") << 5 << "10"
                                      << "10,00"
                                      << "50,00";
        QTest::newRow("with decimals") << 5 << "2,5"
                                       << "2,50"
                                       << "57,50";
        QTest::newRow("empty discount") << 5 << ""
                                        << "0,00"
                                        << "60,00";
    }
    // Enter keeps what was typed and closes the cell's editor, on the lines and in the totals.
    void enterClosesTheEditor_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("totals");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("grandTotal"); // page 5 only
        QTest::newRow("note, quantity") << 3 << false << 2 << 6 << "";
        QTest::newRow("invoice, quantity") << 5 << false << 2 << 6 << "120,00";
        QTest::newRow("invoice, discount") << 5 << true << 2 << 3 << "50,00";
    }
    void enterClosesTheEditor()
    {
        QFETCH(int, page);
        QFETCH(bool, totals);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, grandTotal);
        EventsWindow env;
        kx::FMain &w = documentWithThreeLines(env, page);
        kx::Grid *grid = totals ? w.GridB3 : w.Grid1;
        typeIntoCell(grid, row, col, totals ? QStringLiteral("10") : QStringLiteral("4"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(grid));
        QTRY_VERIFY(grid->viewport()->findChildren<QLineEdit *>().isEmpty());
        QCOMPARE(grid->Cell(row, col).Text(), totals ? QStringLiteral("10") : QStringLiteral("4"));
        if (page == 5)
            QCOMPARE(w.GridB3->Cell(7, 3).Text(), grandTotal);
        // The next key goes to the grid again, not into a forgotten editor.
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->Cell(row, col).Text(), totals ? QStringLiteral("10") : QStringLiteral("4"));
    }

    // Escape in a line's quantity or price, or in the discount, puts back what the cell held
    // when its editor opened: the line and the totals, which followed the typing, read as
    // before.
    void escapeTakesTheTypingBack_data()
    {
        QTest::addColumn<bool>("totals");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("typedTotal"); // the grand total while the typing stands
        QTest::newRow("quantity") << false << 6 << "4"
                                  << "120,00";
        QTest::newRow("price") << false << 9 << "50"
                               << "90,00";
        QTest::newRow("discount") << true << 3 << "10"
                                  << "50,00";
    }
    void escapeTakesTheTypingBack()
    {
        QFETCH(bool, totals);
        QFETCH(int, col);
        QFETCH(QString, typed);
        QFETCH(QString, typedTotal);
        EventsWindow env;
        kx::FMain &w = documentWithThreeLines(env, 5);
        kx::Grid *grid = totals ? w.GridB3 : w.Grid1;
        const QString held = grid->Cell(2, col).Text();
        const QStringList line = rowTexts(w.Grid1, 2);
        const QStringList sums = columnTexts(w.GridB3, 3);
        QCOMPARE(sums.last(), QStringLiteral("60,00"));

        typeIntoCell(grid, 2, col, typed, Qt::Key_Escape);
        QTRY_VERIFY(grid->viewport()->findChildren<QLineEdit *>().isEmpty());
        QCOMPARE(grid->Cell(2, col).Text(), held);
        QCOMPARE(rowTexts(w.Grid1, 2), line);
        QCOMPARE(columnTexts(w.GridB3, 3), sums);

        // The same keys with Enter: the typing stands, and the totals with it.
        typeIntoCell(grid, 2, col, typed);
        QTRY_VERIFY(grid->viewport()->findChildren<QLineEdit *>().isEmpty());
        QCOMPARE(w.GridB3->Cell(7, 3).Text(), typedTotal);
    }

    void discountCell()
    {
        QFETCH(int, page);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, grandTotal);
        EventsWindow env;
        kx::FMain &w = documentWithThreeLines(env, page);
        kx::Grid *totals = w.GridB3;
        QCOMPARE(totals->Cell(7, 3).Text(), QStringLiteral("60,00"));

        typeIntoCell(totals, 2, 3, typed.isEmpty() ? QStringLiteral(" ") : typed);
        QCOMPARE(totals->Cell(7, 3).Text(), grandTotal);
        w.TBul->setFocus(Qt::OtherFocusReason);
        QCOMPARE(totals->Cell(2, 3).Text(), shown);
        QCOMPARE(totals->Cell(7, 3).Text(), grandTotal);

        // Changes outside the discount cell, or in a bulk fill, are not the user's discount.
        totals->Cell(1, 3).setText("999,00");
        QCOMPARE(totals->Cell(7, 3).Text(), grandTotal);
        totals->setAutoRedraw(false);
        totals->Cell(2, 3).setText("20,00");
        totals->setAutoRedraw(true);
        QCOMPARE(totals->Cell(7, 3).Text(), grandTotal);
    }

    // A click on the discount cell, then a key at once, types into the cell: the typed amount
    // stays, in the money format, and the totals follow it. The cell may be the grid's current
    // one already (the focus came back to it) or not yet (the focus comes from the panel).
    void discountCellByClick_data()
    {
        QTest::addColumn<bool>("current");
        QTest::newRow("cell not current") << false;
        QTest::newRow("cell already current") << true;
    }
    void discountCellByClick()
    {
        QFETCH(bool, current);
        EventsWindow env;
        kx::FMain &w = documentWithThreeLines(env, 5);
        kx::Grid *totals = w.GridB3;
        if (current) {
            // A first amount typed, and the cell left with Tab: it stays the grid's current.
            typeIntoCell(totals, 2, 3, "5");
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(totals));
            QTest::keyClick(totals, Qt::Key_Tab);
            QVERIFY(!totals->hasFocus());
            QCOMPARE(totals->Cell(2, 3).Text(), QStringLiteral("5,00"));
            QCOMPARE(totals->CurrentCell().Row(), 2);
            QCOMPARE(totals->CurrentCell().Col(), 3);
        } else {
            w.TBul->setFocus(Qt::OtherFocusReason);
        }
        clickCell(totals, 2, 3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!totals->hasFocus());
        QCOMPARE(totals->Cell(2, 3).Text(), QStringLiteral("1,00"));
        QCOMPARE(totals->Cell(3, 3).Text(), QStringLiteral("59,00"));
        QCOMPARE(totals->Cell(7, 3).Text(), QStringLiteral("59,00"));
        // Nothing opens on the cell behind the user's back.
        QTest::qWait(2 * QApplication::doubleClickInterval());
        QVERIFY(!totals->hasFocus());
        QVERIFY(totals->viewport()->findChildren<QLineEdit *>().isEmpty());
        QCOMPARE(totals->Cell(2, 3).Text(), QStringLiteral("1,00"));
    }
};

KX_TEST(TestGridEvents)

#include "tst_grid_events.moc"
