// The shared child controls: combo choice and click rules, date forms, option clearing, tab strip.
#include "core/conversions.h"
#include "platform/check_option.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"
#include "platform/tab_strip.h"
#include "tests/support/kxtest.h"

#include <QAbstractItemView>
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

// An editable card combo and a field after it, in a shown window; the list as fill() gives it,
// a Turkish entry and a second VIDA after them.
struct TypingWindow
{
    QWidget window;
    kx::ComboBox *combo = new kx::ComboBox(&window, true);
    QLineEdit *after = new QLineEdit(&window);

    explicit TypingWindow(bool fold)
    {
        fill(*combo);
        combo->AddItem(QStringLiteral("Çivi Ağır (1027)"));
        combo->AddItem(QStringLiteral("VIDA M10 (1030)"));
        if (fold)
            combo->setTypedFold(&kx::UpperAsciiChar);
        combo->setGeometry(0, 0, 300, 24);
        after->setGeometry(0, 30, 300, 24);
        window.show();
        window.activateWindow();
        if (QTest::qWaitForWindowActive(&window))
            combo->setFocus(Qt::OtherFocusReason);
    }

    // Characters as typed keys; "\b" stands for Backspace.
    void type(const QString &keys) const
    {
        for (const QChar key : keys) {
            if (key == u'\b')
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
            else
                QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                                    QString(key), Qt::NoModifier);
        }
    }
};

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

    // Typing at the end completes the text to the first entry that begins with it, the rest
    // selected so that the next letter types on; nothing is chosen yet.
    void completesTheTypedStart_data()
    {
        QTest::addColumn<bool>("fold");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::newRow("start of an entry") << false << "SO"
                                           << "SOMUN M8 (1025)"
                                           << "MUN M8 (1025)";
        QTest::newRow("typing on over the completion") << false << "SOM"
                                                       << "SOMUN M8 (1025)"
                                                       << "UN M8 (1025)";
        QTest::newRow("first of two that begin alike") << false << "VIDA M"
                                                       << "VIDA M8 (1024)"
                                                       << "8 (1024)";
        QTest::newRow("the later one once it differs") << false << "VIDA M1"
                                                       << "VIDA M10 (1030)"
                                                       << "0 (1030)";
        QTest::newRow("lower case through the fold") << true << "pu"
                                                     << "PUL (1026)"
                                                     << "L (1026)";
        QTest::newRow("Turkish letters through the fold") << true << "civi ag"
                                                          << "Çivi Ağır (1027)"
                                                          << "ır (1027)";
        QTest::newRow("lower case without a fold") << false << "pu"
                                                   << "pu"
                                                   << "";
        QTest::newRow("no entry begins so") << true << "SOX"
                                            << "SOX"
                                            << "";
        QTest::newRow("Backspace takes the completion back") << false << "SO\b"
                                                             << "SO"
                                                             << "";
        QTest::newRow("and typing completes again") << false << "SO\bM"
                                                    << "SOMUN M8 (1025)"
                                                    << "UN M8 (1025)";
    }
    void completesTheTypedStart()
    {
        QFETCH(bool, fold);
        QFETCH(QString, keys);
        TypingWindow typing(fold);
        QSignalSpy clicks(typing.combo, &kx::ComboBox::Click);
        typing.type(keys);
        QTEST(typing.combo->Text(), "text");
        QTEST(typing.combo->lineEdit()->selectedText(), "selected");
        QCOMPARE(typing.combo->lineEdit()->cursorPosition(), typing.combo->Text().size());
        QCOMPARE(typing.combo->ListIndex(), -1);
        QCOMPARE(clicks.count(), 0);
    }

    // Enter, or leaving the field by Tab, makes the entry that the text names the choice, with
    // one Click; a text that names no entry leaves no choice and keeps the text.
    void enterOrLeavingChooses_data()
    {
        QTest::addColumn<bool>("fold");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("set"); // text set by code instead of keys
        QTest::addColumn<int>("how"); // the key that ends the typing
        QTest::addColumn<int>("listIndex");
        QTest::addColumn<QString>("text");
        const int enter = Qt::Key_Return;
        const int tab = Qt::Key_Tab;
        QTest::newRow("completed, Enter") << false << "SO"
                                          << "" << enter << 1 << "SOMUN M8 (1025)";
        QTest::newRow("completed, keypad Enter")
            << false << "SO"
            << "" << int(Qt::Key_Enter) << 1 << "SOMUN M8 (1025)";
        QTest::newRow("completed, leaving") << false << "SO"
                                            << "" << tab << 1 << "SOMUN M8 (1025)";
        QTest::newRow("folded, leaving") << true << "civi"
                                         << "" << tab << 3 << "Çivi Ağır (1027)";
        QTest::newRow("equal after the fold, set by code")
            << true << ""
            << "pul (1026)" << tab << 2 << "PUL (1026)";
        QTest::newRow("no entry, Enter") << true << "SOX"
                                         << "" << enter << -1 << "SOX";
        QTest::newRow("no entry, leaving") << true << "SOX"
                                           << "" << tab << -1 << "SOX";
        QTest::newRow("completion taken back, leaving") << false << "SO\b"
                                                        << "" << tab << -1 << "SO";
        // QComboBox would pick this one on its own, letter case aside.
        QTest::newRow("letter case without a fold") << false << ""
                                                    << "pul (1026)" << tab << -1 << "pul (1026)";
        QTest::newRow("empty, leaving") << true << ""
                                        << "" << tab << -1 << "";
    }
    void enterOrLeavingChooses()
    {
        QFETCH(bool, fold);
        QFETCH(QString, keys);
        QFETCH(QString, set);
        QFETCH(int, how);
        QFETCH(int, listIndex);
        TypingWindow typing(fold);
        QSignalSpy clicks(typing.combo, &kx::ComboBox::Click);
        int indexAtClick = -2;
        connect(typing.combo, &kx::ComboBox::Click, this,
                [&] { indexAtClick = typing.combo->ListIndex(); });
        if (set.isEmpty())
            typing.type(keys);
        else
            typing.combo->setText(set);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(how));
        QCOMPARE(typing.combo->ListIndex(), listIndex);
        QTEST(typing.combo->Text(), "text");
        QCOMPARE(clicks.count(), listIndex >= 0 ? 1 : 0);
        if (listIndex >= 0)
            QCOMPARE(indexAtClick, listIndex);
        QCOMPARE(QApplication::focusWidget(),
                 how == Qt::Key_Tab ? static_cast<QWidget *>(typing.after)
                                    : static_cast<QWidget *>(typing.combo));
    }

    // An entry chosen already is not chosen again on the way out, and another window taking
    // the focus is no leaving of the field.
    void leavingAgainOrForAnotherWindowChoosesNothing()
    {
        TypingWindow typing(true);
        typing.combo->setListIndex(1);
        QSignalSpy clicks(typing.combo, &kx::ComboBox::Click);
        QTest::keyClick(typing.combo, Qt::Key_Tab);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(typing.combo->ListIndex(), 1);

        typing.combo->setFocus(Qt::OtherFocusReason);
        typing.combo->setListIndex(-1);
        typing.combo->setText(QString());
        clicks.clear();
        typing.type(QStringLiteral("pu"));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(typing.combo->ListIndex(), -1);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(typing.combo->Text(), QStringLiteral("PUL (1026)"));
    }

    // Opened with a typed start and no choice, the list stands on the entry that the text
    // completes, so that Enter there takes it.
    void openListStartsAtTheTypedEntry()
    {
        TypingWindow typing(true);
        typing.type(QStringLiteral("civi"));
        QSignalSpy clicks(typing.combo, &kx::ComboBox::Click);
        typing.combo->showPopup();
        QTRY_VERIFY(typing.combo->view()->isVisible());
        QCOMPARE(typing.combo->view()->currentIndex().row(), 3);
        // Opening the list is no choice.
        QCOMPARE(typing.combo->ListIndex(), -1);
        QCOMPARE(clicks.count(), 0);
        QTest::keyClick(typing.combo->view(), Qt::Key_Return);
        QTRY_VERIFY(!typing.combo->view()->isVisible());
        QCOMPARE(typing.combo->ListIndex(), 3);
        QCOMPARE(clicks.count(), 1);
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
