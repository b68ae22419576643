// A report as the grid shows it: its shown rows and columns with their texts and looks, which
// the workbook export and the report print both take.
#pragma once

#include "reports/report.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace kx {

class Grid;

struct ShownCell
{
    QString text;
    // Shown columns this cell covers: 1 for a plain cell, more for a merged one, 0 for a cell
    // that a merged cell to its left covers.
    int span = 1;
    QColor backColor; // invalid: none
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    std::array<int, 4> borders {}; // edges left, top, right, bottom: 0 none, 1 thin, 2 thick
};

struct ShownRow
{
    ReportRowKind kind = ReportRowKind::None;
    int height = 0; // pixels
    QList<ShownCell> cells; // one per shown column
};

struct ShownReport
{
    QList<int> columns; // the grid columns shown, left to right
    QStringList titles; // their titles
    QList<int> widths; // their widths in pixels
    QList<ShownRow> rows; // the shown report rows, top to bottom, title row not included
};

// The report rows of the grid that are shown (hidden rows stay out) in the columns that are
// shown (column 0, the key column, never). A merged cell keeps its first cell's text and
// look; its span counts the shown columns it covers.
ShownReport shownReport(Grid *grid);

} // namespace kx
