// Helpers of the backup tests: file hashes, folder listings, stock names of a database file.
#pragma once

#include "tests/support/files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>

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

} // namespace kxtest
