// The delivered database, the refusal of foreign files, the amount function and the fixture.
#include "core/database.h"
#include "core/state.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTest>

namespace {
QStringList columnsOf(const QString &table)
{
    kx::Recordset rs;
    rs.Open(QStringLiteral("select * from \"%1\" where 0").arg(table), *kx::state().Conn);
    return rs.fieldNames();
}

QVariant scalar(const QString &sql, const QVariantList &values = {})
{
    kx::Recordset rs;
    rs.Open(sql, *kx::state().Conn, values);
    return rs.Eof() ? QVariant() : rs.Fields(0);
}

QByteArray digest(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}
} // namespace

class TestDatabaseTemplate : public QObject
{
    Q_OBJECT
private slots:
    void tableColumnsInOrder_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("columns");
        QString card = QStringLiteral("id");
        for (int k = 1; k <= 18; ++k)
            card += QStringLiteral(",a%1").arg(k);
        card += QStringLiteral(",silindi");
        QString settings = QStringLiteral("id,nedir");
        for (int k = 1; k <= 50; ++k)
            settings += QStringLiteral(",a%1").arg(k);
        const QString documents = QStringLiteral(
            "id,cariid,bmod,gircik,serino,sirano,btarihi,fstarihi,aciklama,ftrdrm,kdvdh,kdv1,"
            "kdv2,kdv3,iskonto,yekun,nakit,cek,belgeid,stokid,stokadi,miktar,birimfiyat,kdvoran,"
            "serial,inout,stokinftr,islem,silindi");
        const QString cheques = QStringLiteral("id,vade,cekno,banka,veren,alan,tutar,cdurum");
        QTest::newRow("firmalar") << "firmalar"
                                  << "id,firma,parola,kasa,tarih";
        for (const QString prefix : { QStringLiteral("1"), QStringLiteral("2") }) {
            QTest::addRow("%sStok", qPrintable(prefix)) << prefix + "Stok" << card;
            QTest::addRow("%sCari", qPrintable(prefix)) << prefix + "Cari" << card;
            QTest::addRow("%sBelge", qPrintable(prefix)) << prefix + "Belge" << documents;
            QTest::addRow("%sCek", qPrintable(prefix)) << prefix + "Cek" << cheques;
            QTest::addRow("%sAyar", qPrintable(prefix)) << prefix + "Ayar" << settings;
        }
    }
    void tableColumnsInOrder()
    {
        QFETCH(QString, table);
        QFETCH(QString, columns);
        kxtest::Fixture fixture;
        fixture.login(1);
        QCOMPARE(columnsOf(table).join(','), columns);
    }

    void companiesAndWorkingDate()
    {
        kxtest::Fixture fixture;
        fixture.login(1);
        const kx::RowArray &firms = kx::state().FirmaRows;
        QCOMPARE(firms.recordCount(), 3);
        QCOMPARE(firms.text(1, 1), QStringLiteral("Birinci Firma"));
        QCOMPARE(firms.text(1, 2), QStringLiteral("İkinci Firma"));
        QCOMPARE(firms.text(2, 1), QString());
        QCOMPARE(firms.text(3, 2), QStringLiteral("0,00"));
        const int today = QDate::currentDate().toString("yyyyMMdd").toInt();
        QCOMPARE(firms.value(4, 1).toInt(), today);
        QCOMPARE(firms.value(4, 2).toInt(), today);
    }

    // The settings of both companies: 53 rows, the values the program starts from.
    void settingsRows_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("first company") << "1Ayar";
        QTest::newRow("second company") << "2Ayar";
    }
    void settingsRows()
    {
        QFETCH(QString, table);
        kxtest::Fixture fixture;
        fixture.login(1);
        kx::Recordset rs;
        rs.Open(QStringLiteral("select * from \"%1\" order by id").arg(table), *kx::state().Conn);
        const kx::RowArray rows = rs.GetRows();
        QCOMPARE(rows.recordCount(), 53);
        for (int r = 0; r < 53; ++r)
            QCOMPARE(rows.value(0, r).toInt(), r + 1);
        auto cell = [&](int id, int column) { return rows.text(column + 1, id - 1); };
        for (int c = 1; c <= 18; ++c) {
            QCOMPARE(cell(1, c), QStringLiteral("1"));
            QCOMPARE(cell(2, c), QStringLiteral("1"));
        }
        QVERIFY(!cell(1, 19).isEmpty());
        QCOMPARE(cell(3, 4), QStringLiteral("1"));
        QCOMPARE(cell(3, 5), QStringLiteral("10"));
        QCOMPARE(cell(3, 6), QStringLiteral("20"));
        QCOMPARE(cell(3, 7), QStringLiteral("#,##0.00"));
        for (int id = 4; id <= 16; ++id) {
            for (int c = 1; c <= 18; ++c)
                QVERIFY2(cell(id, c).toInt() > 0, qPrintable(QStringLiteral("row %1").arg(id)));
        }
        // Print layouts: every attribute 0, the size rows (the sixth of each group) 10.
        for (int id = 17; id <= 52; ++id) {
            const bool sizeRow = (id - 17) % 6 == 5;
            for (int c = 1; c <= 50; ++c)
                QCOMPARE(cell(id, c), sizeRow ? QStringLiteral("10") : QStringLiteral("0"));
        }
        for (int c = 1; c <= 9; ++c)
            QCOMPARE(cell(53, c), QStringLiteral("1"));
    }

    void nextSettingsRowIs54()
    {
        kxtest::Fixture fixture;
        fixture.login(2);
        kx::state().Conn->Execute(QStringLiteral("insert into \"2Ayar\" (nedir) values (?)"),
                                  { QStringLiteral("x") });
        QCOMPARE(kx::state().Conn->LastInsertId(), 54);
    }

    void defaultsOfUnwrittenColumns()
    {
        kxtest::Fixture fixture;
        fixture.login(1);
        const qint64 stock = kxtest::addStock("1", "Vida");
        kx::state().Conn->Execute(QStringLiteral("insert into \"1Cari\" (a1) values (?)"), { "7" });
        QCOMPARE(scalar("select silindi from \"1Stok\" where id=?", { stock }).toInt(), 0);
        QCOMPARE(scalar("select silindi from \"1Cari\"").toInt(), 0);
        const qint64 note = kxtest::addDocument({});
        const qint64 line = kxtest::addLine(note, { stock, "Vida", 2.5 });
        QCOMPARE(scalar("select silindi from \"1Belge\" where id=?", { line }).toInt(), 0);
        QVERIFY(scalar("select bmod from \"1Belge\" where id=?", { line }).isNull());
        QCOMPARE(scalar("select miktar from \"1Belge\" where id=?", { line }).toDouble(), 2.5);
    }

    // Dates and ids compare as numbers even when written as text.
    void numericColumnsCompareAsNumbers()
    {
        kxtest::Fixture fixture;
        fixture.login(1);
        kx::Connection &c = *kx::state().Conn;
        c.Execute("insert into \"1Belge\" (bmod,cariid,btarihi) values (3,?,?)",
                  { "7", "20240201" });
        c.Execute("insert into \"1Belge\" (bmod,cariid,btarihi) values (3,?,?)",
                  { "7", "20240131" });
        QCOMPARE(scalar("select btarihi from \"1Belge\" order by btarihi desc").toInt(), 20240201);
        QCOMPARE(scalar("select count(*) from \"1Belge\" where cariid=7").toInt(), 2);
        QCOMPARE(scalar("select count(*) from \"1Belge\" where btarihi>20240131").toInt(), 1);
    }
};

