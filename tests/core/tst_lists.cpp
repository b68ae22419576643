// Settings load with the row-54 upgrade, the card lists, their order and the look-up by id.
#include "core/conversions.h"
#include "core/lists.h"
#include "core/state.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QTest>

namespace {
kx::RowArray settingsTable(const QString &table)
{
    kx::Recordset rs;
    rs.Open(QStringLiteral("select * from \"%1\" order by id").arg(table), *kx::state().Conn);
    return rs.GetRows();
}

QStringList names(const kx::RowArray &rows)
{
    QStringList result;
    for (int r = 0; r < rows.recordCount(); ++r)
        result << rows.text(2, r);
    return result;
}

void execute(const QString &sql, const QVariantList &values = {})
{
    kx::state().Conn->Execute(sql, values);
}
} // namespace

class TestSettingsLoad : public QObject
{
    Q_OBJECT
private slots:
    void upgradeAddsRow54_data()
    {
        QTest::addColumn<int>("company");
        QTest::newRow("first company") << 1;
        QTest::newRow("second company") << 2;
    }
    void upgradeAddsRow54()
    {
        QFETCH(int, company);
        kxtest::Fixture fixture;
        fixture.login(company);
        const QString own = kx::state().TblAyar;
        const QString other = company == 1 ? "2Ayar" : "1Ayar";
        kx::LoadLists(true, false, false);

        const QStringList expected
            = { "54", "stok ve cari tablolari", "0", "0", "1", "1", "1", "1" };
        const kx::RowArray &rows = kx::state().AyarRows;
        QCOMPARE(rows.recordCount(), 54);
        const kx::RowArray stored = settingsTable(own);
        QCOMPARE(stored.recordCount(), 54);
        for (int f = 0; f < expected.size(); ++f) {
            QCOMPARE(rows.text(f, 53), expected.at(f));
            QCOMPARE(stored.text(f, 53), expected.at(f));
        }
        QVERIFY(rows.value(8, 53).isNull()); // a7 stays empty
        QCOMPARE(settingsTable(other).recordCount(), 53);

        kx::LoadLists(true, false, false);
        QCOMPARE(settingsTable(own).recordCount(), 54);
    }

    // Row 54 that an older program added: a5 set is kept, a5 empty is switched on.
    void existingRow54_data()
    {
        QTest::addColumn<QVariant>("a5");
        QTest::addColumn<QVariant>("a6");
        QTest::addColumn<QString>("expectedA5");
        QTest::addColumn<QString>("expectedA6");
        QTest::newRow("switches set") << QVariant("0") << QVariant("0") << "0"
                                      << "0";
        QTest::newRow("switches mixed") << QVariant("1") << QVariant("0") << "1"
                                        << "0";
        QTest::newRow("switches empty") << QVariant(QMetaType(QMetaType::QString))
                                        << QVariant(QMetaType(QMetaType::QString)) << "1"
                                        << "1";
    }
    void existingRow54()
    {
        QFETCH(QVariant, a5);
        QFETCH(QVariant, a6);
        QFETCH(QString, expectedA5);
        QFETCH(QString, expectedA6);
        kxtest::Fixture fixture;
        fixture.login(1);
        execute("insert into \"1Ayar\" (nedir,a1,a2,a3,a4,a5,a6) values (?,?,?,?,?,?,?)",
                { "stok ve cari tablolari", "1", "1", "1", "1", a5, a6 });
        kx::LoadLists(true, false, false);
        const kx::RowArray &rows = kx::state().AyarRows;
        QCOMPARE(rows.recordCount(), 54);
        QCOMPARE(rows.text(2, 53), QStringLiteral("1")); // a1 untouched
        QCOMPARE(rows.text(6, 53), expectedA5);
        QCOMPARE(rows.text(7, 53), expectedA6);
        QCOMPARE(settingsTable("1Ayar").text(6, 53), expectedA5);
    }

    void fewerRowsGetNoRow54()
    {
        kxtest::Fixture fixture;
        fixture.login(1);
        execute("delete from \"1Ayar\" where id=53");
        kx::LoadLists(true, false, false);
        QCOMPARE(kx::state().AyarRows.recordCount(), 52);
        QCOMPARE(settingsTable("1Ayar").recordCount(), 52);
    }

    void printNamesFollowUserCaptions()
    {
        kxtest::Fixture fixture;
        fixture.login(1);
        execute("update \"1Ayar\" set a19=?, a24=? where id=1", { "Renk", "Beden" });
        kx::LoadLists(true, false, false);
        const kx::ModuleState &s = kx::state();
        QCOMPARE(s.PrintFieldNamesUpper.at(20).toString(), QStringLiteral("ÜRÜN Renk"));
        QCOMPARE(s.PrintFieldNames.at(20).toString(), QStringLiteral("Ürün Renk"));
        QCOMPARE(s.PrintFieldNames.at(25).toString(), QStringLiteral("Ürün Beden"));
        execute("update \"1Ayar\" set a19=? where id=1", { "Model" });
        kx::LoadLists(true, false, false);
        QCOMPARE(s.PrintFieldNames.at(20).toString(), QStringLiteral("Ürün Model"));
        QVERIFY(s.PrintFieldNames.at(19).isNull());
    }
};

class TestCardLists : public QObject
{
    Q_OBJECT
private slots:
    void kinds_data()
    {
        QTest::addColumn<bool>("stock");
        QTest::newRow("stock") << true;
        QTest::newRow("accounts") << false;
    }

