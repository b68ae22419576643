// The date field as a user types into it: after a click inside the date, or after Tab.
#include "platform/date_field.h"
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
};

KX_TEST(TestDateField)
#include "tst_date_field.moc"
