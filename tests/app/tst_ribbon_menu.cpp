// Tests of the main window's ribbon: controls and captions, shortcuts, context groups, panes.
#include "app/ribbon_menu.h"
#include "core/state.h"
#include "core/version_check.h"
#include "platform/ribbon.h"
#include "tests/support/kxtest.h"

#include <QAction>
#include <QMainWindow>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>

using namespace kx;

namespace {

struct MenuWindow
{
    QMainWindow window;
    Ribbon *ribbon;
    RibbonStatusBar *status;
    MenuWindow()
    {
        resetState();
        ribbon = new Ribbon(&window, QStringLiteral("The Ribbon"));
        status = new RibbonStatusBar(&window);
        window.setMenuWidget(ribbon);
        window.setStatusBar(status);
        BuildMenu(ribbon, status);
    }
};

} // namespace

class TestRibbonMenu : public QObject
{
    Q_OBJECT

private slots:
    void controls_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("group"); // 0 tab row, -1 item of a list
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        const auto row = [](int id, int group, int kind, const char *caption) {
            QTest::addRow("%d", id) << id << group << kind << QString::fromUtf8(caption);
        };
        row(101, 1, 4, "Stoklar");
        row(121, -1, 0, "Yeni Stok");
        row(102, 1, 4, "Cariler");
        row(122, -1, 0, "Yeni Cari");
        row(103, 2, 1, "İrsaliye  ( F4 )");
        row(104, 2, 1, "Fatura  ( F5 )");
        row(105, 2, 1, "İrs. Fatura  ( F6 )");
        row(106, 2, 1, "Ödeme  ( F7 )");
        row(107, 3, 3, "&Raporlar");
        const char *reports[]
            = { "Hesap Ekstresi", "Fiyat Listesi", "Kasa Raporu",   "Borç / Alacak",
                "Kdv Raporu",     "Stok Hareket",  "Stok Envanter", "Çekler" };
        for (int k = 0; k < 8; ++k)
            row(131 + k, -1, 0, reports[k]);
        row(108, 4, 1, "Ayarlar");
        row(109, 4, 1, "Yardım");
        row(110, 4, 1, "Hakkında");
        row(141, 5, 1, "   Yeni");
        row(142, 5, 1, "   ( ctrl + D )     Düzenle");
        row(143, 5, 1, "   ( ctrl + S )     Sil");
        row(151, 6, 1, "   ( ctrl + K )     Kaydet");
        row(152, 6, 1, "   ( ctrl + T )     Temizle");
        row(153, 6, 1, "   ( ctrl + B )     Kayıtlı Belgeler");
        row(161, 7, 1, "   ( ctrl + G )     Göster");
        row(162, 7, 1, "   ( ctrl + R )     Kaydet");
        row(163, 7, 1, "   ( ctrl + Y )     Yazdır");
        row(171, 0, 1, "Garanti Takibi");
        row(172, 0, 1, "Döviz Kuru / Yeni Sürüm Kontrol");
    }
    void controls()
    {
        QFETCH(int, id);
        QFETCH(int, group);
        QFETCH(int, kind);
        QFETCH(QString, caption);
        MenuWindow menu;
        QVERIFY(!menu.ribbon->shortcuts().isEmpty());
        if (group < 0) {
            QAction *item = menu.ribbon->ItemById(id);
            QVERIFY(item);
            QCOMPARE(item->text(), caption);
            QVERIFY(!item->icon().isNull());
            QSignalSpy executed(menu.ribbon, &Ribbon::Execute);
            item->trigger();
            QCOMPARE(executed.count(), 1);
            QCOMPARE(executed.at(0).at(0).toInt(), id);
            return;
        }
        RibbonControl *control = menu.ribbon->CommandById(id);
        QVERIFY(control);
        QCOMPARE(control->Caption(), caption);
        QCOMPARE(control->Kind(), kind);
        QVERIFY(!control->icon().isNull());
        QVERIFY(control->DescriptionText().isEmpty());
        if (group > 0) {
            RibbonGroup *owner = menu.ribbon->FindGroup(group);
            QVERIFY(owner);
            QVERIFY(owner->controls().contains(control));
        }
        if (id >= 101 && id <= 110)
            QCOMPARE(control->width(), 68);
        if (group >= 5)
            QCOMPARE(control->minimumWidth(), 170);
        if (id == 172)
            QCOMPARE(control->Flags(), 1);
        if (group == 0)
            QCOMPARE(control->DisplayStyle(), 3);
    }

    void groupsAtStart()
    {
        MenuWindow menu;
        const char *captions[]
            = { "",      "Kayıtlar",        "İşlemler",        "Raporlar",
                "Diğer", "Kayıt İşlemleri", "Belge İşlemleri", "Rapor İşlemleri" };
        for (int id = 1; id <= 7; ++id) {
            RibbonGroup *group = menu.ribbon->FindGroup(id);
            QVERIFY(group);
            QCOMPARE(group->Caption(), QString::fromUtf8(captions[id]));
            QCOMPARE(group->isHidden(), id >= 5);
        }
        QCOMPARE(state().RibbonBar.data(), menu.ribbon);
    }

    void statusPanes()
    {
        MenuWindow menu;
        const QVersionNumber version = programVersion();
        QCOMPARE(menu.status->PaneCount(), 3);
        QCOMPARE(menu.status->PaneText(0),
                 QStringLiteral("Sürüm : %1.%2.%3")
                     .arg(version.majorVersion())
                     .arg(version.minorVersion())
                     .arg(version.microVersion()));
        QCOMPARE(menu.status->PaneText(1),
                 QStringLiteral("($) : 0,0000 / 0,0000      (€) : 0,0000 / 0,0000"));
        QCOMPARE(menu.status->PaneText(2), QString());
    }

    void shortcutReachesCommand_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("id");
        const int ctrl = Qt::ControlModifier;
        const int alt = Qt::AltModifier;
        QTest::newRow("Ctrl+1") << int(Qt::Key_1) << ctrl << 121;
        QTest::newRow("Ctrl+2") << int(Qt::Key_2) << ctrl << 122;
        for (int k = 1; k <= 8; ++k)
            QTest::addRow("Alt+%d", k) << int(Qt::Key_0 + k) << alt << 130 + k;
        QTest::newRow("F4") << int(Qt::Key_F4) << 0 << 103;
        QTest::newRow("F5") << int(Qt::Key_F5) << 0 << 104;
        QTest::newRow("F6") << int(Qt::Key_F6) << 0 << 105;
        QTest::newRow("F7") << int(Qt::Key_F7) << 0 << 106;
        QTest::newRow("Ctrl+D") << int(Qt::Key_D) << ctrl << 142;
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << ctrl << 143;
        QTest::newRow("Ctrl+K") << int(Qt::Key_K) << ctrl << 151;
        QTest::newRow("Ctrl+T") << int(Qt::Key_T) << ctrl << 152;
        QTest::newRow("Ctrl+B") << int(Qt::Key_B) << ctrl << 153;
        QTest::newRow("Ctrl+G") << int(Qt::Key_G) << ctrl << 161;
        QTest::newRow("Ctrl+R") << int(Qt::Key_R) << ctrl << 162;
        QTest::newRow("Ctrl+Y") << int(Qt::Key_Y) << ctrl << 163;
    }
    void shortcutReachesCommand()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, id);
        MenuWindow menu;
        QCOMPARE(menu.ribbon->shortcuts().size(), 22);
        menu.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu.window));
        menu.window.activateWindow();
        QSignalSpy executed(menu.ribbon, &Ribbon::Execute);
        QTest::keyClick(&menu.window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(executed.count(), 1);
        QCOMPARE(executed.at(0).at(0).toInt(), id);
    }

    void keysWithoutShortcut()
    {
        MenuWindow menu;
        menu.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu.window));
        QSignalSpy executed(menu.ribbon, &Ribbon::Execute);
        QTest::keyClick(&menu.window, Qt::Key_F3);
        QTest::keyClick(&menu.window, Qt::Key_9, Qt::AltModifier);
        QTest::keyClick(&menu.window, Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(executed.count(), 0);
    }

    void showContextTab_data()
    {
        QTest::addColumn<QList<int>>("calls");
        QTest::addColumn<int>("visible");
        QTest::newRow("6 after 5") << QList<int> { 5, 6 } << 6;
        QTest::newRow("twice the same") << QList<int> { 7, 7 } << 7;
        QTest::newRow("back to 5") << QList<int> { 6, 7, 5 } << 5;
    }
    void showContextTab()
    {
        QFETCH(QList<int>, calls);
        QFETCH(int, visible);
        MenuWindow menu;
        for (int n : calls)
            ShowContextTab(n);
        for (int id = 5; id <= 7; ++id)
            QCOMPARE(menu.ribbon->FindGroup(id)->isHidden(), id != visible);
        for (int id = 1; id <= 4; ++id)
            QVERIFY(!menu.ribbon->FindGroup(id)->isHidden());
    }
};

KX_TEST(TestRibbonMenu)

#include "tst_ribbon_menu.moc"
