// What a report left in a grid, row by row, for comparing two grids in one assertion.
#pragma once

#include "platform/grid.h"

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

} // namespace kxtest
