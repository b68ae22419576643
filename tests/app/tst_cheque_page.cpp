// The cheque page through the report panel's buttons, and the drill-down of the VAT and stock
// movement rows.
#include "app/main_window.h"
#include "core/conversions.h"
#include "core/panel_fields.h"
#include "core/state.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"
#include "platform/grid.h"
#include "reports/report.h"
#include "tests/app/events_window.h"
#include "tests/support/builders.h"
#include "tests/support/clicking.h"
#include "tests/support/kxtest.h"
#include "tests/support/typing.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace kxtest;
using kx::ReportRowKind;

namespace {

void press(kx::FMain &w, const char *button)
{
    auto *found = w.RX1->findChild<QPushButton *>(QString::fromLatin1(button));
    QVERIFY(found && found->isVisible());
    QTest::mouseClick(found, Qt::LeftButton);
}

// Cheque numbers of the rows 1 on; a hidden row's number in brackets, the totals row as "T".
QStringList chequeRows(kx::Grid *grid)
{
    QStringList rows;
    for (int r = 1; r < grid->Rows(); ++r) {
        if (kx::reportRowKind(grid, r) == ReportRowKind::Total)
            rows << QStringLiteral("T");
        else if (grid->RowHeight(r) == 0)
            rows << "[" + grid->Cell(r, 2).Text() + "]";
        else
            rows << grid->Cell(r, 2).Text();
    }
    return rows;
}

// The stored cheques as "cekno:vade:tutar:cdurum", by due date.
QStringList stored()
{
    kx::Recordset rs;
    rs.Open("select cekno, vade, tutar, cdurum from \"" + kx::state().TblCek
                + "\" order by vade, id",
            *kx::state().Conn);
    QStringList rows;
    for (; !rs.Eof(); rs.MoveNext())
        rows << QStringList { rs.Fields(0).toString(), rs.Fields(1).toString(),
                              rs.Fields(2).toString(), rs.Fields(3).toString() }
                    .join(u':');
    return rows;
}

void select(kx::FMain &w, int row, int col)
{
    w.Grid1->Cell(row, col).Select();
}

QString lastPopup()
{
    return kx::messageScript().lastPopupText();
}

int todayKey()
{
    return QDate::currentDate().toString("yyyyMMdd").toInt();
}

kx::FMain &chequePage(EventsWindow &env, const char *filter = "XOTumu8")
{
    kx::FMain &w = env.start();
    w.ShowPage(13);
    kx::setFieldValue(w.RX1, filter, 1);
    w.CMBar_Execute(161);
    return w;
}

// Opens the cell as the user does: "double-click", "click" (the first typed key opens it) or
// "F2" after a click.
void openCell(kx::Grid *grid, int row, int col, const QString &opened)
{
    if (opened == u"double-click") {
        doubleClickCell(grid, row, col);
        return;
    }
    clickCell(grid, row, col);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(grid));
    if (opened == u"F2")
        QTest::keyClick(grid, Qt::Key_F2);
}

// Types keys into whatever holds the focus: characters as typed, and {Name} for the keys
// below. afterKey runs after each named key, once what the key set going is done.
void typeKeys(const QString &keys, const std::function<void(QKeyCombination)> &afterKey = {})
{
    const QMap<QString, QKeyCombination> named {
        { "Enter", Qt::Key_Return },
        { "Tab", Qt::Key_Tab },
        { "Escape", Qt::Key_Escape },
        { "Backspace", Qt::Key_Backspace },
        { "Delete", Qt::Key_Delete },
        { "Down", Qt::Key_Down },
        { "Up", Qt::Key_Up },
        { "Alt+Down", Qt::ALT | Qt::Key_Down },
        { "Ctrl+A", Qt::CTRL | Qt::Key_A },
        { "Left", Qt::Key_Left },
    };
    for (qsizetype i = 0; i < keys.size(); ++i) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        if (keys.at(i) != u'{') {
            typeText(target, keys.at(i));
            continue;
        }
        const qsizetype end = keys.indexOf(u'}', i);
        const QString name = keys.mid(i + 1, end - i - 1);
        QVERIFY2(named.contains(name), qPrintable(name));
        const QKeyCombination key = named.value(name);
        i = end;
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        QCoreApplication::processEvents();
        if (afterKey)
            afterKey(key);
    }
}

// The one stored cheque's column.
QString storedColumn(const char *column)
{
    kx::Recordset rs;
    rs.Open(QStringLiteral("select %1 from \"%2\"").arg(QLatin1String(column), kx::state().TblCek),
            *kx::state().Conn);
    return rs.Eof() ? QStringLiteral("missing") : rs.Fields(0).toString();
}

} // namespace

