// Connection and recordset over Qt SQL's SQLite driver.
#include "platform/adodb.h"

#include "platform/amount_text.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

namespace kx {

namespace {
QString errorText(const QSqlError &error)
{
    return error.text().trimmed();
}

sqlite3 *sqliteHandle(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

// amount(x): numbers pass, Null stays Null, text is read as a Turkish amount.
void amountFunction(sqlite3_context *context, int, sqlite3_value **arguments)
{
    sqlite3_value *value = arguments[0];
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        sqlite3_result_null(context);
        return;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        sqlite3_result_double(context, sqlite3_value_double(value));
        return;
    default: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
        const QString amount = QString::fromUtf8(text, sqlite3_value_bytes(value));
        sqlite3_result_double(context, amountTextToNumber(amount));
        return;
    }
    }
}

void bindAll(QSqlQuery &query, const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
}
} // namespace

Connection::Connection(QString name)
    : m_name(std::move(name))
{}

Connection::~Connection()
{
    Close();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase Connection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

void Connection::Open(const QString &databasePath)
{
    Close();
    QSqlDatabase db = QSqlDatabase::contains(m_name)
                          ? QSqlDatabase::database(m_name, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(databasePath);
    // Other computers may open the same file over a network folder: no WAL, wait when busy.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        throw DatabaseError(errorText(db.lastError()));
    m_path = databasePath;
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    sqlite3 *handle = sqliteHandle(db);
    if (!handle
        || sqlite3_create_function_v2(handle, "amount", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                      nullptr, amountFunction, nullptr, nullptr, nullptr)
               != SQLITE_OK) {
        db.close();
        throw DatabaseError(QStringLiteral("Veritabanı işlevleri kurulamadı."));
    }
    m_inTransaction = false;
}

void Connection::Close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (db.isOpen()) {
        if (m_inTransaction)
            db.rollback();
        db.close();
    }
    m_inTransaction = false;
}

bool Connection::IsOpen() const
{
    return QSqlDatabase::contains(m_name) && database().isOpen();
}

int Connection::Execute(const QString &sql, const QVariantList &values)
{
    QSqlDatabase db = database();
    if (!db.isOpen())
        throw DatabaseError(QStringLiteral("Veritabanı bağlantısı açık değil."));
    QSqlQuery query(db);
    if (!query.prepare(sql))
        throw DatabaseError(errorText(query.lastError()) + QStringLiteral(" [") + sql + ']');
    bindAll(query, values);
    if (!query.exec())
        throw DatabaseError(errorText(query.lastError()) + QStringLiteral(" [") + sql + ']');
    const QVariant id = query.lastInsertId();
    if (id.isValid())
        m_lastInsertId = id.toLongLong();
    return query.numRowsAffected();
}

void Connection::ExecuteScript(const QString &script)
{
    QSqlDatabase db = database();
    sqlite3 *handle = db.isOpen() ? sqliteHandle(db) : nullptr;
    if (!handle)
        throw DatabaseError(QStringLiteral("Veritabanı bağlantısı açık değil."));
    char *error = nullptr;
    if (sqlite3_exec(handle, script.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString text = QString::fromUtf8(error ? error : "");
        sqlite3_free(error);
        throw DatabaseError(text);
    }
}

void Connection::BeginTrans()
{
    QSqlDatabase db = database();
    if (!db.transaction())
        throw DatabaseError(errorText(db.lastError()));
    m_inTransaction = true;
}

void Connection::CommitTrans()
{
    QSqlDatabase db = database();
    m_inTransaction = false;
    if (!db.commit()) {
        const QString text = errorText(db.lastError());
        db.rollback();
        throw DatabaseError(text);
    }
}

void Connection::RollbackTrans()
{
    m_inTransaction = false;
    database().rollback();
}

void Recordset::Open(const QString &sql, Connection &connection, const QVariantList &values)
{
    Close();
    QSqlDatabase db = connection.database();
    if (!db.isOpen())
        throw DatabaseError(QStringLiteral("Veritabanı bağlantısı açık değil."));
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DatabaseError(errorText(query.lastError()) + QStringLiteral(" [") + sql + ']');
    bindAll(query, values);
    if (!query.exec())
        throw DatabaseError(errorText(query.lastError()) + QStringLiteral(" [") + sql + ']');

    const QSqlRecord record = query.record();
    const int fields = record.count();
    for (int i = 0; i < fields; ++i)
        m_names << record.fieldName(i);
    m_rows.resize(fields, 0);
    while (query.next()) {
        for (int i = 0; i < fields; ++i)
            m_rows.field(i).append(query.value(i));
    }
    if (query.lastError().isValid())
        throw DatabaseError(errorText(query.lastError()));
    m_position = 0;
    m_open = true;
}

void Recordset::Close()
{
    m_rows.clear();
    m_names.clear();
    m_position = 0;
    m_open = false;
}

QVariant Recordset::Fields(const QString &name) const
{
    for (int i = 0; i < m_names.size(); ++i) {
        if (m_names.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return Fields(i);
    }
    throw DatabaseError(QStringLiteral("Alan bulunamadı: ") + name);
}

QVariant Recordset::Fields(int index) const
{
    if (Eof() || m_position < 0)
        throw DatabaseError(QStringLiteral("Geçerli kayıt yok."));
    return m_rows.value(index, m_position);
}

RowArray Recordset::GetRows() const
{
    if (m_position <= 0)
        return m_rows;
    RowArray rest(m_rows.fieldCount(), 0);
    for (int f = 0; f < m_rows.fieldCount(); ++f)
        rest.field(f) = m_rows.field(f).mid(m_position);
    return rest;
}

} // namespace kx
