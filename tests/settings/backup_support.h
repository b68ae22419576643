// Helpers of the backup tests: file hashes, folder listings, stock names of a database file,
// file modes and groups.
#pragma once

#include "tests/support/files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace kxtest {

// Every file under root, as paths relative to it, sorted.
inline QStringList filesUnder(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

// The names of the stock cards of company 1 in a database file, read-only.
inline QStringList stockNames(const QString &databasePath)
{
    QStringList names;
    const QString connection = QUuid::createUuid().toString(QUuid::Id128);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(databasePath);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(QStringLiteral("select a2 from \"1Stok\" order by id"), db);
            while (query.next())
                names << query.value(0).toString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return names;
}

// The permission bits of a file (0 when it cannot be read), and its group.
inline int fileMode(const QString &path)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777)
                                                                     : 0;
}
inline gid_t fileGroup(const QString &path)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_gid : gid_t(-1);
}

// A group other than own (the primary one unless given) that this process may give its files:
// any for root, else one of its supplementary groups; none when there is no such group.
inline std::optional<gid_t> otherFileGroup(gid_t own = ::getegid())
{
    if (::geteuid() == 0)
        return own + 1000;
    gid_t groups[256];
    const int count = ::getgroups(256, groups);
    for (int i = 0; i < count; ++i) {
        if (groups[i] != own)
            return groups[i];
    }
    return std::nullopt;
}

} // namespace kxtest
