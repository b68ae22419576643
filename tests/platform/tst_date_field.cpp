// The date field as a user types into it: after a click inside the date, or after Tab.
#include "platform/date_field.h"
#include "tests/support/clicking.h"
#include "tests/support/kxtest.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

// A field that holds 10.12.2026 below a line edit that the focus can move to.
struct DateForm
{
    QWidget form;
    QLineEdit before { &form };
    kx::DateField field { &form };

    DateForm()
    {
        field.move(0, 40);
        field.setRValue(20261210);
    }
    bool shown()
    {
        form.show();
        form.activateWindow();
        return QTest::qWaitForWindowActive(&form);
    }
};

// A right click in the middle of the field's text, then the entry of the menu it opens whose
// text is text (without its shortcut marks); false when the menu has none.
bool chooseFromContextMenu(QLineEdit *edit, const QString &text)
{
    bool chosen = false;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions()) {
            if (action->text().remove(u'&').section(u'\t', 0, 0) == text && action->isEnabled()) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                chosen = true;
                break;
            }
        }
        if (!chosen)
            menu->close();
    });
    // The press, then the menu event that the window system makes of it.
    const QPoint at = edit->rect().center();
    QTest::mousePress(edit, Qt::RightButton, {}, at);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, edit->mapToGlobal(at));
    QApplication::sendEvent(edit, &menuEvent);
    QTest::mouseRelease(edit, Qt::RightButton, {}, at);
    return chosen;
}

} // namespace

class TestDateField : public QObject
{
    Q_OBJECT
private slots:
    void typing_data()
    {
        // -1: the field was entered with Tab; -2: the whole date is selected
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("click in the day") << 1 << "05"
                                          << "05.12.2026";
        QTest::newRow("click before the day") << 0 << "05"
                                              << "05.12.2026";
        QTest::newRow("click in the month") << 4 << "03"
                                            << "10.03.2026";
        QTest::newRow("click in the year") << 8 << "2025"
                                           << "10.12.2025";
        QTest::newRow("whole date from the start") << 0 << "05.11.2025"
                                                   << "05.11.2025";
        QTest::newRow("one-digit day ended by a dot") << 0 << "7.3"
                                                      << "07.03.2026";
        QTest::newRow("dots after one-digit parts") << 0 << "1.3.2025"
                                                    << "01.03.2025";
        QTest::newRow("dot after a one-digit month") << 4 << "1.2025"
                                                     << "10.01.2025";
        QTest::newRow("dot in a full day goes on") << 1 << ".03"
                                                   << "10.03.2026";
        QTest::newRow("whole date selected") << -2 << "05.11.2025"
                                             << "05.11.2025";
        QTest::newRow("entered with tab") << -1 << "05"
                                          << "05.12.2026";
        QTest::newRow("a day that takes no second digit") << 1 << "45"
                                                          << "04.05.2026";
    }
    void typing()
    {
        QFETCH(int, cursor);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QWidget form;
        QLineEdit before(&form);
        kx::DateField field(&form);
        field.setRValue(20261210);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        before.setFocus();
        if (cursor == -1) {
            QTest::keyClick(&before, Qt::Key_Tab);
        } else {
            field.setFocus(Qt::MouseFocusReason);
            if (cursor == -2)
                field.selectAll();
            else
                field.findChild<QLineEdit *>()->setCursorPosition(cursor);
        }
        QVERIFY(field.hasFocus());
        QTest::keyClicks(&field, typed);
        QCOMPARE(field.DateText(), shown);
        // What the report reads is what the field shows once it is left.
        before.setFocus();
        QCOMPARE(field.DateText(), shown);
    }