class TestChequePage : public QObject
{
    Q_OBJECT

private slots:
    // "Yeni" puts a cheque with today's date, 0,00 and "Kasada" on top, above the older ones,
    // with the cheque number chosen for typing in the grid; only giver, taker and status drop
    // down.
    void newChequeGoesOnTop_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("empty list") << 0;
        QTest::newRow("three cheques") << 3;
    }
    void newChequeGoesOnTop()
    {
        QFETCH(int, count);
        EventsWindow env;
        for (int i = count; i >= 1; --i)
            addCheque(20250300 + i, QStringLiteral("C%1").arg(i), "1,00");
        kx::FMain &w = chequePage(env);
        press(w, "BYeni");

        QStringList expected { "" };
        for (int i = 1; i <= count; ++i)
            expected << QStringLiteral("C%1").arg(i);
        if (count > 0)
            expected << "T";
        QCOMPARE(chequeRows(w.Grid1), expected);
        QCOMPARE(w.Grid1->Cell(1, 1).Text(), QDate::currentDate().toString("dd.MM.yyyy"));
        QCOMPARE(w.Grid1->Cell(1, 6).Text(), QStringLiteral("0,00"));
        QCOMPARE(w.Grid1->Cell(1, 7).Text(), QStringLiteral("Kasada"));
        for (int c = 1; c < 8; ++c)
            QCOMPARE(w.Grid1->Cell(1, c).CellType() == kx::CellTypeComboBox,
                     c == 4 || c == 5 || c == 7);
        QCOMPARE(kx::reportRowKind(w.Grid1, 1), ReportRowKind::Data);
        QCOMPARE(w.Grid1->CurrentCell().Row(), 1);
        QCOMPARE(w.Grid1->CurrentCell().Col(), 2);
        // Typing goes into the grid, not to the button just pressed (a blank would press it).
        QVERIFY(w.Grid1->hasFocus());
        QVERIFY(stored().size() == count);
    }

    // Saved under " Kasadakiler ", the hidden cheques of other statuses stay stored beside the
    // new one; the totals row is never stored; the page then shows what was stored.
    void saveUnderAFilterKeepsHiddenCheques()
    {
        EventsWindow env;
        addCheque(20250310, "C1", "1.000,00", "Kasada");
        addCheque(20250301, "C2", "500,00", "Ciro Edildi");
        addCheque(20250320, "C3", "10,00", "Ödendi");
        kx::FMain &w = chequePage(env, "XOKasada");
        QCOMPARE(chequeRows(w.Grid1), QStringList({ "[C2]", "C1", "[C3]", "T" }));

        press(w, "BYeni");
        w.Grid1->Cell(1, 2).setText("YENI");
        w.Grid1->Cell(1, 6).setText("250,00");
        press(w, "BKaydet");
        const QString today = QString::number(todayKey());
        QStringList expected { "C2:20250301:500,00:Ciro Edildi", "C1:20250310:1.000,00:Kasada",
                               "C3:20250320:10,00:Ödendi", "YENI:" + today + ":250,00:Kasada" };
        std::stable_sort(expected.begin(), expected.end(), [](const QString &a, const QString &b) {
            return a.section(u':', 1, 1) < b.section(u':', 1, 1);
        });
        QCOMPARE(stored(), expected);
        QCOMPARE(chequeRows(w.Grid1).size(), 5);
        QCOMPARE(chequeRows(w.Grid1).last(), QStringLiteral("T"));
        QVERIFY(chequeRows(w.Grid1).contains("YENI"));

        // Saved again as it stands: the same four cheques, no totals row among them.
        press(w, "BKaydet");
        QCOMPARE(stored(), expected);
    }

    // Every cheque removed with "Sil" and saved: the table is empty; only the totals row, which
    // is no cheque, was left in the grid.
    void saveOfAnEmptyListEmptiesTheTable()
    {
        EventsWindow env;
        addCheque(20250310, "C1", "1,00");
        addCheque(20250311, "C2", "2,00");
        kx::FMain &w = chequePage(env);
        for (int i = 0; i < 2; ++i) {
            select(w, 1, 2);
            press(w, "BSil");
        }
        QCOMPARE(chequeRows(w.Grid1), QStringList({ "T" }));
        press(w, "BKaydet");
        QCOMPARE(stored(), QStringList());
        QCOMPARE(w.Grid1->Rows(), 1);
    }

    // Before the list is shown the grid holds no stored cheque: a save there keeps the stored
    // ones, adds what was typed, and then shows them all.
    void saveBeforeTheListIsShownKeepsStoredCheques_data()
    {
        QTest::addColumn<bool>("newCheque");
        QTest::newRow("nothing typed") << false;
        QTest::newRow("a new cheque") << true;
    }
    void saveBeforeTheListIsShownKeepsStoredCheques()
    {
        QFETCH(bool, newCheque);
        EventsWindow env;
        addCheque(20250310, "C1", "1,00");
        addCheque(20250311, "C2", "2,00", "Ödendi");
        kx::FMain &w = env.start();
        w.ShowPage(13);
        QCOMPARE(w.Grid1->Rows(), 1);
        QStringList expected { "C1:20250310:1,00:Kasada", "C2:20250311:2,00:Ödendi" };
        if (newCheque) {
            press(w, "BYeni");
            w.Grid1->Cell(1, 1).setText("01.01.2030");
            w.Grid1->Cell(1, 2).setText("YENI");
            expected << "YENI:20300101:0,00:Kasada";
        }
        press(w, "BKaydet");
        QCOMPARE(stored(), expected);
        QCOMPARE(chequeRows(w.Grid1).size(), expected.size() + 1);

        // Shown now: the grid is the list, and a save replaces the table with it.
        select(w, 1, 2);
        press(w, "BSil");
        press(w, "BKaydet");
        QCOMPARE(stored(), expected.mid(1));
    }

    // "Sil" needs a chosen cheque: on the totals row it says so and removes nothing. A removal
    // lives in the grid only; the report run again brings the cheque back.
    void deleteNeedsAChosenCheque()
    {
        EventsWindow env;
        addCheque(20250310, "C1", "1,00");
        addCheque(20250311, "C2", "2,00");
        kx::FMain &w = chequePage(env);
        QCOMPARE(w.Grid1->CurrentCell().Row(), 3); // the report ends on its totals row
        kx::messageScript().shown.clear();
        press(w, "BSil");
        QCOMPARE(lastPopup(), QStringLiteral("Önce silmek istediğiniz çeki seçiniz!"));
        QCOMPARE(chequeRows(w.Grid1), QStringList({ "C1", "C2", "T" }));

        select(w, 2, 3);
        press(w, "BSil");
        QCOMPARE(chequeRows(w.Grid1), QStringList({ "C1", "T" }));
        w.CMBar_Execute(161);
        QCOMPARE(chequeRows(w.Grid1), QStringList({ "C1", "C2", "T" }));
        QCOMPARE(stored().size(), 2);
    }

    // Leaving the grid writes every cheque's amount as money; the totals row keeps its one
    // text, with nothing under its joined cell.
    void amountsFormattedWhenTheGridIsLeft()
    {
        EventsWindow env;
        addCheque(20250310, "C1", "1,00");
        kx::FMain &w = chequePage(env, "XOKasada");
        addCheque(20250311, "C2", "2,00", "Ödendi");
        w.CMBar_Execute(161);
        w.Grid1->Cell(1, 6).setText("1500");
        w.Grid1->Cell(2, 6).setText("2,5");
        w.Grid1_LostFocus();
        QCOMPARE(w.Grid1->Cell(1, 6).Text(), QStringLiteral("1.500,00"));
        QCOMPARE(w.Grid1->Cell(2, 6).Text(), QStringLiteral("2,50"));
        QCOMPARE(w.Grid1->Cell(3, 6).Text(), QString());
        QCOMPARE(w.Grid1->Cell(3, 1).Text(),
                 QStringLiteral("Görüntülenen Çekler Toplam Tutarı : 1,00"));
    }

    // A due date that is no date: the save says which row, stores nothing and keeps the rows
    // as typed, so that they can be mended.
    void refusedSaveKeepsTheRows()
    {
        EventsWindow env;
        addCheque(20250310, "C1", "1,00");
        kx::FMain &w = chequePage(env);
        press(w, "BYeni");
        w.Grid1->Cell(1, 1).setText("30.02.2025");
        w.Grid1->Cell(1, 2).setText("YENI");
        w.Grid1->Cell(1, 3).setText("HALK");
        kx::messageScript().shown.clear();
        press(w, "BKaydet");
        QCOMPARE(lastPopup(),
                 QStringLiteral("1. satırdaki çekin (Çek No: YENI, Banka: HALK) vade tarihi "
                                "geçerli bir tarih değil!"));
        QCOMPARE(stored(), QStringList({ "C1:20250310:1,00:Kasada" }));
        QCOMPARE(chequeRows(w.Grid1), QStringList({ "YENI", "C1", "T" }));
    }

    // A stored cheque whose due date the grid cannot show as a date blocks no save, shown or
    // hidden under a status filter: it keeps its stored value and type, the new cheque is
    // saved beside it.
    void unreadableDueDateBlocksNoSave_data()
    {
        QTest::addColumn<QVariant>("vade");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("kept");
        for (const UnreadableDueDate &c : unreadableDueDates()) {
            QTest::addRow("%s, Tümü", c.name) << c.vade << "XOTumu8" << c.stored;
            QTest::addRow("%s hidden, Kasadakiler", c.name) << c.vade << "XOKasada" << c.stored;
        }
    }
    void unreadableDueDateBlocksNoSave()
    {
        QFETCH(QVariant, vade);
        QFETCH(QString, filter);
        QFETCH(QString, kept);
        EventsWindow env;
        addCheque(vade, "ODD", "5,00", "Ödendi");
        addCheque(20300310, "C1", "1,00");
        kx::FMain &w = chequePage(env, filter.toLatin1().constData());
        QCOMPARE(chequeRows(w.Grid1),
                 filter == "XOKasada" ? QStringList({ "[ODD]", "C1", "T" })
                                      : QStringList({ "ODD", "C1", "T" }));
        press(w, "BYeni");
        w.Grid1->Cell(1, 2).setText("YENI");
        kx::messageScript().shown.clear();
        press(w, "BKaydet");
        QVERIFY(kx::messageScript().shown.isEmpty());
        QCOMPARE(storedChequeVade("ODD"), kept);
        QCOMPARE(storedChequeVade("C1"), QStringLiteral("integer:20300310"));
        QCOMPARE(storedChequeVade("YENI"), "integer:" + QString::number(todayKey()));
        // The page shows what was stored, and saves it again as it stands.
        press(w, "BKaydet");
        QVERIFY(kx::messageScript().shown.isEmpty());
        QCOMPARE(storedChequeVade("ODD"), kept);
        QCOMPARE(stored().size(), 3);
    }

    // The date editor shows today's date on a due date that is no date; closed unchanged it
    // writes nothing, so the stored value stays. A date typed in it is written.
    void dateEditorOnAnUnreadableDueDate_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("closeKey");
        QTest::newRow("closed with Enter") << QString() << int(Qt::Key_Return);
        QTest::newRow("closed with Tab") << QString() << int(Qt::Key_Tab);
        QTest::newRow("date typed") << "15.06.2030" << int(Qt::Key_Return);
    }
    void dateEditorOnAnUnreadableDueDate()
    {
        QFETCH(QString, typed);
        QFETCH(int, closeKey);
        EventsWindow env;
        addCheque(0, "ODD", "5,00");
        kx::FMain &w = chequePage(env);
        const QString shown = w.Grid1->Cell(1, 1).Text();
        select(w, 1, 1);
        w.Grid1->setFocus();
        QSignalSpy changes(w.Grid1, &kx::Grid::CellChange);
        QTest::keyClick(w.Grid1, Qt::Key_F2);
        auto *date = w.Grid1->findChild<QDateEdit *>();
        QVERIFY(date);
        QCOMPARE(date->date(), QDate::currentDate());
        if (!typed.isEmpty()) {
            date->setSelectedSection(QDateTimeEdit::DaySection);
            QTest::keyClicks(date, typed);
        }
        QTest::keyClick(date, Qt::Key(closeKey));
        QTRY_VERIFY(!w.Grid1->findChild<QDateEdit *>());
        QCOMPARE(w.Grid1->Cell(1, 1).Text(), typed.isEmpty() ? shown : typed);
        QCOMPARE(changes.count(), typed.isEmpty() ? 0 : 1);
        kx::messageScript().shown.clear();
        press(w, "BKaydet");
        QVERIFY(kx::messageScript().shown.isEmpty());
        QCOMPARE(storedChequeVade("ODD"),
                 typed.isEmpty() ? QStringLiteral("integer:0")
                                 : QStringLiteral("integer:20300615"));
    }

    // A click into any part of the open date editor, then a whole date typed: Enter writes
    // that date, and the save stores it. A year alone changes the year.
    void dueDateTypedAfterAClick_data()
    {
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter"); // else the editor is left by the click on "Kaydet"
        QTest::addColumn<QString>("shown");
        QTest::newRow("day") << 1 << "15.01.2027" << true << "15.01.2027";
        QTest::newRow("month") << 4 << "15.01.2027" << true << "15.01.2027";
        QTest::newRow("year") << 8 << "15.01.2027" << true << "15.01.2027";
        QTest::newRow("year alone") << 8 << "2027" << true << "10.12.2027";
        QTest::newRow("two-digit year") << 8 << "15.01.27" << true << "15.01.2027";
        QTest::newRow("two-digit year, left by a click")
            << 8 << "15.01.27" << false << "15.01.2027";
    }
    void dueDateTypedAfterAClick()
    {
        QFETCH(int, cursor);
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(QString, shown);
        EventsWindow env;
        addCheque(20261210, "C1", "5,00");
        kx::FMain &w = chequePage(env);
        QCOMPARE(w.Grid1->Cell(1, 1).Text(), QStringLiteral("10.12.2026"));
        select(w, 1, 1);
        w.Grid1->setFocus();
        QTest::keyClick(w.Grid1, Qt::Key_F2);
        auto *date = w.Grid1->findChild<QDateEdit *>();
        QVERIFY(date);
        clickAtCursor(innerEdit(date), cursor);
        QTest::keyClicks(date, typed);
        kx::messageScript().shown.clear();
        if (enter) {
            QTest::keyClick(date, Qt::Key_Return);
            QTRY_VERIFY(!w.Grid1->findChild<QDateEdit *>());
            QCOMPARE(w.Grid1->Cell(1, 1).Text(), shown);
        }
        press(w, "BKaydet");
        QVERIFY(kx::messageScript().shown.isEmpty());
        QTRY_VERIFY(!w.Grid1->findChild<QDateEdit *>());
        QCOMPARE(w.Grid1->Cell(1, 1).Text(), shown);
        QCOMPARE(stored(),
                 QStringList { "C1:" + QString::number(kx::DateKey(shown)) + ":5,00:Kasada" });
    }

    // A list cell's editor opens on the cell's own item, by a double-click as by F2: Down and
    // Enter take the item after it (the last one stays), Up and Enter the one before it (the
    // first one stays), Enter alone keeps it.
    void listCellOpensOnItsItem_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("byDoubleClick");
        QTest::addColumn<int>("key"); // pressed before Enter; 0 for none
        QTest::addColumn<QString>("taken");

        struct ListCell
        {
            int col;
            QStringList items;
            int item;
        };
        QList<ListCell> cells;
        const QStringList states
            = { "Kasada", "Dışarıda", "Ciro Edildi", "Tahsil Edildi", "Ödendi" };
        for (int i = 0; i < states.size(); ++i)
            cells << ListCell { 7, states, i };
        cells << ListCell { 4, { "ALICI (1)", "BAYI (2)", "CARI (3)" }, 1 };
        for (const ListCell &cell : cells) {
            const QString shown = cell.items.at(cell.item);
            const int last = int(cell.items.size()) - 1;
            for (bool byDoubleClick : { true, false }) {
                const char *opened = byDoubleClick ? "double-click" : "F2";
                QTest::addRow("%s, %s, Down", qPrintable(shown), opened)
                    << cell.col << shown << byDoubleClick << int(Qt::Key_Down)
                    << cell.items.at(std::min(cell.item + 1, last));
                QTest::addRow("%s, %s, Up", qPrintable(shown), opened)
                    << cell.col << shown << byDoubleClick << int(Qt::Key_Up)
                    << cell.items.at(std::max(cell.item - 1, 0));
                QTest::addRow("%s, %s, Enter", qPrintable(shown), opened)
                    << cell.col << shown << byDoubleClick << 0 << shown;
            }
        }
    }
    void listCellOpensOnItsItem()
    {
        QFETCH(int, col);
        QFETCH(QString, shown);
        QFETCH(bool, byDoubleClick);
        QFETCH(int, key);
        QFETCH(QString, taken);
        EventsWindow env;
        addAccount("1", "ALICI");
        addAccount("2", "BAYI");
        addAccount("3", "CARI");
        addCheque(20300310, "C1", "1,00", col == 7 ? shown : QStringLiteral("Kasada"));
        if (col == 4)
            kx::state().Conn->Execute("update \"" + kx::state().TblCek + "\" set veren = ?",
                                      { shown });
        kx::FMain &w = chequePage(env);
        QCOMPARE(w.Grid1->Cell(1, col).Text(), shown);
        if (byDoubleClick) {
            doubleClickCell(w.Grid1, 1, col);
        } else {
            select(w, 1, col);
            w.Grid1->setFocus();
            QTest::keyClick(w.Grid1, Qt::Key_F2);
        }
        QTRY_VERIFY(w.Grid1->findChild<QComboBox *>());
        if (key != 0)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!w.Grid1->findChild<QComboBox *>());
        QCOMPARE(w.Grid1->Cell(1, col).Text(), taken);
    }

    // Typing into a list cell replaces its text and completes to the first item that starts
    // with the letters, compared as the forms compare them (case and Turkish letters folded);
    // Enter takes the item in its own spelling. The item that the text names is current, so
    // the arrow keys and the open list move from it; a text that is no item has none current.
    // "Durum" takes only one of the five states, however the editor closes; "Veren" and
    // "Alan" keep any name. Keys: letters, then {Key} names.
    void typingIntoAListCellPicks_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("holds");
        QTest::addColumn<QString>("opened"); // "double-click", "click" (then a key) or "F2"
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("stored");
        const int veren = 4, alan = 5, durum = 7;
        const auto row = [](const char *name, int col, const char *holds, const char *opened,
                            const char *keys, const char *stored) {
            QTest::newRow(name) << col << QString::fromUtf8(holds) << QString::fromUtf8(opened)
                                << QString::fromUtf8(keys) << QString::fromUtf8(stored);
        };
        row("state completed from two letters", durum, "Kasada", "double-click", "ta{Enter}",
            "Tahsil Edildi");
        row("keys typed on the selected cell", durum, "Ciro Edildi", "click", "Ka{Enter}",
            "Kasada");
        row("a state typed without its letters' case, F2", durum, "Ciro Edildi", "F2", "öD{Enter}",
            "Ödendi");
        row("no state, Enter", durum, "Ciro Edildi", "double-click", "xq{Enter}", "Ciro Edildi");
        row("no state, Tab", durum, "Ciro Edildi", "double-click", "xq{Tab}", "Ciro Edildi");
        row("no state, left by the click on Kaydet", durum, "Ciro Edildi", "double-click", "xq",
            "Ciro Edildi");
        row("completion taken back, no state", durum, "Ciro Edildi", "double-click",
            "ka{Backspace}{Enter}", "Ciro Edildi");
        // Typed capitals find the Turkish letters: I stands for the dotless ı as well.
        row("state for DI", durum, "Kasada", "F2", "DI{Enter}", "Dışarıda");
        row("state for DIŞ, Caps Lock on a Turkish keyboard", durum, "Kasada", "double-click",
            "DIŞ{Enter}", "Dışarıda");
        row("state for dış", durum, "Kasada", "double-click", "dış{Enter}", "Dışarıda");
        row("state for dis", durum, "Kasada", "double-click", "dis{Enter}", "Dışarıda");
        row("state for CİRO", durum, "Kasada", "double-click", "CİRO{Enter}", "Ciro Edildi");
        row("state for CIRO", durum, "Kasada", "double-click", "CIRO{Enter}", "Ciro Edildi");
        row("account for ça", veren, "", "double-click", "ça{Enter}", "CAGLAR INSAAT (4)");
        row("account for ışık", alan, "", "double-click", "ışık{Enter}", "ISIK GIDA (5)");
        row("old spelling, Enter", durum, "KASADA", "double-click", "{Enter}", "Kasada");
        row("state typed in other case, Tab", durum, "Ödendi", "F2", "kasada{Tab}", "Kasada");
        row("Escape after typed letters", durum, "Ciro Edildi", "double-click", "ta{Escape}",
            "Ciro Edildi");
        row("account completed from two letters", veren, "GAMA AS (3)", "double-click", "al{Enter}",
            "ALFA TICARET (1)");
        // The arrow keys and the open list move from the completed item, not from the cell's.
        row("completed, then Down", veren, "GAMA AS (3)", "double-click", "al{Down}{Enter}",
            "BETA LTD (2)");
        row("empty, completed, then Down", veren, "", "double-click", "be{Down}{Enter}",
            "CAGLAR INSAAT (4)");
        row("no item, completed, then Down", veren, "BETA LTD", "double-click", "ga{Down}{Enter}",
            "ISIK GIDA (5)");
        row("first state completed, then Up", durum, "Ciro Edildi", "double-click", "ka{Up}{Enter}",
            "Kasada");
        row("completed, then the open list", veren, "GAMA AS (3)", "double-click",
            "al{Alt+Down}{Enter}", "ALFA TICARET (1)");
        row("completed to a later item, then the open list", veren, "GAMA AS (3)", "double-click",
            "ca{Alt+Down}{Enter}", "CAGLAR INSAAT (4)");
        row("an item typed over to no item, the open list", veren, "GAMA AS (3)", "double-click",
            "xq{Alt+Down}{Escape}{Enter}", "xq");
        row("empty, Down", alan, "", "double-click", "{Down}{Enter}", "ALFA TICARET (1)");
        row("no item, Up", veren, "BETA LTD", "double-click", "{Up}{Enter}", "BETA LTD");
        row("no item, the open list", veren, "BETA LTD", "double-click",
            "{Alt+Down}{Escape}{Enter}", "BETA LTD");
        row("completion taken back by Backspace", veren, "GAMA AS (3)", "double-click",
            "AL{Backspace}{Enter}", "AL");
        row("completion taken back by Delete", alan, "GAMA AS (3)", "F2", "BE{Delete}{Tab}", "BE");
        row("a name that is no account", alan, "BETA LTD (2)", "click", "ZETA{Enter}", "ZETA");
    }
    void typingIntoAListCellPicks()
    {
        QFETCH(int, col);
        QFETCH(QString, holds);
        QFETCH(QString, opened);
        QFETCH(QString, keys);
        QFETCH(QString, stored);
        EventsWindow env;
        addAccount("1", "ALFA TICARET");
        addAccount("2", "BETA LTD");
        addAccount("3", "GAMA AS");
        addAccount("4", "CAGLAR INSAAT");
        addAccount("5", "ISIK GIDA");
        addCheque(20300310, "C1", "1,00", col == 7 ? holds : QStringLiteral("Kasada"));
        if (col != 7) {
            const char *column = col == 4 ? "veren" : "alan";
            kx::state().Conn->Execute(
                "update \"" + kx::state().TblCek + "\" set " + column + " = ?", { holds });
        }
        kx::FMain &w = chequePage(env);
        QCOMPARE(w.Grid1->Cell(1, col).Text(), holds);

        openCell(w.Grid1, 1, col, opened);
        if (opened != u"click")
            QTRY_VERIFY(w.Grid1->findChild<QComboBox *>());
        typeKeys(keys, [&](QKeyCombination key) {
            if (key != (Qt::ALT | Qt::Key_Down))
                return;
            // The open list marks the item that the text names; none for a text that is no
            // item.
            auto *combo = qobject_cast<kx::ComboBox *>(w.Grid1->findChild<QComboBox *>());
            QVERIFY(combo);
            QTRY_VERIFY(combo->view()->isVisible());
            QCOMPARE(combo->view()->currentIndex().row(), combo->entryNamed(combo->Text()));
        });
        press(w, "BKaydet");
        QTRY_VERIFY(!w.Grid1->findChild<QComboBox *>());
        QCOMPARE(storedColumn(col == 4 ? "veren" : col == 5 ? "alan" : "cdurum"), stored);
    }

    // Escape in a text cell puts back the text that the cell held when its editor opened (the
    // text before the key that opened it), although the cell took every key as it was typed;
    // Enter keeps what was typed.
    void escapeInATextCellPutsItsTextBack_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("stored");
        const int number = 2, bank = 3, amount = 6;
        QTest::newRow("Çek No, all typed over") << number << "double-click"
                                                << "{Ctrl+A}YYY{Escape}"
                                                << "C-1";
        QTest::newRow("Banka / Şube, typed on") << bank << "double-click"
                                                << "XX{Escape}"
                                                << "HALK";
        QTest::newRow("Tutar, opened by the typed key") << amount << "click"
                                                        << "999{Escape}"
                                                        << "100,00";
        QTest::newRow("Tutar, F2") << amount << "F2"
                                   << "5{Backspace}{Escape}"
                                   << "100,00";
        QTest::newRow("Çek No, Enter keeps it") << number << "double-click"
                                                << "{Ctrl+A}YYY{Enter}"
                                                << "YYY";
    }
    void escapeInATextCellPutsItsTextBack()
    {
        QFETCH(int, col);
        QFETCH(QString, opened);
        QFETCH(QString, keys);
        QFETCH(QString, stored);
        EventsWindow env;
        addCheque(20300310, "C-1", "100,00");
        kx::state().Conn->Execute("update \"" + kx::state().TblCek + "\" set banka = ?",
                                  { QStringLiteral("HALK") });
        kx::FMain &w = chequePage(env);
        const QString held = w.Grid1->Cell(1, col).Text();
        openCell(w.Grid1, 1, col, opened);
        typeKeys(keys);
        QTRY_VERIFY(w.Grid1->viewport()->findChildren<QLineEdit *>().isEmpty());
        if (keys.endsWith(u"{Escape}"))
            QCOMPARE(w.Grid1->Cell(1, col).Text(), held);
        press(w, "BKaydet");
        QCOMPARE(storedColumn(col == 2 ? "cekno" : col == 3 ? "banka" : "tutar"), stored);
    }

    // The due date's editor takes a date that is typed or picked, also the very date it
    // opened on (today's, in place of a stored date that is no date). Left with no key and no
    // pick, the cell keeps its text, also one that is no date.
    void dueDateTypedOrPicked_data()
    {
        QTest::addColumn<int>("vade");
        // "{Calendar}" opens the calendar and picks the day it shows with Enter; no keys: the
        // editor is left by the click on "Kaydet".
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored"); // -1 for today
        const QString today = QDate::currentDate().toString("dd.MM.yyyy");
        QTest::newRow("31.02.2027, today typed") << 20270231 << today + "{Enter}"
                                                 << "31.02.2027" << -1;
        QTest::newRow("31.02.2027, today picked") << 20270231 << "{Calendar}{Enter}"
                                                  << "31.02.2027" << -1;
        QTest::newRow("31.02.2027, stepped there and back") << 20270231 << "{Up}{Down}{Enter}"
                                                            << "31.02.2027" << -1;
        QTest::newRow("31.02.2027, Enter") << 20270231 << "{Enter}"
                                           << "31.02.2027" << 20270231;
        // A stored 0 reads as the text "0..0".
        QTest::newRow("0, Enter") << 0 << "{Enter}"
                                  << "0..0" << 0;
        QTest::newRow("0, Tab") << 0 << "{Tab}"
                                << "0..0" << 0;
        QTest::newRow("0, Escape") << 0 << "{Escape}"
                                   << "0..0" << 0;
        QTest::newRow("0, a click away") << 0 << ""
                                         << "0..0" << 0;
        QTest::newRow("0, the caret moved only") << 0 << "{Left}{Enter}"
                                                 << "0..0" << 0;
    }
    void dueDateTypedOrPicked()
    {
        QFETCH(int, vade);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        EventsWindow env;
        addCheque(vade, "C1", "5,00");
        kx::FMain &w = chequePage(env);
        QCOMPARE(w.Grid1->Cell(1, 1).Text(), shown);
        doubleClickCell(w.Grid1, 1, 1);
        QTRY_VERIFY(w.Grid1->findChild<kx::DateField *>());
        auto *date = w.Grid1->findChild<kx::DateField *>();
        QCOMPARE(date->date(), QDate::currentDate());
        QString rest = keys;
        if (rest.startsWith(u"{Calendar}")) {
            rest.remove(0, int(qstrlen("{Calendar}")));
            // The arrow at the field's right end opens the calendar.
            QTest::mouseClick(date, Qt::LeftButton, {},
                              QPoint(date->width() - 4, date->height() / 2));
            QCalendarWidget *calendar = date->calendarWidget();
            QTRY_VERIFY(calendar->isVisible());
            QCOMPARE(calendar->selectedDate(), QDate::currentDate());
            QTest::keyClick(calendar->focusProxy() ? calendar->focusProxy() : calendar,
                            Qt::Key_Return);
            QTRY_VERIFY(!calendar->isVisible());
        }
        typeKeys(rest);
        kx::messageScript().shown.clear();
        press(w, "BKaydet");
        QVERIFY(kx::messageScript().shown.isEmpty());
        QTRY_VERIFY(!w.Grid1->findChild<kx::DateField *>());
        QCOMPARE(storedChequeVade("C1"),
                 "integer:" + QString::number(stored < 0 ? todayKey() : stored));
    }

    // On the VAT and stock movement pages the first row is a document too: a double-click on
    // it hands its key to the saved-documents window; the footer rows lead nowhere.
    void firstRowDrillsDown_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("VAT report") << 10;
        QTest::newRow("stock movements") << 11;
    }
    void firstRowDrillsDown()
    {
        QFETCH(int, page);
        EventsWindow env;
        const qint64 stock = addStock("V1", "VIDA");
        Header h;
        h.bmod = 5;
        h.yekun = "10,00";
        const qint64 invoice = addDocument(h);
        Line l;
        l.stokid = stock;
        addLine(invoice, l);
        kx::FMain &w = env.start();
        w.ShowPage(page);
        if (page == 11)
            qobject_cast<kx::ComboBox *>(kx::panelField(w.RX1, "XCStok"))->setListIndex(0);
        w.CMBar_Execute(161);
        QCOMPARE(kx::reportRowKind(w.Grid1, 1), ReportRowKind::Data);

        kx::state().PendingDocKey = QStringLiteral("untouched");
        QVERIFY(env.closeOpenedWindows([&] { doubleClickCell(w.Grid1, w.Grid1->Rows() - 1, 1); })
                    .isEmpty());
        QCOMPARE(kx::state().PendingDocKey, QStringLiteral("untouched"));
        // The invoice has no account card, so the window opens it for none and says so.
        QCOMPARE(env.closeOpenedWindows([&] { doubleClickCell(w.Grid1, 1, 1); }),
                 QStringList { "FKayitli " });
        QVERIFY(kx::state().PendingDocKey.isEmpty());
        QCOMPARE(kx::messageScript().lastPopupText(),
                 QStringLiteral("Belgenin cari kartı bulunamadı! Listeyi yenileyip tekrar "
                                "deneyiniz."));
    }
};

KX_TEST(TestChequePage)

#include "tst_cheque_page.moc"
