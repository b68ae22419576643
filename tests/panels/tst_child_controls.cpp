// The shared child controls: combo choice and click rules, date forms, option clearing, tab strip.
#include "platform/check_option.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"
#include "platform/tab_strip.h"
#include "tests/support/kxtest.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

void fill(kx::ComboBox &combo)
{
    combo.AddItem(QStringLiteral("VIDA M8 (1024)"));
    combo.AddItem(QStringLiteral("SOMUN M8 (1025)"));
    combo.AddItem(QStringLiteral("PUL (1026)"));
}

void showAndFocus(QWidget &widget)
{
    widget.show();
    widget.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&widget));
    widget.setFocus();
}

} // namespace

class TestComboBox : public QObject
{
    Q_OBJECT
private slots:
    // However the host fills the list (item by item, or all at once after clearing a chosen
    // list), nothing is chosen until the host or the user chooses.
    void filledListHasNoChoice_data()
    {
        QTest::addColumn<bool>("editable");
        QTest::addColumn<QString>("how");
        for (const bool editable : { false, true }) {
            const char *kind = editable ? "editable" : "drop-down list";
            QTest::addRow("%s, item by item", kind) << editable << "AddItem";
            QTest::addRow("%s, all at once", kind) << editable << "addItems";
            QTest::addRow("%s, AddItems", kind) << editable << "AddItems";
            QTest::addRow("%s, refilled", kind) << editable << "refill";
        }
    }
    void filledListHasNoChoice()
    {
        QFETCH(bool, editable);
        QFETCH(QString, how);
        kx::ComboBox combo(nullptr, editable);
        QSignalSpy clicks(&combo, &kx::ComboBox::Click);
        const QStringList items { "VIDA M8 (1024)", "SOMUN M8 (1025)", "PUL (1026)" };
        if (how == u"AddItem") {
            fill(combo);
        } else {
            if (how == u"refill") {
                fill(combo);
                QVERIFY(combo.setListIndex(2));
                clicks.clear();
                combo.Clear();
            }
            if (how == u"AddItems")
                combo.AddItems(items);
            else
                combo.addItems(items);
        }
        QCOMPARE(combo.ListCount(), 3);
        QCOMPARE(combo.ListIndex(), -1);
        QCOMPARE(combo.Text(), QString());
        QCOMPARE(combo.List(1), QStringLiteral("SOMUN M8 (1025)"));
        QCOMPARE(combo.List(3), QString());
        QCOMPARE(clicks.count(), 0);
    }