    // After a real click into any part, digits and dots that make a whole date replace the
    // whole date at the keystroke that completes it; fewer parts change only what they reach,
    // and another key first ends that reading.
    void wholeDateAfterClick_data()
    {
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("keyFirst");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const int none = Qt::Key_unknown;
        QTest::newRow("day") << 1 << none << "15.01.2027"
                             << "15.01.2027";
        QTest::newRow("before the day") << 0 << none << "15.01.2027"
                                        << "15.01.2027";
        QTest::newRow("month") << 4 << none << "15.01.2027"
                               << "15.01.2027";
        QTest::newRow("middle") << 5 << none << "15.01.2027"
                                << "15.01.2027";
        QTest::newRow("year") << 8 << none << "15.01.2027"
                              << "15.01.2027";
        QTest::newRow("end") << 10 << none << "15.01.2027"
                             << "15.01.2027";
        QTest::newRow("year, one-digit parts") << 8 << none << "1.2.2027"
                                               << "01.02.2027";
        QTest::newRow("year alone") << 8 << none << "2027"
                                    << "10.12.2027";
        QTest::newRow("month alone") << 4 << none << "03"
                                     << "10.03.2026";
        QTest::newRow("day and month") << 1 << none << "15.01"
                                       << "15.01.2026";
        QTest::newRow("no such day") << 8 << none << "31.02.2027"
                                     << "10.12.2027";
        // By parts alone the year part takes "15" and refuses the digits that would make it
        // a year before 1752.
        QTest::newRow("an arrow first") << 8 << int(Qt::Key_Left) << "15.01.2027"
                                        << "10.12.2015";
    }
    void wholeDateAfterClick()
    {
        QFETCH(int, cursor);
        QFETCH(int, keyFirst);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        DateForm f;
        QVERIFY(f.shown());
        kx::DateField &field = f.field;
        QLineEdit &before = f.before;
        before.setFocus();
        kxtest::clickAtCursor(kxtest::innerEdit(&field), cursor);
        QVERIFY(field.hasFocus());
        if (keyFirst != Qt::Key_unknown)
            QTest::keyClick(&field, Qt::Key(keyFirst));
        QTest::keyClicks(&field, typed);
        // Taken at the last keystroke, before the field is left.
        QCOMPARE(field.DateText(), shown);
        before.setFocus();
        QCOMPARE(field.DateText(), shown);
    }

    // Two-digit years and dates typed without dots, after a real click on the day (1), the
    // month (4) or the year (8) of 10.12.2026. What the field gives is what it shows, with the
    // focus still in it and once it is left.
    void typedDateIsTheDateTaken_data()
    {
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("keyAfter");
        QTest::addColumn<QString>("taken");
        const int none = Qt::Key_unknown;
        QTest::newRow("15.01.27 from the day") << 1 << "15.01.27" << none << "15.01.2027";
        QTest::newRow("15.01.27 from the month") << 4 << "15.01.27" << none << "15.01.2027";
        QTest::newRow("15.01.27 from the year") << 8 << "15.01.27" << none << "15.01.2027";
        QTest::newRow("27 in the year") << 8 << "27" << none << "10.12.2027";
        QTest::newRow("05 in the year") << 8 << "05" << none << "10.12.2005";
        QTest::newRow("15 in the year") << 8 << "15" << none << "10.12.2015";
        QTest::newRow("1.2.27") << 1 << "1.2.27" << none << "01.02.2027";
        QTest::newRow("15.03.15 from the day") << 1 << "15.03.15" << none << "15.03.2015";
        QTest::newRow("150127 from the day") << 1 << "150127" << none << "15.01.2027";
        QTest::newRow("150127 from the year") << 8 << "150127" << none << "15.01.2027";
        QTest::newRow("15012027 from the year") << 8 << "15012027" << none << "15.01.2027";
        // These pass through 15.01.20 and 150120, which are not taken while typing goes on.
        QTest::newRow("15.01.2027 key by key") << 1 << "15.01.2027" << none << "15.01.2027";
        QTest::newRow("15012027 key by key") << 1 << "15012027" << none << "15.01.2027";
        QTest::newRow("1999 in the year") << 8 << "1999" << none << "10.12.1999";
        QTest::newRow("2027 in the year") << 8 << "2027" << none << "10.12.2027";
        QTest::newRow("3 in the day") << 1 << "3" << none << "03.12.2026";
        QTest::newRow("15.01.1999") << 1 << "15.01.1999" << none << "15.01.1999";
        // The year part shows 177 while this is typed.
        QTest::newRow("17.01.27 from the year") << 8 << "17.01.27" << none << "17.01.2027";
        // A day before the first date the field takes: day and month are taken by the parts.
        QTest::newRow("the day before the minimum") << 1 << "13.09.1752" << none << "13.09.2026";
        QTest::newRow("the minimum") << 1 << "14.09.1752" << none << "14.09.1752";
        QTest::newRow("25 then up in the year") << 8 << "25" << int(Qt::Key_Up) << "10.12.2026";
        QTest::newRow("31.02.27 from the day") << 1 << "31.02.27" << none << "28.02.2027";
        QTest::newRow("a year of three digits") << 8 << "202" << none << "10.12.2026";
        // Day and month are taken as they are typed; 15.01.20 on the way is not.
        QTest::newRow("three digits after day and month")
            << 1 << "15.01.202" << none << "15.01.2026";
    }
    void typedDateIsTheDateTaken()
    {
        QFETCH(int, cursor);
        QFETCH(QString, typed);
        QFETCH(int, keyAfter);
        QFETCH(QString, taken);
        DateForm f;
        QVERIFY(f.shown());
        kx::DateField &field = f.field;
        QLineEdit &before = f.before;
        before.setFocus();
        QLineEdit *edit = kxtest::innerEdit(&field);
        kxtest::clickAtCursor(edit, cursor);
        QVERIFY(field.hasFocus());
        QTest::keyClicks(&field, typed);
        if (keyAfter != Qt::Key_unknown)
            QTest::keyClick(&field, Qt::Key(keyAfter));
        const int key
            = QDate::fromString(taken, QStringLiteral("dd.MM.yyyy")).toString("yyyyMMdd").toInt();
        QCOMPARE(field.RValue(), key);
        QCOMPARE(edit->text(), taken);
        before.setFocus();
        QCOMPARE(field.RValue(), key);
        QCOMPARE(edit->text(), taken);
    }

