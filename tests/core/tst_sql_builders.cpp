// The update and insert builders, the table guard and document numbering.
#include "core/sql_builders.h"
#include "core/state.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QLineEdit>
#include <QTest>

using Slots = QMap<int, QVariant>;
using Columns = QMap<int, QVariant>; // column number → expected stored value (Null: NULL)

namespace {
kx::RowArray readRow(const QString &table, qint64 id)
{
    kx::Recordset rs;
    rs.Open(QStringLiteral("select * from \"%1\" where id=?").arg(table), *kx::state().Conn,
            { id });
    return rs.GetRows();
}

void fill(const Slots &values)
{
    for (auto it = values.begin(); it != values.end(); ++it)
        kx::state().FieldValues[it.key()] = it.value();
}

void verifyAllSkipped(int last)
{
    for (int k = 1; k <= last; ++k)
        QCOMPARE(kx::state().FieldValues.at(k).toString(), kx::SkipSlot);
}
} // namespace

class TestExecUpdate : public QObject
{
    Q_OBJECT
private slots:
    void update_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<Slots>("values");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<Columns>("stored");
        QTest::newRow("one settings column")
            << "1Ayar" << Slots { { 7, "x" } } << "update \"1Ayar\" set a7=? where id=?"
            << Columns { { 7, "x" }, { 4, "1" } };
        QTest::newRow("two prices") << "1Stok" << Slots { { 4, "12,50" }, { 6, "15,00" } }
                                    << "update \"1Stok\" set a4=?,a6=? where id=?"
                                    << Columns { { 4, "12,50" }, { 6, "15,00" } };
        QTest::newRow("last column")
            << "1Ayar" << Slots { { 50, "9" } } << "update \"1Ayar\" set a50=? where id=?"
            << Columns { { 50, "9" } };
        QTest::newRow("empty text is written")
            << "1Stok" << Slots { { 3, "" } } << "update \"1Stok\" set a3=? where id=?"
            << Columns { { 3, "" } };
        QTest::newRow("numbers as text") << "1Ayar" << Slots { { 1, 1500 }, { 2, 2.5 } }
                                         << "update \"1Ayar\" set a1=?,a2=? where id=?"
                                         << Columns { { 1, "1500" }, { 2, "2,5" } };
        QTest::newRow("skip mark as a character")
            << "1Stok" << Slots { { 3, QChar(u'\u00BF') }, { 4, "9,90" } }
            << "update \"1Stok\" set a4=? where id=?" << Columns { { 3, "20" }, { 4, "9,90" } };
        QTest::newRow("quote and semicolon")
            << "1Stok" << Slots { { 2, "O'Brien'; drop table \"1Stok\"; --" }, { 18, "a'b" } }
            << "update \"1Stok\" set a2=?,a18=? where id=?"
            << Columns { { 2, "O'Brien'; drop table \"1Stok\"; --" }, { 18, "a'b" } };
    }
    void update()
    {
        QFETCH(QString, table);
        QFETCH(Slots, values);
        QFETCH(QString, statement);
        QFETCH(Columns, stored);
        kxtest::Fixture fixture;
        fixture.login(1);
        const qint64 id = table == "1Stok" ? kxtest::addStock("1", "Vida", { { 3, "20" } }) : 3;
        kx::state().FieldValues[0] = QStringLiteral("slot zero");
        fill(values);
        kx::ExecUpdate(table, id);
        QCOMPARE(kx::state().SqlText, statement);
        verifyAllSkipped(50);
        QCOMPARE(kx::state().FieldValues.at(0).toString(), QStringLiteral("slot zero"));
        const kx::RowArray row = readRow(table, id);
        const int offset = table.endsWith("Ayar") ? 1 : 0; // settings rows carry nedir first
        for (auto it = stored.begin(); it != stored.end(); ++it) {
            const QVariant value = row.value(it.key() + offset, 0);
            QVERIFY2(!value.isNull(), qPrintable(QStringLiteral("a%1").arg(it.key())));
            QCOMPARE(value.toString(), it.value().toString());
        }
    }

    void idGivenAsText()
    {
        kxtest::Fixture fixture;
        fixture.login(2);
        kx::state().FieldValues[8] = QStringLiteral("B");
        kx::ExecUpdate(kx::state().TblAyar, QStringLiteral("3"));
        QCOMPARE(readRow("2Ayar", 3).text(9, 0), QStringLiteral("B"));
        QCOMPARE(readRow("1Ayar", 3).text(9, 0), QStringLiteral("A"));
    }

    // Slots never filled (a fresh state, before the start-up marks them) write nothing.
    void unfilledSlotsWriteNothing()
    {
        kxtest::Fixture fixture;
        fixture.login(1);
        kx::state().FieldValues = kx::SlotArray();
        kx::state().FieldValues[7] = QStringLiteral("#,##0.000");
        kx::ExecUpdate("1Ayar", 3);
        QCOMPARE(kx::state().SqlText, QStringLiteral("update \"1Ayar\" set a7=? where id=?"));
        const kx::RowArray row = readRow("1Ayar", 3);
        QCOMPARE(row.text(8, 0), QStringLiteral("#,##0.000"));
        QCOMPARE(row.text(5, 0), QStringLiteral("1"));
    }

    void nothingSetRunsNothing()
    {
        kxtest::Fixture fixture;
        fixture.login(1);
        kx::ExecUpdate("1Ayar", 3);
        QCOMPARE(kx::state().SqlText, QString());
        QCOMPARE(readRow("1Ayar", 3).text(8, 0), QStringLiteral("#,##0.00"));
    }

    void unknownTableRefused_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("empty") << "";
        QTest::newRow("other") << "sqlite_master";
        QTest::newRow("injected") << "1Stok set a1='x' --";
    }
    void unknownTableRefused()
    {
        QFETCH(QString, table);
        kxtest::Fixture fixture;
        fixture.login(1);
        kx::state().FieldValues[1] = QStringLiteral("x");
        QVERIFY_THROWS_EXCEPTION(kx::DatabaseError, kx::ExecUpdate(table, 1));
        QVERIFY_THROWS_EXCEPTION(kx::DatabaseError, kx::ExecInsert(table));
    }
};

