// The database connection and recordset the program reads and writes through, over Qt SQL.
// Every connection knows the SQL function amount(x): Turkish amount text as a number, so that
// statements can sum and compare the amount columns.
#pragma once

#include "platform/row_array.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <stdexcept>

namespace kx {

// A failing open, statement or read; carries the driver's text.
class DatabaseError : public std::runtime_error
{
public:
    explicit DatabaseError(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    { }
    QString message() const { return m_message; }

private:
    QString m_message;
};

class Connection
{
public:
    // name is the Qt SQL connection name; two Connections never share one.
    explicit Connection(QString name);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Opens the SQLite file; throws DatabaseError.
    void Open(const QString &databasePath);
    void Close();
    bool IsOpen() const;
    QString path() const { return m_path; }

    // Runs one statement with its values bound in order; returns the rows it changed.
    int Execute(const QString &sql, const QVariantList &values = {});
    // Runs a script of several statements, no values bound; for the delivered database.
    void ExecuteScript(const QString &script);
    // The id the last insert on this connection made.
    qint64 LastInsertId() const { return m_lastInsertId; }

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const { return m_inTransaction; }

    QSqlDatabase database() const;

private:
    QString m_name;
    QString m_path;
    qint64 m_lastInsertId = 0;
    bool m_inTransaction = false;
};

// Reads all rows of a query at open, so that the record count is known before reading.
class Recordset
{
public:
    void Open(const QString &sql, Connection &connection, const QVariantList &values = {});
    void Close();
    bool IsOpen() const { return m_open; }

    int RecordCount() const { return m_rows.recordCount(); }
    bool Eof() const { return m_position >= RecordCount(); }
    bool Bof() const { return m_position < 0 || RecordCount() == 0; }
    void MoveFirst() { m_position = 0; }
    void MoveLast() { m_position = RecordCount() - 1; }
    void MoveNext() { ++m_position; }

    // The current record's value of a field by name (case-insensitive) or by position.
    QVariant Fields(const QString &name) const;
    QVariant Fields(int index) const;
    QStringList fieldNames() const { return m_names; }

    // All rows from the current record on, field first.
    RowArray GetRows() const;
    const RowArray &rows() const { return m_rows; }

private:
    RowArray m_rows;
    QStringList m_names;
    int m_position = 0;
    bool m_open = false;
};

} // namespace kx
