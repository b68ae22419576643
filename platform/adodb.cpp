// Connection and recordset over Qt SQL's SQLite driver.
#include "platform/adodb.h"

#include "platform/amount_text.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

#include <memory>

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
        // Read from the UTF-8 bytes themselves: the reports run this on every document.
        const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
        sqlite3_result_double(context, amountCharsToNumber(text, sqlite3_value_bytes(value)));
        return;
    }
    }
}

// One prepared statement on the connection's own SQLite handle, values bound in order. The
// rows are read straight from SQLite: the list loads read whole card tables, and Qt's
// per-value path costs several times as much.
class Statement
{
public:
    Statement(const QSqlDatabase &db, const QString &sql, const QVariantList &values)
        : m_sql(sql)
    {
        m_handle = db.isOpen() ? sqliteHandle(db) : nullptr;
        if (!m_handle)
            throw DatabaseError(QStringLiteral("Veritabanı bağlantısı açık değil."));
        const QByteArray text = sql.toUtf8();
        const char *tail = nullptr;
        sqlite3_stmt *prepared = nullptr;
        const int result
            = sqlite3_prepare_v2(m_handle, text.constData(), int(text.size()), &prepared, &tail);
        m_statement.reset(prepared);
        if (result != SQLITE_OK)
            fail();
        if (!m_statement)
            throw DatabaseError(QStringLiteral("Boş komut."));
        // One statement per call; a second one would otherwise be dropped without a word.
        if (tail && !QByteArray(tail).trimmed().isEmpty())
            throw DatabaseError(QStringLiteral("Tek komutta birden çok ifade [") + sql + u']');
        if (sqlite3_bind_parameter_count(m_statement.get()) != values.size())
            throw DatabaseError(QStringLiteral("Değer sayısı komuttaki yer sayısına uymuyor [")
                                + sql + u']');
        for (int i = 0; i < values.size(); ++i)
            bind(i + 1, values.at(i));
    }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // True while there is a row to read.
    bool step()
    {
        const int result = sqlite3_step(m_statement.get());
        if (result == SQLITE_ROW)
            return true;
        if (result != SQLITE_DONE)
            fail();
        return false;
    }

    int columnCount() const { return sqlite3_column_count(m_statement.get()); }
    QString columnName(int column) const
    {
        return QString::fromUtf8(sqlite3_column_name(m_statement.get(), column));
    }

    QVariant value(int column) const
    {
        switch (sqlite3_column_type(m_statement.get(), column)) {
        case SQLITE_INTEGER:
            return QVariant(qlonglong(sqlite3_column_int64(m_statement.get(), column)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(m_statement.get(), column));
        case SQLITE_BLOB:
            return QByteArray(
                static_cast<const char *>(sqlite3_column_blob(m_statement.get(), column)),
                sqlite3_column_bytes(m_statement.get(), column));
        case SQLITE_NULL:
            // Null stays apart from the empty text, but reads as one.
            return QVariant(QMetaType::fromType<QString>());
        default: {
            const auto *text
                = reinterpret_cast<const char *>(sqlite3_column_text(m_statement.get(), column));
            return QString::fromUtf8(text, sqlite3_column_bytes(m_statement.get(), column));
        }
        }
    }

    int changes() const { return sqlite3_changes(m_handle); }
    qint64 lastInsertId() const { return sqlite3_last_insert_rowid(m_handle); }

private:
    void bind(int index, const QVariant &value)
    {
        int result = SQLITE_OK;
        if (value.isNull()) {
            result = sqlite3_bind_null(m_statement.get(), index);
        } else {
            switch (value.metaType().id()) {
            case QMetaType::Bool:
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::Long:
            case QMetaType::LongLong:
            case QMetaType::Short:
            case QMetaType::UShort:
                result = sqlite3_bind_int64(m_statement.get(), index, value.toLongLong());
                break;
            case QMetaType::ULongLong:
            case QMetaType::ULong:
            case QMetaType::Double:
            case QMetaType::Float:
                result = sqlite3_bind_double(m_statement.get(), index, value.toDouble());
                break;
            case QMetaType::QByteArray: {
                const QByteArray bytes = value.toByteArray();
                result = sqlite3_bind_blob(m_statement.get(), index, bytes.constData(),
                                           int(bytes.size()), SQLITE_TRANSIENT);
                break;
            }
            default: {
                const QByteArray text = value.toString().toUtf8();
                result = sqlite3_bind_text(m_statement.get(), index, text.constData(),
                                           int(text.size()), SQLITE_TRANSIENT);
                break;
            }
            }
        }
        if (result != SQLITE_OK)
            fail();
    }

    [[noreturn]] void fail() const
    {
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(m_handle)) + QStringLiteral(" [")
                            + m_sql + u']');
    }

    sqlite3 *m_handle = nullptr;
    // Owned here, so that a statement is finalised also when the constructor throws.
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> m_statement { nullptr,
                                                                         sqlite3_finalize };
    QString m_sql;
};
} // namespace

Connection::Connection(QString name)
    : m_name(std::move(name))
{ }

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
    Statement statement(database(), sql, values);
    while (statement.step()) { }
    m_lastInsertId = statement.lastInsertId();
    return statement.changes();
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
    // The write lock is taken here, waiting out another computer's save: taken later, at the
    // first write after a read, two saves at once would fail at once instead of waiting.
    Execute(QStringLiteral("BEGIN IMMEDIATE"));
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
    Statement statement(connection.database(), sql, values);
    const int fields = statement.columnCount();
    for (int i = 0; i < fields; ++i)
        m_names << statement.columnName(i);
    m_rows.resize(fields, 0);
    try {
        while (statement.step()) {
            for (int i = 0; i < fields; ++i)
                m_rows.field(i).append(statement.value(i));
        }
    } catch (...) {
        Close();
        throw;
    }
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
