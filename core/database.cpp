// Program folder, main-computer test and the opening of Data.mdb with its template.
#include "core/database.h"

#include "core/state.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUuid>

#include <algorithm>

namespace kx {

namespace {
const QStringList requiredTables = {
    QStringLiteral("firmalar"), QStringLiteral("1Stok"), QStringLiteral("2Stok"),
    QStringLiteral("1Cari"),    QStringLiteral("2Cari"), QStringLiteral("1Belge"),
    QStringLiteral("2Belge"),   QStringLiteral("1Cek"),  QStringLiteral("2Cek"),
    QStringLiteral("1Ayar"),    QStringLiteral("2Ayar"),
};

QString templateScript(const QDate &today)
{
    QFile file(QStringLiteral(":/database.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(QStringLiteral("Veritabanı şablonu bulunamadı."));
    QString script = QString::fromUtf8(file.readAll());
    script.replace(QStringLiteral("%TODAY%"), today.toString(QStringLiteral("yyyyMMdd")));
    return script;
}

// Looks at the file without writing to it: the SQLite header, then the table names.
bool isProgramDatabase(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (file.read(16) != QByteArray("SQLite format 3\0", 16))
        return false;
    file.close();

    const QString name = QStringLiteral("kx_check_") + QUuid::createUuid().toString(QUuid::Id128);
    bool valid = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        if (db.open()) {
            QSqlQuery query(db);
            QStringList found;
            if (query.exec(QStringLiteral("select name from sqlite_master where type='table'"))) {
                while (query.next())
                    found << query.value(0).toString();
                valid = std::all_of(requiredTables.begin(), requiredTables.end(),
                                    [&](const QString &table) { return found.contains(table); });
            }
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return valid;
}
} // namespace

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
                          "izinlerini kontrol ediniz...");
}

void createDatabase(const QString &path, const QDate &today)
{
    const QString script = templateScript(today);
    // Built beside the target and renamed, so a failure never leaves a half-made Data.mdb.
    const QString partial = path + QStringLiteral(".yeni");
    QFile::remove(partial);
    {
        Connection connection(QStringLiteral("kx_create_")
                              + QUuid::createUuid().toString(QUuid::Id128));
        connection.Open(partial);
        try {
            connection.BeginTrans();
            connection.ExecuteScript(script);
            connection.CommitTrans();
        } catch (const DatabaseError &) {
            connection.Close();
            QFile::remove(partial);
            throw;
        }
        connection.Close();
    }
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        // Another computer may have made it in the meantime; that file is checked as any.
        if (!QFileInfo::exists(path))
            throw DatabaseError(QStringLiteral("Veritabanı dosyası oluşturulamadı: ") + path);
    }
}

QString prepareDatabase(const QString &path)
{
    if (!QFileInfo::exists(path))
        createDatabase(path);
    if (!QFileInfo(path).isReadable())
        return unreadableDatabaseMessage();
    return isProgramDatabase(path) ? QString() : invalidDatabaseMessage();
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
}

} // namespace kx