class TestAmountFunction : public QObject
{
    Q_OBJECT
private slots:
    void amountOfText_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("turkish text") << QVariant("1.234,56") << QVariant(1234.56);
        QTest::newRow("negative") << QVariant("-12,50") << QVariant(-12.5);
        QTest::newRow("point is thousands") << QVariant("1.5") << QVariant(15.0);
        QTest::newRow("garbage") << QVariant("abc") << QVariant(0.0);
        // Letters of several bytes around the figures are passed over, as in ParseAmount.
        QTest::newRow("lira sign and letters") << QVariant("₺ 1.234,5 Türk lirası")
                                               << QVariant(1234.5);
        QTest::newRow("decimal mark first") << QVariant(",75") << QVariant(0.75);
        QTest::newRow("second mark ends") << QVariant("1,2,3") << QVariant(1.2);
        QTest::newRow("empty") << QVariant("") << QVariant(0.0);
        QTest::newRow("number passes") << QVariant(2.25) << QVariant(2.25);
        QTest::newRow("null stays null") << QVariant(QMetaType(QMetaType::QString)) << QVariant();
    }
    void amountOfText()
    {
        QFETCH(QVariant, value);
        QFETCH(QVariant, expected);
        kxtest::Fixture fixture;
        fixture.login(1);
        const QVariant result = scalar(QStringLiteral("select amount(?)"), { value });
        QCOMPARE(result.isNull(), expected.isNull());
        if (!expected.isNull())
            QCOMPARE(result.toDouble(), expected.toDouble());
    }

    // Summing and comparing amount columns, also on the second connection.
    void sumsAndComparesAmounts()
    {
        kxtest::Fixture fixture;
        fixture.login(1);
        kxtest::Header invoice;
        invoice.bmod = 5;
        invoice.yekun = "1.000,50";
        kxtest::addDocument(invoice);
        invoice.sirano = "2";
        invoice.yekun = "99,50";
        kxtest::addDocument(invoice);
        kx::state().Conn2->Open(fixture.databasePath());
        kx::Recordset rs;
        rs.Open("select sum(amount(yekun)) from \"1Belge\" where bmod=5", *kx::state().Conn2);
        QCOMPARE(rs.Fields(0).toDouble(), 1100.0);
        rs.Open("select sirano from \"1Belge\" where amount(yekun) > 100", *kx::state().Conn2);
        QCOMPARE(rs.RecordCount(), 1);
        QCOMPARE(rs.Fields("sirano").toString(), QStringLiteral("1"));
        kx::state().Conn2->Close();
    }
};

