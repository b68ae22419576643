// The tools of the print layout grids: reset of a whole layout and the bulk shift of a column.
#include "settings/layout_editing.h"

#include "core/conversions.h"
#include "platform/grid.h"

namespace kx {

namespace {
constexpr int FirstFieldRow = 2;
constexpr int ValueSizeColumn = 7;
constexpr int CaptionSizeColumn = 13;
} // namespace

void resetLayout(Grid &grid)
{
    grid.setAutoRedraw(false);
    for (int r = FirstFieldRow; r < grid.Rows(); ++r) {
        for (int c = 2; c <= CaptionSizeColumn; ++c) {
            const bool size = c == ValueSizeColumn || c == CaptionSizeColumn;
            grid.Cell(r, c).setText(size ? QStringLiteral("10") : QStringLiteral("0"));
        }
    }
    grid.setAutoRedraw(true);
}

int shiftColumnOf(int choice)
{
    static constexpr int columns[] = { 3, 4, 7, 9, 10, 13 };
    return choice >= 0 && choice < int(std::size(columns)) ? columns[choice] : -1;
}

QString shiftedCellText(const QString &text, double delta)
{
    return plainNumberText(ParseAmount(text).toDouble() + delta);
}

void shiftLayoutColumn(Grid &grid, int column, double delta)
{
    if (column < 0 || column >= grid.Cols())
        return;
    grid.setAutoRedraw(false);
    for (int r = FirstFieldRow; r < grid.Rows(); ++r) {
        GridCell cell = grid.Cell(r, column);
        cell.setText(shiftedCellText(cell.Text(), delta));
    }
    grid.setAutoRedraw(true);
}

} // namespace kx
