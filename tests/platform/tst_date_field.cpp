// The date field as a user types into it: after a click inside the date, or after Tab.
#include "platform/date_field.h"
#include "tests/support/clicking.h"
#include "tests/support/kxtest.h"

#include <QLineEdit>
#include <QTest>

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
        // By parts alone the year part takes none of it: the date stays.
        QTest::newRow("an arrow first") << 8 << int(Qt::Key_Left) << "15.01.2027"
                                        << "10.12.2026";
    }
    void wholeDateAfterClick()
    {
        QFETCH(int, cursor);
        QFETCH(int, keyFirst);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QWidget form;
        QLineEdit before(&form);
        kx::DateField field(&form);
        field.move(0, 40);
        field.setRValue(20261210);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
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
