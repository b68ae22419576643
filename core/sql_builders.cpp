// The shared update and insert builders over FieldValues, and document numbering.
#include "core/sql_builders.h"

#include "core/conversions.h"
#include "core/database.h"
#include "core/state.h"

#include <QLineEdit>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace kx {

namespace {
// A slot never filled (before the start-up sets the marks) is left out too: writing it would
// blank every column of the row.
bool isSkipped(const QVariant &slot)
{
    if (!slot.isValid())
        return true;
    // The test is on the slot's text: a number is always written, "¿" as a string or as a
    // single character is left out.
    switch (slot.metaType().id()) {
    case QMetaType::QString:
    case QMetaType::QChar:
    case QMetaType::QByteArray:
        return slot.toString() == SkipSlot;
    default:
        return false;
    }
}

// Slots hold texts or numbers; numbers go in as the text the program shows for them.
QVariant slotText(const QVariant &slot)
{
    switch (slot.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return plainNumberText(slot.toDouble());
    default:
        return slot.isNull() ? QStringLiteral("") : slot.toString();
    }
}

QVariant rowId(const QVariant &id)
{
    const double value = numberValue(id.toString());
    const bool whole = std::fabs(value) <= 9.0e15 && value == std::trunc(value);
    return whole && !id.toString().trimmed().isEmpty() ? QVariant(qint64(value)) : id;
}

Connection &mainConnection()
{
    ModuleState &s = state();
    if (!s.Conn)
        throw DatabaseError(QStringLiteral("Veritabanı bağlantısı açık değil."));
    return *s.Conn;
}
} // namespace

QString sqlTable(const QString &table)
{
    static const QStringList tables = databaseTables();
    if (!tables.contains(table))
        throw DatabaseError(QStringLiteral("Bilinmeyen tablo: ") + table);
    return u'"' + table + u'"';
}

void ExecUpdate(const QString &table, const QVariant &id)
{
    ModuleState &s = state();
    const QString target = sqlTable(table);
    QStringList assignments;
    QVariantList values;
    for (int k = 1; k <= 50; ++k) {
        QVariant &slot = s.FieldValues[k];
        if (!isSkipped(slot)) {
            assignments << QStringLiteral("a%1=?").arg(k);
            values << slotText(slot);
        }
        slot = SkipSlot;
    }
    if (assignments.isEmpty()) {
        s.SqlText.clear();
        return;
    }
    s.SqlText = QStringLiteral("update ") + target + QStringLiteral(" set ")
        + assignments.join(u',') + QStringLiteral(" where id=?");
    values << rowId(id);
    mainConnection().Execute(s.SqlText, values);
}

qint64 ExecInsert(const QString &table)
{
    ModuleState &s = state();
    const QString target = sqlTable(table);
    QStringList columns;
    QStringList marks;
    QVariantList values;
    for (int k = 1; k <= 18; ++k) {
        QVariant &slot = s.FieldValues[k];
        if (!isSkipped(slot)) {
            columns << QStringLiteral("a%1").arg(k);
            marks << QStringLiteral("?");
            values << slotText(slot);
        }
        slot = SkipSlot;
    }
    if (columns.isEmpty()) {
        s.SqlText.clear();
        return 0;
    }
    s.SqlText = QStringLiteral("insert into ") + target + QStringLiteral(" (") + columns.join(u',')
        + QStringLiteral(") values (") + marks.join(u',') + u')';
    Connection &connection = mainConnection();
    connection.Execute(s.SqlText, values);
    return connection.LastInsertId();
}

QString NextSiraNo(int kind, const QString &series)
{
    ModuleState &s = state();
    Recordset &rs = *s.Rs;
    Connection &connection = mainConnection();
    const QString table = sqlTable(s.TblBelge);
    const QString where = QStringLiteral(" where bmod=? and serino=?");
    // The highest number first, then only the documents that carry it: a series may hold tens
    // of thousands of documents, and reading them all would only serve to take the first.
    rs.Open(QStringLiteral("select max(CAST(sirano AS INTEGER)) from ") + table + where, connection,
            { kind, series });
    const QVariant highest = rs.Eof() ? QVariant() : rs.Fields(0);
    rs.Close();
    if (highest.isNull())
        return QStringLiteral("1");
    rs.Open(QStringLiteral("select sirano from ") + table + where
                + QStringLiteral(" and CAST(sirano AS INTEGER)=?"),
            connection, { kind, series, highest });
    double top = 0;
    for (int r = 0; r < rs.RecordCount(); ++r) {
        const double number = numberValue(rs.rows().text(0, r));
        top = r == 0 ? number : std::max(top, number);
    }
    rs.Close();
    return plainNumberText(top + 1);
}

void NextSiraNo(QLineEdit *field, int kind, const QString &series)
{
    const QString next = NextSiraNo(kind, series);
    if (field)
        field->setText(next);
}

void LoadLastId()
{
    ModuleState &s = state();
    Recordset &rs = *s.Rs;
    rs.Open(QStringLiteral("select max(id) from ") + sqlTable(s.TblBelge), mainConnection());
    s.LastBelgeId = rs.Eof() ? QVariant() : rs.Fields(0);
    rs.Close();
}

} // namespace kx