    void choiceByCodeClicks_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("listIndex");
        QTest::newRow("first item") << 0 << true << 1 << 0;
        QTest::newRow("last item") << 2 << true << 1 << 2;
        QTest::newRow("none") << -1 << true << 0 << -1;
        QTest::newRow("past the end") << 3 << false << 0 << 1;
        QTest::newRow("below none") << -2 << false << 0 << 1;
    }
    void choiceByCodeClicks()
    {
        QFETCH(int, index);
        QFETCH(bool, accepted);
        QFETCH(int, clicks);
        QFETCH(int, listIndex);
        kx::ComboBox combo(nullptr, true);
        fill(combo);
        combo.setCurrentIndex(1);
        QSignalSpy spy(&combo, &kx::ComboBox::Click);
        QCOMPARE(combo.setListIndex(index), accepted);
        QCOMPARE(spy.count(), clicks);
        QCOMPARE(combo.ListIndex(), listIndex);
        QCOMPARE(combo.Text(), combo.List(listIndex));
    }

    void choosingTheSameItemAgainClicksAgain()
    {
        kx::ComboBox combo;
        fill(combo);
        QSignalSpy spy(&combo, &kx::ComboBox::Click);
        combo.setListIndex(2);
        combo.setListIndex(2);
        QCOMPARE(spy.count(), 2);
    }

    void userChoiceByKeysClicks()
    {
        kx::ComboBox combo;
        fill(combo);
        showAndFocus(combo);
        QSignalSpy spy(&combo, &kx::ComboBox::Click);
        QTest::keyClick(&combo, Qt::Key_Down);
        QCOMPARE(combo.ListIndex(), 0);
        QCOMPARE(spy.count(), 1);
    }

    // A line must not be saved with the card chosen before the user typed over it.
    void typingOverTheChoiceDropsIt_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("listIndex");
        QTest::addColumn<QString>("text");
        QTest::newRow("one more letter")
            << QStringLiteral("X") << -1 << QStringLiteral("SOMUN M8 (1025)X");
        // Once dropped, the choice stays dropped even when the text matches again.
        QTest::newRow("back to the item") << QString() << -1 << QStringLiteral("SOMUN M8 (1025)");
    }
    void typingOverTheChoiceDropsIt()
    {
        QFETCH(QString, typed);
        QFETCH(int, listIndex);
        QFETCH(QString, text);
        kx::ComboBox combo(nullptr, true);
        fill(combo);
        combo.setListIndex(1);
        showAndFocus(combo);
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        combo.lineEdit()->end(false);
        QSignalSpy spy(&combo, &kx::ComboBox::Click);
        if (typed.isEmpty()) {
            QTest::keyClick(target, Qt::Key_X);
            QTest::keyClick(target, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(target, typed);
        }
        QCOMPARE(combo.ListIndex(), listIndex);
        QCOMPARE(combo.Text(), text);
        QCOMPARE(spy.count(), 0);
    }

    void textSetByCode_data()
    {
        QTest::addColumn<bool>("editable");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("listIndex");
        QTest::addColumn<QString>("shown");
        QTest::newRow("editable, other text")
            << true << QStringLiteral("PUL") << -1 << QStringLiteral("PUL");
        QTest::newRow("editable, empty") << true << QString() << -1 << QString();
        QTest::newRow("editable, the chosen item")
            << true << QStringLiteral("SOMUN M8 (1025)") << 1 << QStringLiteral("SOMUN M8 (1025)");
        QTest::newRow("list, an item")
            << false << QStringLiteral("PUL (1026)") << 2 << QStringLiteral("PUL (1026)");
        QTest::newRow("list, no item") << false << QStringLiteral("PUL") << -1 << QString();
    }
    void textSetByCode()
    {
        QFETCH(bool, editable);
        QFETCH(QString, text);
        QFETCH(int, listIndex);
        QFETCH(QString, shown);
        kx::ComboBox combo(nullptr, editable);
        fill(combo);
        combo.setListIndex(1);
        QSignalSpy spy(&combo, &kx::ComboBox::Click);
        combo.setText(text);
        QCOMPARE(combo.ListIndex(), listIndex);
        QCOMPARE(combo.Text(), shown);
        QCOMPARE(spy.count(), 0);
    }

    // Removing the chosen card leaves no choice rather than a neighbour the user never chose;
    // removing another one keeps the choice on its item.
    void removeItem_data()
    {
        QTest::addColumn<bool>("editable");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("listIndex");
        QTest::addColumn<QString>("text");
        QTest::newRow("list, the chosen item") << false << 1 << 1 << -1 << QString();
        QTest::newRow("editable, the chosen item")
            << true << 1 << 1 << -1 << QStringLiteral("SOMUN M8 (1025)");
        QTest::newRow("editable, the last and chosen item")
            << true << 2 << 2 << -1 << QStringLiteral("PUL (1026)");
        QTest::newRow("editable, an item before")
            << true << 1 << 0 << 0 << QStringLiteral("SOMUN M8 (1025)");
        QTest::newRow("list, an item after")
            << false << 1 << 2 << 1 << QStringLiteral("SOMUN M8 (1025)");
    }
    void removeItem()
    {
        QFETCH(bool, editable);
        QFETCH(int, chosen);
        QFETCH(int, removed);
        QFETCH(int, listIndex);
        QFETCH(QString, text);
        kx::ComboBox combo(nullptr, editable);
        fill(combo);
        QVERIFY(combo.setListIndex(chosen));
        QSignalSpy clicks(&combo, &kx::ComboBox::Click);
        combo.RemoveItem(removed);
        QCOMPARE(combo.ListCount(), 2);
        QCOMPARE(combo.ListIndex(), listIndex);
        QCOMPARE(combo.Text(), text);
        QCOMPARE(clicks.count(), 0);
    }

    void insertKeepsTypedTextAndChoice()
    {
        kx::ComboBox combo(nullptr, true);
        fill(combo);
        combo.setListIndex(1);
        combo.AddItem(QStringLiteral("CIVATA (1000)"), 0);
        QCOMPARE(combo.List(0), QStringLiteral("CIVATA (1000)"));
        QCOMPARE(combo.ListIndex(), 2);
        QCOMPARE(combo.Text(), QStringLiteral("SOMUN M8 (1025)"));
        combo.RemoveItem(0);
        combo.RemoveItem(7);
        QCOMPARE(combo.ListCount(), 3);
        combo.Clear();
        QCOMPARE(combo.ListCount(), 0);
        QCOMPARE(combo.Text(), QString());
    }
};