class TestDatabaseFile : public QObject
{
    Q_OBJECT
private slots:
    void missingFileIsMade()
    {
        kxtest::Fixture fixture;
        QFile::remove(fixture.databasePath());
        kx::Connection connection("made");
        kx::openDatabase(connection, fixture.databasePath());
        QVERIFY(connection.IsOpen());
        connection.Close();
        QVERIFY(QFile::exists(fixture.databasePath()));
        QVERIFY(!QFile::exists(fixture.databasePath() + ".yeni"));
    }

    // The template delivers every index the upgrade knows; a file that lacks some gains them
    // at the next login, its rows untouched, and a second login changes nothing.
    void indexesDeliveredAndUpgraded()
    {
        const auto indexNames = [] {
            QStringList names;
            kx::Recordset rs;
            rs.Open("select name from sqlite_master where type='index' and tbl_name like '%Belge'",
                    *kx::state().Conn);
            for (int r = 0; r < rs.RecordCount(); ++r)
                names << rs.rows().text(0, r);
            names.sort();
            return names;
        };
        QStringList delivered;
        for (const kx::TableIndex &index : kx::deliveredIndexes())
            delivered << index.name;
        delivered.sort();
        QVERIFY(delivered.contains("1Belge_kasa") && delivered.contains("2Belge_hesap"));

        kxtest::Fixture fixture;
        fixture.login(1);
        QCOMPARE(indexNames(), delivered);

        kxtest::Header note;
        note.cariid = 1;
        kxtest::addDocument(note);
        for (const QString &name : { "1Belge_kasa", "1Belge_hesap", "2Belge_seri" })
            kx::state().Conn->Execute("drop index \"" + name + '"');
        kx::state().Conn->Close();
        kx::CreateDatabaseObjects();
        QCOMPARE(indexNames(), delivered);
        QCOMPARE(scalar("select count(*) from \"1Belge\"").toInt(), 1);
        // The kasa index holds kind, date, direction and amount for the cash report alone.
        QCOMPARE(scalar("select sql from sqlite_master where name='1Belge_kasa'").toString(),
                 QStringLiteral("CREATE INDEX \"1Belge_kasa\" ON \"1Belge\" "
                                "(bmod, btarihi, gircik, yekun)"));
        kx::UpgradeIndexes(*kx::state().Conn);
        QCOMPARE(indexNames(), delivered);
    }

