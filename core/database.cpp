// Program folder, main-computer test and the opening of Data.mdb with its template.
#include "core/database.h"

#include "core/state.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUuid>

#include <algorithm>

namespace kx {

namespace {
QString templateScript(const QDate &today)
{
    QFile file(QStringLiteral(":/database.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(QStringLiteral("Veritabanı şablonu bulunamadı."));
    QString script = QString::fromUtf8(file.readAll());
    script.replace(QStringLiteral("%TODAY%"), today.toString(QStringLiteral("yyyyMMdd")));
    return script;
}

enum class FileCheck { Ours, Foreign, Unreadable };

// Opens the file and looks for the eleven tables. Read-only unless `readWrite`: only SQLite
// itself then writes, to roll back what a crashed save left in the journal. With `integrity`
// a file that fails SQLite's integrity check counts as foreign.
FileCheck checkTables(const QString &path, bool readWrite, int *sqliteCode, bool integrity = false)
{
    const QString name = QStringLiteral("kx_check_") + QUuid::createUuid().toString(QUuid::Id128);
    FileCheck result = FileCheck::Unreadable;
    *sqliteCode = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(
            readWrite ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000")
                      : QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        if (db.open()) {
            QSqlQuery query(db);
            QStringList found;
            if (integrity
                && !(query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next()
                     && query.value(0).toString() == QLatin1String("ok") && !query.next())) {
                result = FileCheck::Foreign;
            } else if (query.exec(
                           QStringLiteral("select name from sqlite_master where type='table'"))) {
                while (query.next())
                    found << query.value(0).toString();
                const QStringList required = databaseTables();
                const bool all
                    = std::all_of(required.begin(), required.end(),
                                  [&](const QString &table) { return found.contains(table); });
                result = all ? FileCheck::Ours : FileCheck::Foreign;
            } else {
                // Extended result codes carry the primary code in the low byte.
                *sqliteCode = query.lastError().nativeErrorCode().toInt() & 0xff;
            }
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

// Looks at the file without changing what it holds: the SQLite header, then the table names.
FileCheck checkDatabase(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileCheck::Unreadable;
    if (file.read(16) != QByteArray("SQLite format 3\0", 16))
        return FileCheck::Foreign;
    file.close();

    constexpr int sqliteBusy = 5, sqliteLocked = 6, sqliteReadOnly = 8, sqliteIoError = 10,
                  sqliteCantOpen = 14;
    int code = 0;
    FileCheck result = checkTables(path, false, &code);
    // A save cut short (a crash, a lost network) leaves a journal that must be rolled back
    // before the file can be read; a read-only look cannot do that.
    if (code == sqliteReadOnly && QFileInfo::exists(path + QStringLiteral("-journal")))
        result = checkTables(path, true, &code);
    if (code == 0 || code == sqliteBusy || code == sqliteLocked || code == sqliteReadOnly
        || code == sqliteIoError || code == sqliteCantOpen)
        return result;
    return FileCheck::Foreign; // not a database, or a damaged one
}
} // namespace

CompanyTables companyTables(int company)
{
    const QString prefix = company == 0 ? QStringLiteral("1") : QStringLiteral("2");
    return { prefix + QStringLiteral("Stok"), prefix + QStringLiteral("Cari"),
             prefix + QStringLiteral("Belge"), prefix + QStringLiteral("Cek"),
             prefix + QStringLiteral("Ayar") };
}

QStringList databaseTables()
{
    QStringList tables { QStringLiteral("firmalar") };
    for (const int company : { 0, 1 }) {
        const CompanyTables own = companyTables(company);
        tables << own.stock << own.accounts << own.documents << own.cheques << own.settings;
    }
    return tables;
}

QString programFolder()
{
    QString folder = qEnvironmentVariable("KANTARIX_DIR");
    if (folder.isEmpty()) {
        const QString executableFolder = QCoreApplication::applicationDirPath();
        const QFileInfo info(executableFolder);
        folder = info.isDir() && info.isWritable()
            ? executableFolder
            : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    QDir().mkpath(folder);
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    return folder;
}

QString databasePath()
{
    return programFolder() + QStringLiteral("/Data.mdb");
}

bool isNetworkFileSystem(const QByteArray &type)
{
    static const QList<QByteArray> network = {
        "nfs",
        "nfs4",
        "cifs",
        "smb3",
        "smbfs",
        "smb2",
        "sshfs",
        "fuse.sshfs",
        "9p",
        "afs",
        "ncpfs",
        "davfs",
        "coda",
        "glusterfs",
        "ceph",
        "fuse.rclone",
        "fuse.davfs2",
        "fuse.glusterfs",
        "fuse.gvfsd-fuse",
        "fuse.s3fs",
        "fuse.curlftpfs",
    };
    return network.contains(type.toLower());
}

bool detectMainComputer(const QString &folder)
{
    const QStorageInfo storage(folder);
    if (!storage.isValid())
        return true;
    return !isNetworkFileSystem(storage.fileSystemType());
}

QString invalidDatabaseMessage()
{
    return QStringLiteral("Program klasöründeki Data.mdb dosyası geçerli bir Kantarix "
                          "veritabanı değil. Dosya değiştirilmedi; lütfen doğru veritabanı "
                          "dosyasını program klasörüne koyunuz...");
}

QString unreadableDatabaseMessage()
{
    return QStringLiteral("Program klasöründeki Data.mdb dosyası okunamadı. Lütfen dosyanın "
                          "izinlerini kontrol ediniz veya bir süre sonra tekrar deneyiniz...");
}

bool isSoundProgramDatabase(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.read(16) != QByteArray("SQLite format 3\0", 16))
        return false;
    file.close();
    int code = 0;
    return checkTables(path, false, &code, true) == FileCheck::Ours;
}

void createDatabase(const QString &path, const QDate &today)
{
    const QString script = templateScript(today);
    // Built beside the target and renamed, so a failure never leaves a half-made Data.mdb.
    const QString partial = path + QStringLiteral(".yeni");
    QFile::remove(partial);
    const QString failure = QStringLiteral("Veritabanı dosyası oluşturulamadı: ") + path;
    {
        Connection connection(QStringLiteral("kx_create_")
                              + QUuid::createUuid().toString(QUuid::Id128));
        try {
            connection.Open(partial);
            connection.BeginTrans();
            connection.ExecuteScript(script);
            connection.CommitTrans();
        } catch (const DatabaseError &error) {
            connection.Close();
            QFile::remove(partial);
            // The user sees this at start-up; the driver's own words follow for whoever helps.
            throw DatabaseError(failure + QStringLiteral(" (") + error.message() + u')');
        }
        connection.Close();
    }
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        // Another computer may have made it in the meantime; that file is checked as any.
        if (!QFileInfo::exists(path))
            throw DatabaseError(failure);
    }
}

QString prepareDatabase(const QString &path)
{
    if (!QFileInfo::exists(path))
        createDatabase(path);
    if (!QFileInfo(path).isReadable())
        return unreadableDatabaseMessage();
    switch (checkDatabase(path)) {
    case FileCheck::Ours:
        return {};
    case FileCheck::Foreign:
        return invalidDatabaseMessage();
    case FileCheck::Unreadable:
        break;
    }
    return unreadableDatabaseMessage();
}

void openDatabase(Connection &connection, const QString &path)
{
    const QString problem = prepareDatabase(path);
    if (!problem.isEmpty())
        throw DatabaseError(problem);
    connection.Open(path);
}

void CreateDatabaseObjects()
{
    ModuleState &s = state();
    s.Conn2 = std::make_unique<Connection>(QStringLiteral("Conn2"));
    s.Rs2 = std::make_unique<Recordset>();
    s.Conn = std::make_unique<Connection>(QStringLiteral("Conn"));
    s.Rs = std::make_unique<Recordset>();
    openDatabase(*s.Conn);
    try {
        UpgradeIndexes(*s.Conn);
    } catch (const DatabaseError &error) {
        // A file that another computer holds busy, or a read-only one, still works without
        // them, only slower; the next login tries again.
        qWarning("indexes not created: %s", qPrintable(error.message()));
    }
}

QList<TableIndex> deliveredIndexes()
{
    static const std::pair<const char *, const char *> documents[] = {
        { "belgeid", "belgeid" },
        { "stok", "stokid, inout, miktar" },
        { "cari", "cariid" },
        { "seri", "bmod, serino, sirano" },
        { "ftrdrm", "ftrdrm" },
        { "stokinftr", "stokinftr" },
        { "serial", "serial" },
        // An account's balance and the debts report read these alone, amounts included.
        { "hesap", "cariid, bmod, gircik, yekun" },
        // The cash report and the VAT report: documents by kind and date.
        { "kasa", "bmod, btarihi, gircik, yekun" },
        // The inventory's costs: purchase lines alone, in document order, prices included.
        { "alis", "inout, belgeid, stokid, miktar, birimfiyat" },
    };
    QList<TableIndex> indexes;
    for (const int company : { 0, 1 }) {
        const QString table = companyTables(company).documents;
        for (const auto &[name, columns] : documents)
            indexes.append(
                { table + u'_' + QString::fromLatin1(name), table, QString::fromLatin1(columns) });
    }
    return indexes;
}

void UpgradeIndexes(Connection &connection)
{
    QStringList present;
    {
        Recordset rs;
        rs.Open(QStringLiteral("select name from sqlite_master where type='index'"), connection);
        for (int r = 0; r < rs.RecordCount(); ++r)
            present << rs.rows().text(0, r);
    }
    for (const TableIndex &index : deliveredIndexes()) {
        if (present.contains(index.name))
            continue;
        connection.Execute(QStringLiteral("CREATE INDEX \"") + index.name
                           + QStringLiteral("\" ON \"") + index.table + QStringLiteral("\" (")
                           + index.columns + u')');
    }
}

} // namespace kx
