// Command dispatch of the main window: the rights of other computers and the page-bound commands.
#include "core/messages.h"
#include "core/rights.h"
#include "core/state.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QTest>

using namespace kxtest;

namespace {

const QString NoPermissionText
    = QStringLiteral("Kantarix'nin kurulu olduğu ana bilgisayardaki ayarlara göre;\r\n"
                     "bu menüye erişim izniniz bulunmamaktadır!");

int noPermissionNotices()
{
    int count = 0;
    for (const kx::MessageRecord &record : kx::messageScript().shown)
        count += record.text == NoPermissionText ? 1 : 0;
    return count;
}

} // namespace

class TestRights : public QObject
{
    Q_OBJECT

private slots:
    void rightOfColumn_data()
    {
        QTest::addColumn<bool>("mainComputer");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("granted");

        QTest::newRow("main computer ignores 0")
            << true << int(kx::RightSaveDocument) << "0" << true;
        QTest::newRow("main computer ignores empty")
            << true << int(kx::RightSettings) << "" << true;
        QTest::newRow("one grants") << false << int(kx::RightNewStock) << "1" << true;
        QTest::newRow("other number grants") << false << int(kx::RightEditCari) << "2,5" << true;
        QTest::newRow("leading blank") << false << int(kx::RightDeleteStock) << " 1" << true;
        QTest::newRow("zero refuses") << false << int(kx::RightSaveDocument) << "0" << false;
        QTest::newRow("zero point zero") << false << int(kx::RightSavedDocuments) << "0.0" << false;
        QTest::newRow("empty refuses") << false << int(kx::RightSettings) << "" << false;
        QTest::newRow("word refuses") << false << int(kx::RightDeleteCari) << "evet" << false;
    }
    void rightOfColumn()
    {
        QFETCH(bool, mainComputer);
        QFETCH(int, column);
        QFETCH(QString, stored);
        QFETCH(bool, granted);

        Fixture fixture;
        fixture.login(1);
        kx::state().Conn->Execute(
            QStringLiteral("update \"1Ayar\" set a%1=? where id=53").arg(column), { stored });
        fixture.loadLists();
        kx::state().MainComputer = mainComputer;

        QCOMPARE(kx::HasRight(column), granted);
        QCOMPARE(noPermissionNotices(), 0);
        QCOMPARE(kx::CheckRight(column), granted);
        QCOMPARE(noPermissionNotices(), granted ? 0 : 1);
    }

    // Each column guards only itself: refusing one leaves its neighbours granted.
    void columnsAreSeparate()
    {
        Fixture fixture;
        fixture.login(1);
        kx::state().Conn->Execute(
            QStringLiteral("update \"1Ayar\" set a1='1',a2='1',a3='1',a4='1',a5='1',a6='1',"
                           "a7='0',a8='1',a9='1' where id=53"));
        fixture.loadLists();
        kx::state().MainComputer = false;
        for (int column = kx::RightNewStock; column <= kx::RightSettings; ++column)
            QCOMPARE(kx::HasRight(column), column != kx::RightSaveDocument);
    }
};

KX_TEST(TestRights)

#include "tst_commands.moc"
