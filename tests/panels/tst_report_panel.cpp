// The report and cheque options panel: page choice by the host only, captions, option groups,
// the percent boxes and the cheque buttons, with real clicks.
#include "platform/check_option.h"
#include "platform/tab_strip.h"
#include "tests/panels/panel_fixture.h"
#include "tests/support/kxtest.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList PageCaptions { "Hesap Ekstresi", "Fiyat Listesi", "Kasa Raporu",
                                 "Borç / Alacak",  "Kdv Raporu",    "Stok Hareket",
                                 "Stok Envanter",  "Çekler" };

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2));
}

} // namespace

class TestReportPanel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(configHome.isValid());
        qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    }
    void init()
    {
        host = std::make_unique<HostedPanel>(QStringLiteral("Belgepano.RX"));
        QVERIFY(host->ready);
        strip = host->panel->findChild<kx::TabStrip *>(QStringLiteral("TabX"));
        QVERIFY(strip);
        host->countEvents({ "CekYeni", "CekSil", "CekKaydet" });
    }
    void cleanup() { host.reset(); }

    void stateAtCreation()
    {
        QCOMPARE(strip->SelectedIndex(), 0);
        QCOMPARE(strip->TabCount(), 8);
        QCOMPARE(shownCaptions(), QStringList { "Hesap Ekstresi" });
        QCOMPARE(host->child<QLineEdit>("XTTab")->text(), QStringLiteral("0"));
        QVERIFY(!host->child("XTTab")->isVisible());
        QVERIFY(host->child("XCCari")->isVisible());
        QVERIFY(!host->child("XOGiris2")->isVisible());
        QCOMPARE(host->child<QLineEdit>("XTArti")->text(), QStringLiteral("0"));
        QCOMPARE(host->child<QLineEdit>("XTEksi")->text(), QStringLiteral("0"));
        QStringList selected;
        for (auto *option : host->panel->findChildren<kx::OptionButton *>()) {
            if (option->Value())
                selected << option->objectName();
        }
        QCOMPARE(selected, QStringList { "OCikis2" });
        for (auto *box : host->panel->findChildren<kx::CheckBox *>())
            QVERIFY2(box->Value() == 0, qPrintable(box->objectName()));
        QCOMPARE(host->raised.size(), 0);
    }

    // The captions the user reads, blanks included.
    void choiceCaptions_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("caption");
        QTest::newRow("XBStok") << "XBStok"
                                << " Stok Detay ";
        QTest::newRow("XBTar1") << "XBTar1"
                                << "";
        QTest::newRow("XOGiris2") << "XOGiris2"
                                  << " Giriş ";
        QTest::newRow("XOCikis2") << "XOCikis2"
                                  << " Çıkış ";
        QTest::newRow("XBArti") << "XBArti"
                                << " + (%) ";
        QTest::newRow("XBEksi") << "XBEksi"
                                << " - (%) ";
        QTest::newRow("XOAylik") << "XOAylik"
                                 << " Aylık ";
        QTest::newRow("XOGunluk") << "XOGunluk"
                                  << " Günlük ";
        QTest::newRow("XOGunDetay") << "XOGunDetay"
                                    << " Gün Detayları ";
        QTest::newRow("XOBorclu") << "XOBorclu"
                                  << " Sadece Borçlular ";
        QTest::newRow("XOAlacakli") << "XOAlacakli"
                                    << " Sadece Alacaklılar ";
        QTest::newRow("XOBakiyeli") << "XOBakiyeli"
                                    << " Sadece Bakiyesi Olanlar ";
        QTest::newRow("XOTumu4") << "XOTumu4"
                                 << " Tüm Cariler ";
        QTest::newRow("XOGiris5") << "XOGiris5"
                                  << " Sadece Giriş Faturaları ";
        QTest::newRow("XOCikis5") << "XOCikis5"
                                  << " Sadece Çıkış Faturaları ";
        QTest::newRow("XOTumu5") << "XOTumu5"
                                 << " Tüm Faturalar ";
        QTest::newRow("XBTar5") << "XBTar5"
                                << "";
        QTest::newRow("XBTar6") << "XBTar6"
                                << "";
        QTest::newRow("XOMaliyet") << "XOMaliyet"
                                   << " Son Maliyete Göre ";
        QTest::newRow("XOOrtMal") << "XOOrtMal"
                                  << " Ortalama Maliyete Göre ";
        QTest::newRow("XOAlis") << "XOAlis"
                                << " S.K. Alış Fiyatına Göre ";
        QTest::newRow("XOSatis") << "XOSatis"
                                 << " S.K. Satış Fiyatına Göre ";
        QTest::newRow("XODisarida") << "XODisarida"
                                    << " Dışarıdakiler ";
        QTest::newRow("XOKasada") << "XOKasada"
                                  << " Kasadakiler ";
        QTest::newRow("XOCiro") << "XOCiro"
                                << " Ciro Edilenler ";
        QTest::newRow("XOTahsil") << "XOTahsil"
                                  << " Tahsil Edilenler ";
        QTest::newRow("XOOdenen") << "XOOdenen"
                                  << " Ödenenler ";
        QTest::newRow("XOTumu8") << "XOTumu8"
                                 << " Tümü ";
    }
    void choiceCaptions()
    {
        QFETCH(QString, property);
        QFETCH(QString, caption);
        auto *button = host->child<QAbstractButton>(property.toLatin1().constData());
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
    }

    // The host chooses the page while the panel is hidden (the main window on a document
    // page): shown again, the strip draws the chosen page's whole caption, not a fragment
    // laid out for the empty caption it had.
    void pageChosenWhileHidden_data()
    {
        QTest::addColumn<QStringList>("pages"); // chosen in turn, hidden from the second on
        QTest::newRow("2, then 0") << QStringList { "2", "0" };
        QTest::newRow("7, then 5") << QStringList { "7", "5" };
        QTest::newRow("2, then 3, then 0") << QStringList { "2", "3", "0" };
    }
    void pageChosenWhileHidden()
    {
        QFETCH(QStringList, pages);
        auto *tabs = host->child<QLineEdit>("XTTab");
        tabs->setText(pages.first());
        QTest::qWait(20);
        host->window->hide();
        for (const QString &page : pages.mid(1))
            tabs->setText(page);
        host->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(host->window.get()));
        auto *bar = strip->findChild<QTabBar *>();
        const int page = pages.last().toInt();
        QCOMPARE(bar->currentIndex(), page);
        const QRect tab = bar->tabRect(page);
        QVERIFY(tab.width() > bar->fontMetrics().horizontalAdvance(bar->tabText(page)));
        QVERIFY(bar->rect().contains(tab));
    }

    void pageByTheHost_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("visibleChild");
        QTest::newRow("debts and credits") << "3" << 3 << "XOBorclu";
        QTest::newRow("cheques") << "7" << 7 << "XOTumu8";
        QTest::newRow("stock movements") << "5" << 5 << "XCStok";
        QTest::newRow("back to the first") << "0" << 0 << "XBStok";
        QTest::newRow("no number") << "abc" << 0 << "XDTarB1";
        QTest::newRow("empty") << "" << 0 << "XCCari";
        QTest::newRow("number first") << "2x" << 2 << "XCKasaAy";
        QTest::newRow("leading blank") << " 6" << 6 << "XOSatis";
    }
    void pageByTheHost()
    {
        QFETCH(QString, text);
        QFETCH(int, page);
        QFETCH(QString, visibleChild);
        auto *pageSwitch = host->child<QLineEdit>("XTTab");
        pageSwitch->setText("4");
        pageSwitch->setText(text);
        QCOMPARE(strip->SelectedIndex(), page);
        QCOMPARE(shownCaptions(), QStringList { PageCaptions.at(page) });
        QVERIFY(host->child(visibleChild.toLatin1().constData())->isVisible());
        // Exactly the children of the chosen page show.
        for (QWidget *child : host->panel->findChildren<QWidget *>()) {
            const int childPage = strip->PageOf(child);
            if (childPage >= 0)
                QVERIFY2(child->isVisible() == (childPage == page),
                         qPrintable(child->objectName()));
        }
    }

    void userCannotSwitchPages()
    {
        host->child<QLineEdit>("XTTab")->setText("3");
        auto *bar = strip->findChild<QTabBar *>();
        for (int x = 2; x < bar->width(); x += 20)
            QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(x, bar->height() / 2));
        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(strip->width() / 2, 2));
        QCOMPARE(strip->SelectedIndex(), 3);
        QCOMPARE(shownCaptions(), QStringList { "Borç / Alacak" });
    }

    // Options are exclusive within their own page only.
    void optionGroupsPerPage_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("monthly keeps outgoing prices")
            << "2"
            << "XOAylik" << QStringList { "OCikis2", "OAylik" };
        QTest::newRow("incoming replaces outgoing") << "1"
                                                    << "XOGiris2" << QStringList { "OGiris2" };
        QTest::newRow("all cheques") << "7"
                                     << "XOTumu8" << QStringList { "OCikis2", "OTumu8" };
    }
    void optionGroupsPerPage()
    {
        QFETCH(QString, page);
        QFETCH(QString, option);
        QFETCH(QStringList, selected);
        host->child<QLineEdit>("XTTab")->setText(page);
        click(host->child(option.toLatin1().constData()));
        QStringList actual;
        for (auto *button : host->panel->findChildren<kx::OptionButton *>()) {
            if (button->Value())
                actual << button->objectName();
        }
        std::sort(actual.begin(), actual.end());
        std::sort(selected.begin(), selected.end());
        QCOMPARE(actual, selected);
    }

    // The host sets the options of a page the way the report reset does.
    void hostSelectsWithinAPage()
    {
        auto *daily = host->child<kx::OptionButton>("XOGunluk");
        auto *monthly = host->child<kx::OptionButton>("XOAylik");
        daily->setValue(true);
        monthly->setValue(true);
        QVERIFY(!daily->Value());
        QVERIFY(host->child<kx::OptionButton>("XOCikis2")->Value());
    }

    // Up or down by a percentage, never both.
    void percentBoxes_data()
    {
        QTest::addColumn<int>("up");
        QTest::addColumn<int>("down");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<int>("upAfter");
        QTest::addColumn<int>("downAfter");
        QTest::newRow("up while down") << 0 << 1 << "XBArti" << 1 << 0;
        QTest::newRow("down while up") << 1 << 0 << "XBEksi" << 0 << 1;
        QTest::newRow("up alone") << 0 << 0 << "XBArti" << 1 << 0;
        QTest::newRow("up off again") << 1 << 0 << "XBArti" << 0 << 0;
        QTest::newRow("down alone") << 0 << 0 << "XBEksi" << 0 << 1;
    }
    void percentBoxes()
    {
        QFETCH(int, up);
        QFETCH(int, down);
        QFETCH(QString, clicked);
        QFETCH(int, upAfter);
        QFETCH(int, downAfter);
        host->child<QLineEdit>("XTTab")->setText("1");
        auto *upBox = host->child<kx::CheckBox>("XBArti");
        auto *downBox = host->child<kx::CheckBox>("XBEksi");
        upBox->setValue(up);
        downBox->setValue(down);
        click(host->child(clicked.toLatin1().constData()));
        QCOMPARE(upBox->Value(), upAfter);
        QCOMPARE(downBox->Value(), downAfter);
    }

    void chequeButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("event");
        QTest::newRow("new") << "BYeni"
                             << "Yeni"
                             << "CekYeni";
        QTest::newRow("delete") << "BSil"
                                << "Sil"
                                << "CekSil";
        QTest::newRow("save") << "BKaydet"
                              << "Kaydet"
                              << "CekKaydet";
    }
    void chequeButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, event);
        host->child<QLineEdit>("XTTab")->setText("7");
        auto *push = host->panel->findChild<QPushButton *>(button);
        QVERIFY(push && push->isVisible());
        QCOMPARE(push->text(), caption);
        QTest::mouseClick(push, Qt::LeftButton);
        QCOMPARE(host->raised, (QMap<QString, int> { { event, 1 } }));
    }

    // Enter has no meaning on this panel: it reaches the field and moves nothing.
    void enterIsAnOrdinaryKey()
    {
        host->child<QLineEdit>("XTTab")->setText("1");
        auto *up = host->child<QLineEdit>("XTArti");
        up->setFocus();
        QSignalSpy returns(up, &QLineEdit::returnPressed);
        HostedPanel::press(Qt::Key_Return);
        QCOMPARE(returns.count(), 1);
        QCOMPARE(host->focusedName(), QStringLiteral("TArti"));
    }

private:
    QStringList shownCaptions() const
    {
        auto *bar = strip->findChild<QTabBar *>();
        QStringList shown;
        for (int page = 0; page < bar->count(); ++page) {
            if (bar->isTabVisible(page) && !bar->tabText(page).isEmpty())
                shown << bar->tabText(page);
        }
        return shown;
    }

    QTemporaryDir configHome;
    std::unique_ptr<HostedPanel> host;
    kx::TabStrip *strip = nullptr;
};

KX_TEST(TestReportPanel)
#include "tst_report_panel.moc"
