// What report tests share: a report's grid row by row, and the options of the cheques tab.
#pragma once

#include "platform/grid.h"
#include "reports/report.h"

#include <QDate>

#include <QStringList>

namespace kxtest {

// One line per row from row 1: the row tag, the height, then per cell its text, colour, bold,
// alignment, type, four borders and merge width.
inline QStringList dumpReportGrid(kx::Grid &grid)
{
    QStringList rows;
    for (int r = 1; r < grid.Rows(); ++r) {
        QStringList cells { QString::number(grid.RowTag(r)), QString::number(grid.RowHeight(r)) };
        for (int c = 0; c < grid.Cols(); ++c) {
            kx::GridCell cell = grid.Cell(r, c);
            QString borders;
            for (int edge = 0; edge < 4; ++edge)
                borders += QString::number(cell.Border(edge));
            cells << QStringLiteral("%1{%2 %3 %4 %5 %6 %7}")
                         .arg(cell.Text(), cell.BackColor().name(),
                              cell.FontBold() ? QStringLiteral("b") : QStringLiteral("-"))
                         .arg(cell.CellAlignment())
                         .arg(cell.CellType())
                         .arg(borders)
                         .arg(grid.columnSpan(r - 1, c));
        }
        rows << QString::number(r) + QStringLiteral(": ") + cells.join(u'|');
    }
    return rows;
}

// The texts of rows 1 on, cells joined by '|'; a hidden row starts with "(h)".
inline QStringList reportGridTexts(kx::Grid &grid)
{
    QStringList rows;
    for (int r = 1; r < grid.Rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.Cols(); ++c)
            cells << grid.Cell(r, c).Text();
        rows << (grid.RowHeight(r) == 0 ? QStringLiteral("(h)") : QString()) + cells.join(u'|');
    }
    return rows;
}

// The cheques tab with one status option chosen: 0 " Tümü ", 1 " Kasadakiler ",
// 2 " Dışarıdakiler ", 3 " Ciro Edilenler ", 4 " Tahsil Edilenler ", 5 " Ödenenler ".
inline kx::ReportOptions chequeStatusOption(int option, const QDate &today)
{
    kx::ReportOptions o;
    o.today = today;
    o.chequesAll = option == 0;
    o.chequesInCash = option == 1;
    o.chequesOut = option == 2;
    o.chequesEndorsed = option == 3;
    o.chequesCollected = option == 4;
    o.chequesPaid = option == 5;
    return o;
}

// Each row with "%1", "%2", ... replaced by the texts given, in order.
inline QStringList withKeys(const QStringList &rows, const QStringList &keys)
{
    QStringList filled;
    for (QString row : rows) {
        for (int i = 0; i < keys.size(); ++i)
            row.replace(QLatin1Char('%') + QString::number(i + 1), keys.at(i));
        filled << row;
    }
    return filled;
}

} // namespace kxtest
