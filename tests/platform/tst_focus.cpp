// Select-all on entering a field, as a user enters it: with Tab and with real clicks.
#include "platform/focus.h"
#include "tests/support/clicking.h"
#include "tests/support/kxtest.h"
#include "tests/support/typing.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <functional>

namespace {

// A field that selects on entry, after another field that holds the focus first.
struct Form
{
    explicit Form(std::function<void(QLineEdit *)> select = {})
    {
        auto *layout = new QVBoxLayout(&window);
        before = new QLineEdit(&window);
        field = new QLineEdit(QStringLiteral("125,75"), &window);
        layout->addWidget(before);
        layout->addWidget(field);
        if (select)
            kx::selectAllOnFocus(field, [select, edit = field] { select(edit); });
        else
            kx::selectAllOnFocus(field);
        window.show();
        window.activateWindow();
        ready = QTest::qWaitForWindowActive(&window);
        before->setFocus();
    }

    QWidget window;
    QLineEdit *before = nullptr;
    QLineEdit *field = nullptr;
    bool ready = false;
};

} // namespace

class TestFocus : public QObject
{
    Q_OBJECT
private slots:
    // The click that brings the focus selects the whole text wherever it lands, so typing
    // replaces it.
    void clickSelectsAll_data()
    {
        QTest::addColumn<int>("cursor");
        QTest::newRow("left of the text") << 0;
        QTest::newRow("middle") << 3;
        QTest::newRow("end") << 6;
    }
    void clickSelectsAll()
    {
        QFETCH(int, cursor);
        Form form;
        QVERIFY(form.ready);
        kxtest::clickAtCursor(form.field, cursor);
        QVERIFY(form.field->hasFocus());
        QCOMPARE(form.field->selectedText(), QStringLiteral("125,75"));
        kxtest::typeText(form.field, QStringLiteral("130"));
        QCOMPARE(form.field->text(), QStringLiteral("130"));
    }

    // Only the click that enters selects: the next one puts the caret where it lands, also
    // into a field entered by Tab or by the program; a double-click selects a word, a drag
    // what it covers; Tab still selects all.
    void otherEntries_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("after9");
        QTest::newRow("second click") << "second click"
                                      << ""
                                      << "1259,75";
        QTest::newRow("double-click") << "double-click"
                                      << "125"
                                      << "9,75";
        QTest::newRow("drag") << "drag"
                              << "25"
                              << "19,75";
        QTest::newRow("tab") << "tab"
                             << "125,75"
                             << "9";
        QTest::newRow("tab, then a click") << "tab, then a click"
                                           << ""
                                           << "1259,75";
        QTest::newRow("focus by the program, then a click") << "focus by the program, then a click"
                                                            << ""
                                                            << "1259,75";
    }
    void otherEntries()
    {
        QFETCH(QString, how);
        QFETCH(QString, selected);
        QFETCH(QString, after9);
        Form form;
        QVERIFY(form.ready);
        QLineEdit *field = form.field;
        if (how == u"second click") {
            kxtest::clickAtCursor(field, 0);
            kxtest::clickAtCursor(field, 3);
        } else if (how == u"double-click") {
            QTest::mouseDClick(field, Qt::LeftButton, {}, kxtest::pointAtCursor(field, 1));
        } else if (how == u"drag") {
            QTest::mousePress(field, Qt::LeftButton, {}, kxtest::pointAtCursor(field, 1));
            QTest::mouseMove(field, kxtest::pointAtCursor(field, 3));
            QTest::mouseRelease(field, Qt::LeftButton, {}, kxtest::pointAtCursor(field, 3));
        } else if (how == u"tab") {
            QTest::keyClick(form.before, Qt::Key_Tab);
        } else {
            if (how == u"tab, then a click")
                QTest::keyClick(form.before, Qt::Key_Tab);
            else
                field->setFocus();
            QVERIFY(field->hasFocus());
            kxtest::clickAtCursor(field, 3);
        }
        QVERIFY(field->hasFocus());
        QCOMPARE(field->selectedText(), selected);
        kxtest::typeText(field, QStringLiteral("9"));
        QCOMPARE(field->text(), after9);
    }

    // A window's own entry handler runs in place of the select-all, for a click as for Tab.
    void ownHandler()
    {
        Form form([](QLineEdit *field) { field->setSelection(0, 3); });
        QVERIFY(form.ready);
        kxtest::clickAtCursor(form.field, 5);
        QCOMPARE(form.field->selectedText(), QStringLiteral("125"));
        QTest::keyClick(form.field, Qt::Key_Tab);
        QTest::keyClick(form.before, Qt::Key_Tab);
        QCOMPARE(form.field->selectedText(), QStringLiteral("125"));
    }
};

KX_TEST(TestFocus)
#include "tst_focus.moc"
