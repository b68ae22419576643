// Tests of the generic ribbon: control kinds, list items, shortcuts, check state and panes.
#include "platform/ribbon.h"
#include "tests/support/kxtest.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace kx;

class TestRibbon : public QObject
{
    Q_OBJECT

private slots:
    void controlsAndItemsExecuteTheirIds()
    {
        QMainWindow window;
        auto *ribbon = new Ribbon(&window, QStringLiteral("The Ribbon"));
        window.setMenuWidget(ribbon);
        RibbonGroup *group = ribbon->InsertTab(0, QStringLiteral("Menü"))->AddGroup("G", 1);
        RibbonControl *plain = group->AddControl(ControlButton, 10, QStringLiteral("Düz"));
        RibbonControl *split = group->AddControl(ControlSplitButton, 11, QStringLiteral("Böl"));
        RibbonControl *popup = group->AddControl(ControlPopup, 12, QStringLiteral("Liste"));
        split->AddItem(21, QStringLiteral("Yeni"));
        popup->AddItem(22, QStringLiteral("Bir"));
        QVERIFY(!plain->AddItem(23, QStringLiteral("yok"))); // a plain button has no list
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QSignalSpy executed(ribbon, &Ribbon::Execute);
        QTest::mouseClick(plain, Qt::LeftButton);
        QTest::mouseClick(split, Qt::LeftButton, {}, QPoint(4, 4)); // the button part
        // The drop-down button only opens its list; it has no command of its own.
        QCOMPARE(popup->popupMode(), QToolButton::InstantPopup);
        QCOMPARE(split->popupMode(), QToolButton::MenuButtonPopup);
        ribbon->ItemById(21)->trigger();
        ribbon->ItemById(22)->trigger();
        QList<int> ids;
        for (const auto &call : executed)
            ids << call.at(0).toInt();
        QCOMPARE(ids, (QList<int> { 10, 11, 21, 22 }));
        QCOMPARE(ribbon->CommandById(11), split);
        QVERIFY(!ribbon->CommandById(21));
        QCOMPARE(ribbon->FindGroup(1), group);
    }

    void shortcutSequences_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("code");
        QTest::addColumn<QKeySequence>("sequence");
        QTest::newRow("Ctrl+1") << int(KeyCtrl) << 49 << QKeySequence(Qt::CTRL | Qt::Key_1);
        QTest::newRow("Alt+8") << int(KeyAlt) << 56 << QKeySequence(Qt::ALT | Qt::Key_8);
        QTest::newRow("F4") << 0 << 115 << QKeySequence(Qt::Key_F4);
        QTest::newRow("F7") << 0 << 118 << QKeySequence(Qt::Key_F7);
        QTest::newRow("Ctrl+Y") << int(KeyCtrl) << 89 << QKeySequence(Qt::CTRL | Qt::Key_Y);
        QTest::newRow("unknown code") << 0 << 7 << QKeySequence();
    }
    void shortcutSequences()
    {
        QFETCH(int, flags);
        QFETCH(int, code);
        QTEST(shortcutSequence(flags, code), "sequence");
    }

    void shortcutWinsOverAnEditField()
    {
        QMainWindow window;
        auto *ribbon = new Ribbon(&window, QStringLiteral("The Ribbon"));
        window.setMenuWidget(ribbon);
        auto *edit = new QLineEdit(QStringLiteral("metin"));
        window.setCentralWidget(edit);
        ribbon->AddShortcut(KeyCtrl, 'K', 151);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        edit->setFocus();
        edit->setCursorPosition(0);
        QSignalSpy executed(ribbon, &Ribbon::Execute);
        QTest::keyClick(edit, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(executed.count(), 1);
        QCOMPARE(executed.at(0).at(0).toInt(), 151);
        QCOMPARE(edit->text(), QStringLiteral("metin")); // the field did not take the key
    }

    void checkedFlagsAndStyle()
    {
        QMainWindow window;
        auto *ribbon = new Ribbon(&window, QStringLiteral("The Ribbon"));
        RibbonGroup *group = ribbon->InsertTab(0, QStringLiteral("Menü"))->AddGroup("G", 1);
        RibbonControl *page = group->AddControl(ControlButton, 103, QStringLiteral("İrsaliye"));
        QVERIFY(!page->CommandChecked());
        page->setCommandChecked(true);
        QVERIFY(page->CommandChecked());
        page->setCommandChecked(false);
        QVERIFY(!page->CommandChecked());
        page->setWidth(67.5);
        QCOMPARE(page->width(), 68);
        RibbonControl *tabRow = ribbon->AddTabRowControl(ControlButton, 172, QStringLiteral("K"));
        tabRow->setFlags(1);
        tabRow->setDisplayStyle(3);
        QCOMPARE(tabRow->Flags(), 1);
        QCOMPARE(tabRow->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        group->setCompact(true);
        QCOMPARE(page->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        // Beside the icon the width is the least, so a long caption is never cut.
        page->setWidth(10);
        QCOMPARE(page->minimumWidth(), 10);
        QVERIFY(page->maximumWidth() > 1000);
    }

    void statusPanes()
    {
        RibbonStatusBar status;
        status.AddPane(1);
        status.AddPane(2);
        status.setPaneText(0, QStringLiteral("Sürüm : 3.0.1"));
        status.setPaneText(1, QStringLiteral("kur"));
        status.setPaneText(5, QStringLiteral("yok sayılır"));
        status.setPaneWidth(0, 85);
        status.setPaneStyle(1, 0x8000000);
        QCOMPARE(status.PaneCount(), 2);
        QCOMPARE(status.PaneText(0), QStringLiteral("Sürüm : 3.0.1"));
        QCOMPARE(status.PaneText(1), QStringLiteral("kur"));
        QCOMPARE(status.PaneText(5), QString());
        QCOMPARE(status.pane(0)->minimumWidth(), 85);
    }
};

KX_TEST(TestRibbon)

#include "tst_ribbon.moc"
