// Settings rows whose every cell tells where it came from, and a snapshot of the whole table.
#pragma once

#include "core/lists.h"
#include "core/state.h"

#include <QStringList>
#include <QVariantList>

namespace kxtest {

// The layout grid columns whose cells are check boxes (Y, -->, K of both groups).
inline bool isLayoutCheckColumn(int m)
{
    return m % 6 == 2 || m % 6 == 5 || m % 6 == 0;
}

// The text seeded into column a<column> of settings row `row`. Columns the window shows as
// numbers hold values the save writes back as they are ("0"/"1", whole numbers); every other
// cell holds a text that names its row and column, a few with an apostrophe, and some layout
// check cells "2", which printing leaves off and a save must keep.
inline QString seededText(int row, int column)
{
    const bool listRow = row == 1 || row == 2;
    if (listRow && column <= 18)
        return (row + column) % 3 == 0 ? QStringLiteral("0") : QStringLiteral("1");
    if (listRow && column <= 24)
        return QStringLiteral("Alan'%1.%2 ü").arg(row).arg(column);
    if ((row == 4 || row == 5) && column <= 18)
        return QString::number(100 * row + column);
    if (row == 53 && column <= 9)
        return column % 3 == 1 ? QStringLiteral("0") : QStringLiteral("1");
    if (row == 54 && column <= 4)
        return (column == 2 || column == 3) ? QStringLiteral("1") : QStringLiteral("0");
    if (row == 54 && column <= 6)
        return column == 5 ? QStringLiteral("1") : QStringLiteral("0");
    if (row >= 17 && row <= 52 && isLayoutCheckColumn((row - 17) % 12 + 2) && column % 4 == 0)
        return QStringLiteral("2");
    return QStringLiteral("r%1'a%2").arg(row).arg(column);
}

// Writes seededText into a1..a50 of every settings row 1..54 of the logged-in company, after
// the settings load has added row 54 to the delivered rows.
inline void seedSettings()
{
    kx::ModuleState &s = kx::state();
    kx::LoadLists(true, false, false);
    QStringList assignments;
    for (int column = 1; column <= 50; ++column)
        assignments << QStringLiteral("a%1=?").arg(column);
    const QString sql = QStringLiteral("update \"%1\" set %2 where id=?")
                            .arg(s.TblAyar, assignments.join(QLatin1Char(',')));
    for (int row = 1; row <= 54; ++row) {
        QVariantList values;
        for (int column = 1; column <= 50; ++column)
            values << seededText(row, column);
        values << row;
        s.Conn->Execute(sql, values);
    }
}

// In the logged-in company's settings table unless another is named.
inline void setSetting(int row, int column, const QVariant &value, QString table = {})
{
    kx::ModuleState &s = kx::state();
    if (table.isEmpty())
        table = s.TblAyar;
    s.Conn->Execute(QStringLiteral("update \"%1\" set a%2=? where id=?").arg(table).arg(column),
                    { value, row });
}

// One entry per stored cell, "id/column" → type and text, so that a Null, a number and a text
// of the same digits all differ. Of the logged-in company's settings table unless another is
// named.
inline QMap<QString, QString> settingsSnapshot(QString table = {})
{
    kx::ModuleState &s = kx::state();
    if (table.isEmpty())
        table = s.TblAyar;
    kx::Recordset rs;
    rs.Open(QStringLiteral("select * from \"%1\" order by id").arg(table), *s.Conn);
    QMap<QString, QString> cells;
    const QStringList names = rs.fieldNames();
    for (; !rs.Eof(); rs.MoveNext()) {
        const QString id = rs.Fields(0).toString();
        for (int f = 1; f < names.size(); ++f) {
            const QVariant value = rs.Fields(f);
            cells.insert(id + u'/' + names.at(f),
                         value.isNull()
                             ? QStringLiteral("<null>")
                             : QString::fromLatin1(value.typeName()) + u':' + value.toString());
        }
    }
    rs.Close();
    return cells;
}

inline QString storedSetting(int row, int column, QString table = {})
{
    kx::ModuleState &s = kx::state();
    if (table.isEmpty())
        table = s.TblAyar;
    kx::Recordset rs;
    rs.Open(QStringLiteral("select a%1 from \"%2\" where id=?").arg(column).arg(table), *s.Conn,
            { row });
    const QVariant value = rs.Eof() ? QVariant() : rs.Fields(0);
    rs.Close();
    return value.isNull() ? QStringLiteral("<null>") : value.toString();
}

} // namespace kxtest
