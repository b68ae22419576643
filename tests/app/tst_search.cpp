// The search box of the main grid: the fold of typed and stored names, and the first match.
#include "app/main_window.h"
#include "core/search.h"
#include "core/state.h"
#include "platform/grid.h"
#include "tests/app/events_window.h"
#include "tests/support/builders.h"
#include "tests/support/kxtest.h"
#include "tests/support/typing.h"

#include <QLineEdit>
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
        // Letters the fold does not know are put in upper case on both sides.
        QTest::newRow("circumflex typed, capital stored") << "kâ"
                                                          << "KÂHYA" << true;
        QTest::newRow("capital typed, circumflex stored") << "KÂ"
                                                          << "kâhya" << true;
        QTest::newRow("i circumflex") << "Şîr"
                                      << "ŞÎRİN" << true;
        QTest::newRow("e acute") << "CAFé"
                                 << "café au lait" << true;
        QTest::newRow("circumflex is no plain a") << "KA"
                                                  << "KÂHYA" << false;
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

// The search box on the started window, typed key by key.
class TestSearchBox : public QObject
{
    Q_OBJECT

    // Accounts keep what was typed into them; in name order: ALİ, KEMAL, Kılıç, ŞAHİN, şen.
    void addAccounts()
    {
        for (const char *name : { "KEMAL", "ŞAHİN", "Kılıç", "ALİ", "şen" })
            kxtest::addAccount(QStringLiteral("1"), QString::fromUtf8(name));
    }
    static int selectedRow(kx::FMain &w)
    {
        const QModelIndexList rows = w.Grid1->selectionModel()->selectedIndexes();
        return rows.isEmpty() ? -1 : rows.first().row() + 1;
    }

private slots:
    void typing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("found"); // name in the selected row

        QTest::newRow("plain letters") << "ke"
                                       << "KE"
                                       << "KEMAL";
        QTest::newRow("Turkish capitals stored") << "şah"
                                                 << "SAH"
                                                 << "ŞAHİN";
        QTest::newRow("plain letters find Turkish capitals") << "sa"
                                                             << "SA"
                                                             << "ŞAHİN";
        QTest::newRow("Turkish lower case stored") << "şe"
                                                   << "SE"
                                                   << "şen";
        QTest::newRow("dotless i") << "kılı"
                                   << "KILI"
                                   << "Kılıç";
        QTest::newRow("dotted capital I") << "ali"
                                          << "ALI"
                                          << "ALİ";
    }
    void typing()
    {
        QFETCH(QString, typed);
        QFETCH(QString, field);
        QFETCH(QString, found);
        kxtest::EventsWindow env;
        addAccounts();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::AccountList);
        w.TBul->setFocus(Qt::OtherFocusReason);
        kxtest::typeText(w.TBul, typed);
        QCOMPARE(w.TBul->text(), field);
        const int row = selectedRow(w);
        QVERIFY(row >= 1);
        QCOMPARE(w.Grid1->Cell(row, 2).Text(), found);
        QCOMPARE(w.Grid1->CurrentCell().Row(), row);
    }

    // No match keeps the selection; the empty text goes back to row 1.
    void noMatchAndEmptyText()
    {
        kxtest::EventsWindow env;
        addAccounts();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::AccountList);
        w.TBul->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(w.TBul, "KEM");
        const int kemal = selectedRow(w);
        QTest::keyClicks(w.TBul, "X");
        QCOMPARE(selectedRow(w), kemal);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(w.TBul, Qt::Key_Backspace);
        QCOMPARE(w.TBul->text(), QString());
        QCOMPARE(selectedRow(w), 1);
    }

    // On a report page the search runs over that page's column 2; a page with no data rows
    // selects nothing.
    void otherPages()
    {
        kxtest::EventsWindow env;
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::PriceList);
        w.TBul->setText(QStringLiteral("VI"));
        QCOMPARE(selectedRow(w), -1);
        w.Grid1->setRows(3);
        w.Grid1->Cell(1, 2).setText(QStringLiteral("SOMUN"));
        w.Grid1->Cell(2, 2).setText(QStringLiteral("vida M8"));
        w.TBul->setText(QStringLiteral("VID"));
        QCOMPARE(selectedRow(w), 2);
    }
};

KX_TEST(TestSearchBox)

#include "tst_search.moc"