    void deletedOnlyInAllRows_data() { kinds_data(); }
    void deletedOnlyInAllRows()
    {
        QFETCH(bool, stock);
        kxtest::Fixture fixture;
        fixture.login(1);
        auto add = stock ? kxtest::addStock : kxtest::addAccount;
        const qint64 live = add("1", "Canlı", {}, false);
        const qint64 deleted = add("2", "Silinmiş", {}, true);
        kx::LoadLists(false, stock, !stock);
        const kx::ModuleState &s = kx::state();
        const kx::RowArray &all = stock ? s.StokAllRows : s.CariAllRows;
        const kx::RowArray &liveRows = stock ? s.StokRows : s.CariRows;
        QCOMPARE(stock ? s.StokVar : s.CariVar, QStringLiteral("var"));
        QCOMPARE(names(all), QStringList({ "Canlı", "Silinmiş" }));
        QCOMPARE(names(liveRows), QStringList({ "Canlı" }));
        QCOMPARE(all.fieldCount(), 20); // id, a1..a18, silindi
        const QString kind = stock ? "S" : "C";
        QCOMPARE(kx::FindListIndex(kind, deleted).toInt(), 1);
        QCOMPARE(kx::FindListIndex(kind, live).toInt(), 0);
        auto byId = stock ? kx::stockRecordById : kx::accountRecordById;
        QCOMPARE(byId(deleted, false), -1);
        QCOMPARE(byId(live, false), 0);
        QCOMPARE(byId(deleted, true), 1);
        // The other kind's lists were not loaded.
        QVERIFY((stock ? s.CariAllRows : s.StokAllRows).isEmpty());
    }

    // With no live card the flag says "yok" and the live array keeps what it held.
    void noLiveCardsKeepOldArray_data() { kinds_data(); }
    void noLiveCardsKeepOldArray()
    {
        QFETCH(bool, stock);
        kxtest::Fixture fixture;
        fixture.login(2);
        const kx::ModuleState &s = kx::state();
        const QString table = stock ? s.TblStok : s.TblCari;
        kx::LoadLists(false, stock, !stock);
        QCOMPARE(stock ? s.StokVar : s.CariVar, QStringLiteral("yok"));
        QVERIFY((stock ? s.StokRows : s.CariRows).isEmpty());

        const qint64 old = (stock ? kxtest::addStock : kxtest::addAccount)("1", "Eski", {}, false);
        kx::LoadLists(false, stock, !stock);
        execute(QStringLiteral("update \"%1\" set silindi=1").arg(table));
        kx::LoadLists(false, stock, !stock);
        QCOMPARE(stock ? s.StokVar : s.CariVar, QStringLiteral("yok"));
        QCOMPARE(names(stock ? s.StokRows : s.CariRows), QStringList({ "Eski" }));
        const kx::RowArray &all = stock ? s.StokAllRows : s.CariAllRows;
        QCOMPARE(all.value(19, 0).toInt(), 1);
        // The kept rows are no live card: the look-up finds none.
        auto byId = stock ? kx::stockRecordById : kx::accountRecordById;
        QCOMPARE(byId(old, false), -1);
        QCOMPARE(byId(old, true), 0);
    }

    void turkishOrder_data() { kinds_data(); }
    void turkishOrder()
    {
        QFETCH(bool, stock);
        kxtest::Fixture fixture;
        fixture.login(1);
        const QStringList ordered
            = { "10 Numara", "Cam", "çay",   "Çekiç", "ılık", "Irmak", "İp",   "ismail",
                "Ocak",      "öğe", "Sabun", "şeker", "ŞİŞE", "Un",    "üzüm", "Zeytin" };
        QStringList shuffled = ordered;
        std::reverse(shuffled.begin(), shuffled.end());
        std::swap(shuffled[3], shuffled[9]);
        QList<qint64> ids;
        for (int i = 0; i < shuffled.size(); ++i)
            ids << (stock ? kxtest::addStock : kxtest::addAccount)(QString::number(i), shuffled[i],
                                                                   {}, i % 5 == 4);
        fixture.loadLists();
        const kx::ModuleState &s = kx::state();
        const kx::RowArray &all = stock ? s.StokAllRows : s.CariAllRows;
        QCOMPARE(names(all), ordered);
        QStringList live;
        for (int i = 0; i < shuffled.size(); ++i)
            if (i % 5 != 4)
                live << shuffled[i];
        std::sort(live.begin(), live.end(), [&](const QString &a, const QString &b) {
            return ordered.indexOf(a) < ordered.indexOf(b);
        });
        QCOMPARE(names(stock ? s.StokRows : s.CariRows), live);
        // The look-up by id follows the new order.
        for (int i = 0; i < ids.size(); ++i) {
            const int record = kx::FindListIndex(stock ? "S" : "C", ids[i]).toInt();
            QCOMPARE(all.text(2, record), shuffled[i]);
        }
    }

    void sameNameIgnoresCase()
    {
        QVERIFY(kx::turkishSortKey("ÇAY") == kx::turkishSortKey("çay"));
        QVERIFY(kx::turkishSortKey("İNCİ") == kx::turkishSortKey("inci"));
        QVERIFY(kx::turkishSortKey("IRMAK") == kx::turkishSortKey("ırmak"));
        QVERIFY(kx::turkishSortKey("IRMAK") != kx::turkishSortKey("irmak"));
    }
};

KX_TEST(TestSettingsLoad)
KX_TEST(TestCardLists)
#include "tst_lists.moc"
