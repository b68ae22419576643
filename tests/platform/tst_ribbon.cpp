// Tests of the generic ribbon: control kinds, list items, shortcuts, check state and panes.
#include "platform/ribbon.h"
#include "tests/support/kxtest.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
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

    // The open list takes the mouse, so on a real screen its button never hears the cursor
    // leave and keeps its under-mouse state; once the list closes the button must not stay lit
    // where the cursor no longer is.
    void buttonIsNotLitAfterItsListCloses_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("cursorOnButton");
        QTest::newRow("drop-down, cursor gone") << int(ControlPopup) << false;
        QTest::newRow("split, cursor gone") << int(ControlSplitButton) << false;
        QTest::newRow("drop-down, cursor back on it") << int(ControlPopup) << true;
    }
    void buttonIsNotLitAfterItsListCloses()
    {
        QFETCH(int, kind);
        QFETCH(bool, cursorOnButton);
        QMainWindow window;
        auto *ribbon = new Ribbon(&window, QStringLiteral("The Ribbon"));
        window.setMenuWidget(ribbon);
        auto *page = new QLabel(QStringLiteral("sayfa"));
        page->setMinimumSize(400, 300);
        window.setCentralWidget(page);
        RibbonGroup *group = ribbon->InsertTab(0, QStringLiteral("Menü"))->AddGroup("G", 1);
        RibbonControl *button = group->AddControl(kind, 12, QStringLiteral("Raporlar"));
        button->AddItem(22, QStringLiteral("Fiyat Listesi"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QSignalSpy executed(ribbon, &Ribbon::Execute);
        const QPoint onButton = button->mapToGlobal(QPoint(8, 8));
        const QPoint away = page->mapToGlobal(page->rect().center());
        QCursor::setPos(onButton);
        QTRY_VERIFY(button->underMouse());
        // The list runs its own event loop: pick the item from a timer once it shows.
        QTimer pick;
        connect(&pick, &QTimer::timeout, this, [&] {
            auto *list = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!list)
                return;
            pick.stop();
            QCursor::setPos(cursorOnButton ? onButton : away);
            QCoreApplication::processEvents();
            // What the screen leaves behind: the button still believes the mouse is on it.
            button->setAttribute(Qt::WA_UnderMouse, true);
            const QPoint item = list->actionGeometry(list->actions().first()).center();
            QTest::mouseClick(list, Qt::LeftButton, {}, item);
        });
        pick.start(10);
        QTest::mousePress(button, Qt::LeftButton, {}, button->rect().bottomRight() - QPoint(3, 3));
        QTRY_COMPARE(executed.size(), 1);
        QCOMPARE(executed.first().at(0).toInt(), 22);
        QVERIFY(!QApplication::activePopupWidget());
        if (cursorOnButton) {
            QTest::qWait(20);
            QVERIFY(button->underMouse());
        } else {
            QTRY_VERIFY(!button->underMouse());
        }
    }

    // A compact group that shows only on some pages is taller than the large buttons: the
    // ribbon is that tall from the start, so nothing moves when it shows.
    void ribbonKeepsOneHeightWhenAGroupShows()
    {
        QMainWindow window;
        auto *ribbon = new Ribbon(&window, QStringLiteral("The Ribbon"));
        window.setMenuWidget(ribbon);
        window.setCentralWidget(new QLabel(QStringLiteral("sayfa")));
        RibbonTab *tab = ribbon->InsertTab(0, QStringLiteral("Menü"));
        RibbonControl *large = tab->AddGroup("Kayıtlar", 1)->AddControl(ControlButton, 10, "Stok");
        RibbonGroup *extra = tab->AddGroup(QStringLiteral("Kayıt İşlemleri"), 2);
        for (int id = 20; id < 23; ++id)
            extra->AddControl(ControlButton, id, QStringLiteral("Yeni"));
        extra->setCompact(true);
        extra->setVisible(false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int height = ribbon->height();
        const QPoint caption = large->mapTo(&window, QPoint(0, 0));

        extra->setVisible(true);
        QTRY_VERIFY(extra->isVisible() && extra->height() > 0);
        QTest::qWait(20);
        QCOMPARE(ribbon->height(), height);
        QCOMPARE(large->mapTo(&window, QPoint(0, 0)), caption);
        QCOMPARE(extra->height(), large->parentWidget()->height());
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
