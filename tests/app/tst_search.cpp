// The search box of the main grid: the fold of typed and stored names, and the first match.
#include "core/search.h"
#include "tests/support/kxtest.h"

#include <QTest>

class TestSearchMatch : public QObject
{
    Q_OBJECT

private slots:
    void match_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("matches");

        QTest::newRow("plain prefix") << "KE"
                                      << "KEMAL" << true;
        QTest::newRow("lower case cell") << "KE"
                                         << "kemal" << true;
        QTest::newRow("mixed case cell") << "KE"
                                         << "kEmal" << true;
        QTest::newRow("typed in lower case") << "ke"
                                             << "KEMAL" << true;
        QTest::newRow("Turkish capitals stored") << "SAHIN"
                                                 << "ŞAHİN" << true;
        QTest::newRow("Turkish capitals typed") << "ŞAHİN"
                                                << "SAHIN" << true;
        QTest::newRow("Turkish lower case stored") << "SAHIN"
                                                   << "şahin" << true;
        QTest::newRow("dotless i") << "KILIC"
                                   << "Kılıç" << true;
        QTest::newRow("dotted capital I") << "IZMIR"
                                          << "İzmir" << true;
        QTest::newRow("all folded letters") << "GUSCOI"
                                            << "ğüşçöı" << true;
        QTest::newRow("empty search") << ""
                                      << "ANY" << true;
        QTest::newRow("empty search, empty cell") << ""
                                                  << "" << true;
        QTest::newRow("not at the start") << "MAL"
                                          << "KEMAL" << false;
        QTest::newRow("longer than the cell") << "KEMALL"
                                              << "KEMAL" << false;
        QTest::newRow("other letter") << "KA"
                                      << "KEMAL" << false;
        QTest::newRow("empty cell") << "K"
                                    << "" << false;
    }
    void match()
    {
        QFETCH(QString, typed);
        QFETCH(QString, cell);
        QFETCH(bool, matches);
        QCOMPARE(kx::searchMatches(kx::searchFold(typed), cell), matches);
    }
};

KX_TEST(TestSearchMatch)

#include "tst_search.moc"