class TestDateField : public QObject
{
    Q_OBJECT
private slots:
    void forms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("dateText");
        QTest::addColumn<int>("key");
        QTest::newRow("end of year")
            << QStringLiteral("31.12.2026") << QStringLiteral("31.12.2026") << 20261231;
        QTest::newRow("one-digit parts")
            << QStringLiteral("1.2.2026") << QStringLiteral("01.02.2026") << 20260201;
        QTest::newRow("leap day") << QStringLiteral("29.02.2024") << QStringLiteral("29.02.2024")
                                  << 20240229;
    }
    void forms()
    {
        QFETCH(QString, text);
        QFETCH(QString, dateText);
        QFETCH(int, key);
        kx::DateField field;
        QVERIFY(field.setDateText(text));
        QCOMPARE(field.DateText(), dateText);
        QCOMPARE(field.Value(), dateText);
        QCOMPARE(field.RValue(), key);
        QCOMPARE(field.DateValue(), key);
        QCOMPARE(field.text(), dateText);

        kx::DateField byKey;
        QVERIFY(byKey.setRValue(key));
        QCOMPARE(byKey.DateText(), dateText);
    }

    void invalidInputLeavesTheDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("key");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("no leap day") << QStringLiteral("29.02.2025") << 20250229;
        QTest::newRow("month 13") << QStringLiteral("01.13.2026") << 20261301;
        QTest::newRow("words") << QStringLiteral("bugün") << 99;
    }
    void invalidInputLeavesTheDate()
    {
        QFETCH(QString, text);
        QFETCH(int, key);
        kx::DateField field;
        field.setDateText(QStringLiteral("15.06.2026"));
        QVERIFY(!field.setDateText(text));
        QVERIFY(!field.setRValue(key));
        QCOMPARE(field.DateText(), QStringLiteral("15.06.2026"));
    }

    void typedDateIsReadOnFocusLoss()
    {
        QWidget window;
        auto *before = new QLineEdit(&window);
        auto *field = new kx::DateField(&window);
        auto *after = new QLineEdit(&window);
        field->move(0, 30);
        after->move(0, 60);
        field->setDateText(QStringLiteral("15.06.2026"));
        showAndFocus(window);
        before->setFocus();
        QString seen;
        connect(field, &kx::DateField::LostFocus, this, [&] { seen = field->DateText(); });
        // Tab selects the day; Tab again leaves the field instead of stepping to the month.
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), field);
        QTest::keyClicks(field, QStringLiteral("20"));
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), after);
        QCOMPARE(seen, QStringLiteral("20.06.2026"));
    }
};

class TestCheckAndOption : public QObject
{
    Q_OBJECT
private slots:
    void checkClickComesFromTheUserOnly()
    {
        kx::CheckBox box(QStringLiteral(" + (%) "));
        QSignalSpy spy(&box, &kx::CheckBox::Click);
        box.setValue(1);
        QCOMPARE(box.Value(), 1);
        QCOMPARE(spy.count(), 0);
        box.show();
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, box.height() / 2));
        QCOMPARE(box.Value(), 0);
        QCOMPARE(spy.count(), 1);
    }

    void selectedOptionCanBeCleared_data()
    {
        QTest::addColumn<bool>("grouped");
        QTest::newRow("exclusive group") << true;
        QTest::newRow("siblings") << false;
    }
    void selectedOptionCanBeCleared()
    {
        QFETCH(bool, grouped);
        QWidget parent;
        auto *first = new kx::OptionButton(QStringLiteral(" Aylık "), &parent);
        auto *second = new kx::OptionButton(QStringLiteral(" Günlük "), &parent);
        QButtonGroup group;
        if (grouped) {
            group.addButton(first);
            group.addButton(second);
        }
        first->setValue(true);
        second->setValue(true);
        QVERIFY(!first->Value());
        second->setValue(false);
        QVERIFY(!second->Value());
        QVERIFY(!first->Value());
        first->setValue(true);
        QVERIFY(first->Value());
        QCOMPARE(group.exclusive(), true);
    }
};

class TestTabStrip : public QObject
{
    Q_OBJECT
private slots:
    void childrenFollowTheSelectedPage()
    {
        kx::TabStrip strip;
        strip.resize(400, 80);
        strip.AddPage(QStringLiteral("Bir"));
        strip.AddPage(QStringLiteral("İki"));
        auto *first = new QLineEdit(&strip);
        auto *second = new QLineEdit(&strip);
        strip.AddChild(0, first);
        strip.AddChild(1, second);
        strip.show();
        QSignalSpy changed(&strip, &kx::TabStrip::SelectedChanged);
        QVERIFY(first->isVisible());
        QVERIFY(!second->isVisible());
        QVERIFY(strip.setSelectedIndex(1));
        QVERIFY(!strip.setSelectedIndex(2));
        QCOMPARE(strip.SelectedIndex(), 1);
        QVERIFY(!first->isVisible());
        QVERIFY(second->isVisible());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(strip.PageOf(second), 1);
    }

    void userSwitchAsksFirst_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("page");
        QTest::newRow("cancelled") << true << 0;
        QTest::newRow("allowed") << false << 1;
    }
    void userSwitchAsksFirst()
    {
        QFETCH(bool, cancel);
        QFETCH(int, page);
        kx::TabStrip strip;
        strip.resize(400, 80);
        strip.AddPage(QStringLiteral("Birinci sayfa"));
        strip.AddPage(QStringLiteral("İkinci sayfa"));
        int asked = -1;
        connect(&strip, &kx::TabStrip::SelectedChanging, this, [&](int target, bool *stop) {
            asked = target;
            *stop = cancel;
        });
        strip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&strip));
        auto *bar = strip.findChild<QTabBar *>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(asked, 1);
        QCOMPARE(strip.SelectedIndex(), page);
    }
};

KX_TEST(TestComboBox)
KX_TEST(TestDateField)
KX_TEST(TestCheckAndOption)
KX_TEST(TestTabStrip)
#include "tst_child_controls.moc"
