// Where the program keeps its files, whether that folder is local, and opening Data.mdb.
#pragma once

#include "platform/adodb.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace kx {

// KANTARIX_DIR when set; else the executable's folder when writable; else the user's data
// folder. Made when missing; no trailing slash.
QString programFolder();
// programFolder() + "/Data.mdb".
QString databasePath();

// True for the file system types of network mounts (nfs, cifs, smb3, sshfs, ...).
bool isNetworkFileSystem(const QByteArray &type);
// True when the folder lies on a local file system: the main computer.
bool detectMainComputer(const QString &folder = programFolder());

// The tables of one company of the file, 0 for the first company of the login list and 1 for
// the second: "1Stok", "1Cari", "1Belge", "1Cek" and "1Ayar" for the first.
struct CompanyTables
{
    QString stock;
    QString accounts;
    QString documents;
    QString cheques;
    QString settings;
};
CompanyTables companyTables(int company);
// Every table of the file: "firmalar", then both companies' tables.
QStringList databaseTables();

// The messages shown when Data.mdb is not a database of the program, or cannot be read.
QString invalidDatabaseMessage();
QString unreadableDatabaseMessage();

// True when the file is an SQLite database that passes SQLite's integrity check and holds the
// program's tables. Opened read-only: the file is never changed.
bool isSoundProgramDatabase(const QString &path);

// Makes a new database file from the delivered script; `today` becomes the working date.
// Throws DatabaseError; never leaves a half-made file behind.
void createDatabase(const QString &path, const QDate &today = QDate::currentDate());

// Makes Data.mdb when missing. Returns an empty text when the file can be used, else the
// message for the user; a file that is not such a database is left as it is.
QString prepareDatabase(const QString &path);

// prepareDatabase, then opens the connection on the file; a refusal throws DatabaseError
// carrying the message for the user.
void openDatabase(Connection &connection, const QString &path = databasePath());

// The login form's load: makes Conn2, Rs2, Conn and Rs in that order, opens Conn and gives
// the file the delivered indexes it lacks. Conn2 stays closed until a reader opens it.
void CreateDatabaseObjects();

// The indexes of the documents tables that the template delivers: name and columns.
struct TableIndex
{
    QString name;
    QString table;
    QString columns;
};
QList<TableIndex> deliveredIndexes();

// Creates every delivered index the open file lacks, so that a file made before an index
// joined the template reads as fast as a new one. Throws DatabaseError.
void UpgradeIndexes(Connection &connection);

} // namespace kx
