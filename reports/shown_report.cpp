// A report as the grid shows it: its shown rows and columns with their texts and looks.
#include "reports/shown_report.h"

#include "platform/grid.h"

namespace kx {

namespace {

ShownCell shownCell(Grid *grid, int row, int col)
{
    GridCell cell = grid->Cell(row, col);
    ShownCell shown;
    shown.text = cell.Text();
    shown.backColor = cell.BackColor();
    shown.bold = cell.FontBold();
    int alignment = cell.CellAlignment();
    if (alignment < 0)
        alignment = grid->ColumnAlignment(col);
    shown.alignment = gridAlignment(alignment);
    for (int edge = 0; edge < 4; ++edge)
        shown.borders[edge] = cell.Border(edge);
    return shown;
}

} // namespace

ShownReport shownReport(Grid *grid)
{
    ShownReport report;
    const int cols = grid->Cols();
    // Where each grid column stands among the shown ones; -1 when hidden.
    QList<int> shownAt(cols, -1);
    for (int c = 1; c < cols; ++c) {
        if (grid->ColumnWidth(c) <= 0)
            continue;
        shownAt[c] = int(report.columns.size());
        report.columns << c;
        report.titles << grid->Cell(0, c).Text();
        report.widths << grid->ColumnWidth(c);
    }
    if (report.columns.isEmpty())
        return report;

    for (int r = 1; r < grid->Rows(); ++r) {
        const int height = grid->RowHeight(r);
        if (height <= 0)
            continue;
        ShownRow row;
        row.kind = reportRowKind(grid, r);
        row.height = height;
        row.cells.resize(report.columns.size());
        int c = 0;
        while (c < cols) {
            const int span = qMax(1, grid->columnSpan(r - 1, c));
            // A merged cell shows in the first of its columns that is shown.
            int first = -1, count = 0;
            for (int k = c; k < qMin(cols, c + span); ++k) {
                if (shownAt[k] < 0)
                    continue;
                if (first < 0)
                    first = shownAt[k];
                ++count;
            }
            if (first >= 0) {
                ShownCell cell = shownCell(grid, r, c);
                cell.span = count;
                row.cells[first] = cell;
                for (int k = first + 1; k < first + count; ++k) {
                    row.cells[k] = cell;
                    row.cells[k].text.clear();
                    row.cells[k].span = 0;
                }
            }
            c += span;
        }
        report.rows << row;
    }
    return report;
}

} // namespace kx
