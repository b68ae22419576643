// What report tests share: a report's grid row by row, its comparison with a reference, the
// seeded amounts and the options of the cheques tab.
#pragma once

#include "core/conversions.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/grid.h"
#include "reports/report.h"

#include <QDate>
#include <QRandomGenerator>
#include <QStringList>
#include <QTest>

#include <functional>

namespace kxtest {

// The texts of a grid from row 1, one line per row with its cells joined by "|".
inline QStringList gridTexts(kx::Grid *grid)
{
    QStringList texts;
    for (int r = 1; r < grid->Rows(); ++r) {
        QStringList row;
        for (int c = 0; c < grid->Cols(); ++c)
            row << grid->Cell(r, c).Text();
        texts << row.join(u'|');
    }
    return texts;
}

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

// Money as the reports write it.
inline QString moneyText(double value)
{
    return kx::FormatNumber(value, kx::state().NumberFormat);
}

// The logged-in company's documents table, ready for a statement.
inline QString documentsTable()
{
    return kx::sqlTable(kx::state().TblBelge);
}

// Appends an empty row of the kind given, as the plain references build their grids; returns
// its number.
inline int appendReportRow(kx::Grid &grid, kx::ReportRowKind kind = kx::ReportRowKind::Data)
{
    grid.setRows(grid.Rows() + 1);
    const int row = grid.Rows() - 1;
    grid.setRowTag(row, int(kind));
    return row;
}

// The closing totals row as a reference writes it: columns 1 on joined into one yellow, bold,
// centred cell with a thick border all round, holding text.
inline void appendTotalReportRow(kx::Grid &grid, const QString &text)
{
    const int t = appendReportRow(grid, kx::ReportRowKind::Total);
    const int last = grid.Cols() - 1;
    grid.Range(t, 1, t, last).Merge();
    grid.Range(t, 1, t, last).setBackColor(QColor(255, 255, 0));
    grid.Range(t, 1, t, last).setFontBold(true);
    grid.Cell(t, 1).setCellAlignment(10);
    grid.Cell(t, 1).setText(text);
    for (int edge : { 3, 2, 0, 1 })
        grid.Cell(t, 1).setBorder(edge, 2);
}

using ReportReference = std::function<void(kx::Grid &, const kx::ReportOptions &)>;

// The report of page written into a grid of cols columns against the grid that reference
// fills: empty when they match cell for cell, else the row counts and the first row that
// differs.
inline QString reportDifference(int page, int cols, const kx::ReportOptions &options,
                                const ReportReference &reference)
{
    kx::Grid built;
    built.setCols(cols);
    kx::WriteReportRows(&built, kx::BuildReport(page, options).rows);
    kx::Grid expected;
    expected.setCols(cols);
    reference(expected, options);
    const QStringList got = dumpReportGrid(built);
    const QStringList want = dumpReportGrid(expected);
    if (got == want)
        return {};
    QString difference = QStringLiteral("%1 rows, reference %2").arg(got.size()).arg(want.size());
    for (int i = 0; i < qMin(got.size(), want.size()); ++i) {
        if (got.at(i) != want.at(i))
            return difference + QStringLiteral(", first difference:\n got  ") + got.at(i)
                + QStringLiteral("\n want ") + want.at(i);
    }
    return difference;
}

// Fails the running test, naming what, when the report of page differs from the reference.
inline void compareReport(int page, int cols, const kx::ReportOptions &options,
                          const ReportReference &reference, const QString &what)
{
    const QString difference = reportDifference(page, cols, options, reference);
    QVERIFY2(difference.isEmpty(), qPrintable(what + QStringLiteral(": ") + difference));
}

// An amount as the seeded companies store it: two decimals, one in twenty with a third.
inline QString randomAmountText(QRandomGenerator &random)
{
    if (random.bounded(20) == 0)
        return kx::FormatNumber(random.bounded(100000) / 1000.0, "#,##0.000");
    return kx::FormatNumber(random.bounded(500000) / 100.0, "#,##0.00");
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