    // A date the program sets while typed keys wait to be read is the date: the typed ones
    // are no longer what the field shows.
    void dateSetByTheProgramEndsTheReading_data()
    {
        QTest::addColumn<bool>("bySetter");
        QTest::addColumn<int>("set");
        QTest::newRow("another date by setRValue") << true << 20261201;
        QTest::newRow("the held date by setRValue") << true << 20261210;
        QTest::newRow("another date by setDate") << false << 20261201;
        QTest::newRow("the held date by setDate") << false << 20261210;
    }
    void dateSetByTheProgramEndsTheReading()
    {
        QFETCH(bool, bySetter);
        QFETCH(int, set);
        DateForm f;
        QVERIFY(f.shown());
        kx::DateField &field = f.field;
        QLineEdit &before = f.before;
        QLineEdit *edit = kxtest::innerEdit(&field);
        // In the year: the parts change nothing but the year's text, the held date stays.
        kxtest::clickAtCursor(edit, 8);
        QTest::keyClicks(&field, "15.01.27");
        if (bySetter)
            QVERIFY(field.setRValue(set));
        else
            field.setDate(QDate(set / 10000, set / 100 % 100, set % 100));
        before.setFocus();
        QCOMPARE(field.RValue(), set);
        QCOMPARE(edit->text(), field.DateText());
    }

    // A date pasted from the field's context menu after typed keys that read as another date
    // is the date the field takes.
    void pastedDateIsTaken()
    {
        DateForm f;
        QVERIFY(f.shown());
        QLineEdit *edit = kxtest::innerEdit(&f.field);
        kxtest::clickAtCursor(edit, 8);
        QTest::keyClicks(&f.field, "17.01.27");
        QCOMPARE(edit->text(), QStringLiteral("10.12.177"));
        QGuiApplication::clipboard()->setText(QStringLiteral("20.02.2026"));
        QVERIFY(chooseFromContextMenu(edit, QStringLiteral("Select All")));
        QVERIFY(chooseFromContextMenu(edit, QStringLiteral("Paste")));
        QCOMPARE(edit->text(), QStringLiteral("20.02.2026"));
        f.before.setFocus();
        QCOMPARE(f.field.DateText(), QStringLiteral("20.02.2026"));
    }

    // A new click starts the reading anew, in a field that already has the focus too.
    void clickStartsTheReadingAgain()
    {
        QWidget form;
        kx::DateField field(&form);
        field.setRValue(20261210);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QLineEdit *edit = kxtest::innerEdit(&field);
        kxtest::clickAtCursor(edit, 1);
        QTest::keyClick(&field, Qt::Key_Backspace);
        QTest::keyClicks(&field, "1");
        kxtest::clickAtCursor(edit, 8);
        QTest::keyClicks(&field, "15.01.2027");
        QCOMPARE(field.DateText(), QStringLiteral("15.01.2027"));
    }
};

KX_TEST(TestDateField)
#include "tst_date_field.moc"
