// Twips to pixels, the one conversion of every drawn layout.
#include "platform/twips.h"
#include "tests/support/kxtest.h"

#include <QTest>

class TestTwips : public QObject
{
    Q_OBJECT
private slots:
    void conversion_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("one pixel") << 15 << 1;
        QTest::newRow("rounds half up") << 8 << 1;
        QTest::newRow("rounds down") << 7 << 0;
        QTest::newRow("panel width") << 12015 << 801;
    }
    void conversion()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(kx::twipsToPixels(twips), pixels);
    }
};

KX_TEST(TestTwips)
#include "tst_twips.moc"