class TestExecInsert : public QObject
{
    Q_OBJECT
private slots:
    void insertsSetSlotsOnly()
    {
        kxtest::Fixture fixture;
        fixture.login(1);
        for (int k = 1; k <= 18; ++k)
            kx::state().FieldValues[k] = QStringLiteral("v%1").arg(k);
        kx::state().FieldValues[2] = QStringLiteral("Kaan'ın; \"vida\"");
        kx::state().FieldValues[20] = QStringLiteral("stays");
        const qint64 id = kx::ExecInsert(kx::state().TblStok);
        QVERIFY(id > 0);
        QCOMPARE(id, kx::state().Conn->LastInsertId());
        QVERIFY(kx::state().SqlText.startsWith("insert into \"1Stok\" (a1,a2,a3,"));
        QVERIFY(kx::state().SqlText.endsWith(",a18) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        verifyAllSkipped(18);
        QCOMPARE(kx::state().FieldValues.at(20).toString(), QStringLiteral("stays"));
        const kx::RowArray row = readRow("1Stok", id);
        QCOMPARE(row.text(2, 0), QStringLiteral("Kaan'ın; \"vida\""));
        for (int k = 3; k <= 18; ++k)
            QCOMPARE(row.text(k, 0), QStringLiteral("v%1").arg(k));
        QCOMPARE(row.value(19, 0).toInt(), 0); // silindi
    }

    void partialInsertLeavesOthersNull()
    {
        kxtest::Fixture fixture;
        fixture.login(2);
        kx::state().FieldValues[1] = QStringLiteral("C1");
        kx::state().FieldValues[5] = QStringLiteral("");
        const qint64 id = kx::ExecInsert(kx::state().TblCari);
        QCOMPARE(kx::state().SqlText, QStringLiteral("insert into \"2Cari\" (a1,a5) values (?,?)"));
        const kx::RowArray row = readRow("2Cari", id);
        QCOMPARE(row.text(1, 0), QStringLiteral("C1"));
        QVERIFY(!row.value(5, 0).isNull());
        QCOMPARE(row.text(5, 0), QString());
        QVERIFY(row.value(2, 0).isNull());
    }

    void nothingSetRunsNothing()
    {
        kxtest::Fixture fixture;
        fixture.login(1);
        QCOMPARE(kx::ExecInsert("1Stok"), 0);
        kx::Recordset rs;
        rs.Open("select * from \"1Stok\"", *kx::state().Conn);
        QCOMPARE(rs.RecordCount(), 0);
    }
};

class TestNumbering : public QObject
{
    Q_OBJECT
private slots:
    void nextSiraNo_data()
    {
        using Existing = QList<QStringList>; // kind, series, number
        QTest::addColumn<Existing>("existing");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("next");
        QTest::newRow("none") << Existing {} << 3 << "A"
                              << "1";
        QTest::newRow("numeric not text order")
            << Existing { { "3", "A", "9" }, { "3", "A", "10" } } << 3 << "A"
            << "11";
        QTest::newRow("trailing letter")
            << Existing { { "5", "B", "12A" }, { "5", "B", "3" } } << 5 << "B"
            << "13";
        QTest::newRow("other kind and series ignored")
            << Existing { { "5", "A", "40" }, { "3", "B", "50" }, { "3", "A", "2" } } << 3 << "A"
            << "3";
        QTest::newRow("series in other case counts") << Existing { { "6", "a", "7" } } << 6 << "A"
                                                     << "8";
        QTest::newRow("series with quote")
            << Existing { { "4", "A'", "4" }, { "4", "A", "9" } } << 4 << "A'"
            << "5";
        QTest::newRow("highest number twice")
            << Existing { { "5", "A", "7" }, { "5", "A", "7A" }, { "5", "A", "6" } } << 5 << "A"
            << "8";
        QTest::newRow("no digits") << Existing { { "3", "A", "X" } } << 3 << "A"
                                   << "1";
    }
    void nextSiraNo()
    {
        using Existing = QList<QStringList>;
        QFETCH(Existing, existing);
        QFETCH(int, kind);
        QFETCH(QString, series);
        QFETCH(QString, next);
        kxtest::Fixture fixture;
        fixture.login(1);
        for (const QStringList &document : existing) {
            kxtest::Header header;
            header.bmod = document.at(0).toInt();
            header.serino = document.at(1);
            header.sirano = document.at(2);
            kxtest::addDocument(header);
        }
        QCOMPARE(kx::NextSiraNo(kind, series), next);
        QLineEdit field;
        kx::NextSiraNo(&field, kind, series);
        QCOMPARE(field.text(), next);
        QVERIFY(!kx::state().Rs->IsOpen());
    }

    // The highest id of the documents table, whatever the connection inserted last: a card
    // written after the header has an id of its own table, and a later header of another
    // computer is the table's newest.
    void lastIdIsTheHighestDocumentId_data()
    {
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("otherIsNewest");
        QTest::newRow("a card inserted after the header") << "card" << false;
        QTest::newRow("another computer's later header") << "other computer" << true;
        QTest::newRow("nothing after") << "" << false;
    }
    void lastIdIsTheHighestDocumentId()
    {
        QFETCH(QString, after);
        QFETCH(bool, otherIsNewest);
        kxtest::Fixture fixture;
        fixture.login(1);
        const qint64 ours = kxtest::addDocument({});
        qint64 newest = ours;
        if (after == u"card") {
            for (const char *name : { "VIDA", "SOMUN", "PUL" })
                kxtest::addStock(QStringLiteral("9000"), QString::fromLatin1(name));
            QVERIFY(kx::state().Conn->LastInsertId() != ours);
        } else if (after == u"other computer") {
            kx::Connection otherComputer("other computer");
            otherComputer.Open(fixture.databasePath());
            otherComputer.Execute(
                "insert into \"1Belge\" (bmod, serino, sirano) values (3, 'A', '2')");
            newest = otherComputer.LastInsertId();
            otherComputer.Close();
        }
        kx::LoadLastId();
        QCOMPARE(kx::state().LastBelgeId.toLongLong(), newest);
        QCOMPARE(newest > ours, otherIsNewest);
        QVERIFY(!kx::state().Rs->IsOpen());
    }
};

KX_TEST(TestExecUpdate)
KX_TEST(TestExecInsert)
KX_TEST(TestNumbering)
#include "tst_sql_builders.moc"