    // A folder where no file can be made: a Turkish message, and nothing half-made left.
    void unwritableFolderGivesMessage()
    {
        kxtest::Fixture fixture;
        const QString blocked = fixture.folder() + "/dosya";
        QFile file(blocked);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QString message;
        try {
            kx::createDatabase(blocked + "/Data.mdb");
        } catch (const kx::DatabaseError &error) {
            message = error.message();
        }
        QVERIFY2(message.startsWith("Veritabanı dosyası oluşturulamadı: " + blocked + "/Data.mdb"),
                 qPrintable(message));
        QCOMPARE(QDir(fixture.folder()).entryList(QDir::Files),
                 QStringList({ "Data.mdb", "dosya" }));
    }

    void foreignFileRefusedUntouched_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("sqlite");
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("text file") << QByteArray("Bu bir veritabanı değil\n") << false;
        QTest::newRow("access header") << QByteArray("\0\1\0\0Standard Jet DB\0", 20) << false;
        QTest::newRow("other sqlite database") << QByteArray() << true;
    }
    void foreignFileRefusedUntouched()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, sqlite);
        kxtest::Fixture fixture;
        const QString path = fixture.databasePath();
        QFile::remove(path);
        if (sqlite) {
            kx::Connection other("other");
            other.Open(path);
            other.Execute("create table musteri (ad text)");
            other.Execute("insert into musteri values (?)", { "Ali" });
            other.Close();
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const QByteArray before = digest(path);
        const qint64 size = QFileInfo(path).size();

        kx::Connection connection("refused");
        QString message;
        try {
            kx::openDatabase(connection, path);
        } catch (const kx::DatabaseError &error) {
            message = error.message();
        }
        QCOMPARE(message, kx::invalidDatabaseMessage());
        QVERIFY(!connection.IsOpen());
        QCOMPARE(QFileInfo(path).size(), size);
        QCOMPARE(digest(path), before);
        QCOMPARE(QDir(fixture.folder()).entryList(QDir::Files), QStringList { "Data.mdb" });
    }

    // A save cut short by a crash leaves a journal beside the file; the file is still ours
    // and opens with what was committed before.
    void fileLeftByCrashedSaveOpens()
    {
        kxtest::Fixture fixture;
        fixture.login(1);
        kx::Connection &conn = *kx::state().Conn;
        const QString name(200, u'x');
        conn.BeginTrans();
        for (int i = 0; i < 3000; ++i)
            kxtest::addStock(QString::number(i), name);
        conn.CommitTrans();

        // A second computer's save, big enough to reach the file, caught half-way.
        kx::Connection saving("saving");
        saving.Open(fixture.databasePath());
        saving.Execute("PRAGMA cache_size=10");
        saving.BeginTrans();
        saving.Execute("update \"1Stok\" set a2='y' || a2");
        const QString crashed = fixture.folder() + "/kaza";
        QVERIFY(QDir().mkpath(crashed));
        QVERIFY(QFile::copy(fixture.databasePath(), crashed + "/Data.mdb"));
        QVERIFY(QFile::copy(fixture.databasePath() + "-journal", crashed + "/Data.mdb-journal"));
        saving.RollbackTrans();
        saving.Close();

        QCOMPARE(kx::prepareDatabase(crashed + "/Data.mdb"), QString());
        kx::Connection reopened("reopened");
        kx::openDatabase(reopened, crashed + "/Data.mdb");
        kx::Recordset rs;
        rs.Open("select count(*), sum(a2 like 'y%') from \"1Stok\"", reopened);
        QCOMPARE(rs.Fields(0).toInt(), 3000);
        QCOMPARE(rs.Fields(1).toInt(), 0);
        rs.Close();
        reopened.Close();
    }

    void programFolderFollowsEnvironment()
    {
        kxtest::Fixture fixture;
        QCOMPARE(QDir(kx::programFolder()).canonicalPath(), QDir(fixture.folder()).canonicalPath());
        QCOMPARE(kx::databasePath(), kx::programFolder() + "/Data.mdb");
        const QString missing = fixture.folder() + "/yeni/klasor";
        qputenv("KANTARIX_DIR", missing.toUtf8());
        QCOMPARE(kx::programFolder(), missing);
        QVERIFY(QDir(missing).exists());
    }

    void networkFileSystems_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<bool>("network");
        for (const char *type :
             { "nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs", "fuse.gvfsd-fuse" })
            QTest::newRow(type) << QByteArray(type) << true;
        for (const char *type : { "ext4", "btrfs", "xfs", "tmpfs", "vfat", "ntfs", "overlay", "" })
            QTest::newRow(*type ? type : "unknown") << QByteArray(type) << false;
    }
    void networkFileSystems()
    {
        QFETCH(QByteArray, type);
        QFETCH(bool, network);
        QCOMPARE(kx::isNetworkFileSystem(type), network);
    }
};

