// The connection and recordset: bound values, Null, errors, ids, transactions, reads.
#include "platform/adodb.h"
#include "tests/support/kxtest.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
struct Database
{
    QTemporaryDir dir;
    kx::Connection conn { QStringLiteral("adodb test") };
    Database()
    {
        conn.Open(dir.path() + QStringLiteral("/t.db"));
        conn.Execute(QStringLiteral("create table t (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                                    "n INTEGER, r REAL, s TEXT, b BLOB)"));
    }
};
} // namespace

class TestAdodb : public QObject
{
    Q_OBJECT
private slots:
    void valuesRoundTrip_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("read");
        QTest::newRow("int") << "n" << QVariant(42) << QVariant(qlonglong(42));
        QTest::newRow("large int")
            << "n" << QVariant(qlonglong(1) << 40) << QVariant(qlonglong(1) << 40);
        QTest::newRow("bool") << "n" << QVariant(true) << QVariant(qlonglong(1));
        QTest::newRow("double") << "r" << QVariant(2.5) << QVariant(2.5);
        QTest::newRow("number text into number column")
            << "n" << QVariant("20240131") << QVariant(qlonglong(20240131));
        QTest::newRow("turkish text")
            << "s" << QVariant("Çağrı'nın; \"not\"") << QVariant("Çağrı'nın; \"not\"");
        QTest::newRow("empty text") << "s" << QVariant("") << QVariant("");
        QTest::newRow("bytes") << "b" << QVariant(QByteArray("\0\1\2", 3))
                               << QVariant(QByteArray("\0\1\2", 3));
    }
    void valuesRoundTrip()
    {
        QFETCH(QString, column);
        QFETCH(QVariant, value);
        QFETCH(QVariant, read);
        Database db;
        db.conn.Execute(QStringLiteral("insert into t (%1) values (?)").arg(column), { value });
        kx::Recordset rs;
        rs.Open(QStringLiteral("select %1 from t").arg(column), db.conn);
        QCOMPARE(rs.RecordCount(), 1);
        const QVariant got = rs.Fields(column);
        QVERIFY(!got.isNull());
        QCOMPARE(got.metaType(), read.metaType());
        QCOMPARE(got, read);
    }

    void nullStaysApartFromEmptyText()
    {
        Database db;
        db.conn.Execute("insert into t (s) values (?)",
                        { QVariant(QMetaType::fromType<QString>()) });
        db.conn.Execute("insert into t (s) values (?)", { QString("") });
        kx::Recordset rs;
        rs.Open("select s from t order by id", db.conn);
        QVERIFY(rs.Fields("S").isNull()); // names without regard to case
        QCOMPARE(rs.Fields(0).toString(), QString());
        rs.MoveNext();
        QVERIFY(!rs.Fields("s").isNull());
        rs.MoveNext();
        QVERIFY(rs.Eof());
    }

    void failuresThrow_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("values");
        QTest::newRow("bad statement") << "selec * from t" << 0;
        QTest::newRow("missing table") << "select * from yok" << 0;
        QTest::newRow("too few values") << "insert into t (n, s) values (?, ?)" << 1;
        QTest::newRow("too many values") << "insert into t (n) values (?)" << 2;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("second statement") << "select 1; delete from t" << 0;
    }
    void failuresThrow()
    {
        QFETCH(QString, sql);
        QFETCH(int, values);
        Database db;
        QVariantList bound;
        for (int i = 0; i < values; ++i)
            bound << i;
        QVERIFY_THROWS_EXCEPTION(kx::DatabaseError, db.conn.Execute(sql, bound));
        kx::Recordset rs;
        QVERIFY_THROWS_EXCEPTION(kx::DatabaseError, rs.Open(sql, db.conn, bound));
        QVERIFY(!rs.IsOpen());
        kx::Connection closed("closed");
        QVERIFY_THROWS_EXCEPTION(kx::DatabaseError, closed.Execute("select 1"));
    }

    void idsChangesAndTransactions()
    {
        Database db;
        db.conn.Execute("insert into t (n) values (?)", { 1 });
        QCOMPARE(db.conn.LastInsertId(), 1);
        db.conn.Execute("insert into t (n) values (?)", { 2 });
        QCOMPARE(db.conn.LastInsertId(), 2);
        QCOMPARE(db.conn.Execute("update t set n=n+1"), 2);

        db.conn.BeginTrans();
        db.conn.Execute("insert into t (n) values (?)", { 3 });
        db.conn.RollbackTrans();
        db.conn.BeginTrans();
        db.conn.Execute("insert into t (n) values (?)", { 4 });
        db.conn.CommitTrans();
        kx::Recordset rs;
        rs.Open("select n from t order by id", db.conn);
        QCOMPARE(rs.RecordCount(), 3);
        rs.MoveLast();
        QCOMPARE(rs.Fields(0).toInt(), 4);
    }

    void getRowsFromCurrentRecord()
    {
        Database db;
        for (int n : { 10, 20, 30 })
            db.conn.Execute("insert into t (n, s) values (?, ?)", { n, QString::number(n) });
        kx::Recordset rs;
        rs.Open("select n, s from t where n >= ? order by n", db.conn, { 20 });
        QCOMPARE(rs.fieldNames(), QStringList({ "n", "s" }));
        kx::RowArray all = rs.GetRows();
        QCOMPARE(all.fieldCount(), 2);
        QCOMPARE(all.recordCount(), 2);
        QCOMPARE(all.text(1, 1), QStringLiteral("30"));
        rs.MoveNext();
        const kx::RowArray rest = rs.GetRows();
        QCOMPARE(rest.recordCount(), 1);
        QCOMPARE(rest.value(0, 0).toInt(), 30);
        rs.Open("select n from t where n > 99", db.conn);
        QCOMPARE(rs.RecordCount(), 0);
        QVERIFY(rs.Eof());
        QVERIFY_THROWS_EXCEPTION(kx::DatabaseError, rs.Fields(0));
    }
};

KX_TEST(TestAdodb)
#include "tst_adodb.moc"
