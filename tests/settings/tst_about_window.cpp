// The about window: the version caption and the three links.
#include "core/messages.h"
#include "settings/about_window.h"
#include "settings/link_label.h"
#include "tests/settings/url_recorder.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

using namespace kxtest;

class TestAboutWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { qputenv("KANTARIX_WEB_HOST", "127.0.0.1:8123"); }
    void cleanup() { qunsetenv("KANTARIX_WEB_HOST"); }

    void versionCaption_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("caption");

        QTest::newRow("plain") << "3.0.239"
                               << "Sürüm : 3.0.239";
        QTest::newRow("leading zeros dropped") << "3.00.0239"
                                               << "Sürüm : 3.0.239";
        QTest::newRow("a fourth part is not shown") << "4.1.7.2"
                                                    << "Sürüm : 4.1.7";
    }
    void versionCaption()
    {
        QFETCH(QString, version);
        QFETCH(QString, caption);
        QCOMPARE(kx::versionCaption(QVersionNumber::fromString(version)), caption);
    }

    void showsTheBuildsVersion()
    {
        Fixture fixture;
        kx::FHakkinda window;
        QCOMPARE(window.LabVer->text(), QStringLiteral("Sürüm : " KANTARIX_VERSION));
    }

    // Each label opens its own target; the mail label shows the contact address but writes to
    // the support address.
    void links_data()
    {
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QUrl>("target");

        QTest::newRow("product") << 3 << "127.0.0.1:8123" << QUrl("http://127.0.0.1:8123/");
        QTest::newRow("maker") << 4 << "127.0.0.1:8123/hakkimizda.asp"
                               << QUrl("http://127.0.0.1:8123/hakkimizda.asp");
        QTest::newRow("mail") << 9 << "iletisim@kantarix.com" << QUrl("mailto:destek@kantarix.com");
    }
    void links()
    {
        QFETCH(int, label);
        QFETCH(QString, shown);
        QFETCH(QUrl, target);
        Fixture fixture;
        kx::FHakkinda window;
        window.show();
        kx::LinkLabel *link = label == 3 ? window.Label3
            : label == 4                 ? window.Label4
                                         : window.Label9;
        QCOMPARE(link->text(), shown);

        UrlRecorder recorder;
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(recorder.opened, QList<QUrl> { target });
    }

    // Without anything to open a link with, a click shows nothing and the window stays.
    void failedLinkStaysSilent()
    {
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QSKIP("only the offscreen platform has no browser to start");
        Fixture fixture;
        kx::FHakkinda window;
        window.show();
        for (kx::LinkLabel *link : { window.Label3, window.Label4, window.Label9 }) {
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("does not support .*openUrl")));
            QTest::mouseClick(link, Qt::LeftButton);
        }
        QVERIFY(window.isVisible());
        QVERIFY(kx::messageScript().shown.isEmpty());
    }
};

KX_TEST(TestAboutWindow)

#include "tst_about_window.moc"