class TestFixtureLogin : public QObject
{
    Q_OBJECT
private slots:
    void companyState_data()
    {
        QTest::addColumn<int>("company");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("first") << 1 << "Birinci Firma"
                               << "1";
        QTest::newRow("second") << 2 << "İkinci Firma"
                                << "2";
    }
    void companyState()
    {
        QFETCH(int, company);
        QFETCH(QString, name);
        QFETCH(QString, prefix);
        kxtest::Fixture fixture;
        fixture.login(company);
        const kx::ModuleState &s = kx::state();
        QCOMPARE(s.FirmaAdi, name);
        QCOMPARE(s.FirmaId, company + 1);
        QCOMPARE(s.FirmaParola, QString());
        QCOMPARE(s.KasaAmount, 0.0);
        QCOMPARE(s.WorkDate.toInt(), QDate::currentDate().toString("yyyyMMdd").toInt());
        QCOMPARE(QStringList({ s.TblStok, s.TblCari, s.TblBelge, s.TblCek, s.TblAyar }),
                 QStringList({ prefix + "Stok", prefix + "Cari", prefix + "Belge", prefix + "Cek",
                               prefix + "Ayar" }));
        QVERIFY(s.Conn && s.Conn->IsOpen());
        QVERIFY(s.Conn2 && !s.Conn2->IsOpen());
        QVERIFY(s.Rs && s.Rs2);
        QCOMPARE(s.FieldValues.at(50).toString(), kx::SkipSlot);
    }

    // Each fixture starts from its own fresh file.
    void freshDatabasePerFixture()
    {
        {
            kxtest::Fixture first;
            first.login(1);
            kxtest::addStock("1", "Vida");
        }
        kxtest::Fixture second;
        second.login(1);
        QCOMPARE(scalar("select count(*) from \"1Stok\"").toInt(), 0);
    }
};

KX_TEST(TestDatabaseTemplate)
KX_TEST(TestAmountFunction)
KX_TEST(TestDatabaseFile)
KX_TEST(TestFixtureLogin)
#include "tst_database.moc"
