// The tools of the print layout grids: reset of a whole layout and the bulk shift of a column.
#pragma once

#include <QString>

namespace kx {

class Grid;

// Switches every field of the layout off at position 0, 0 with size 10, in both groups: columns
// 2..6 and 8..12 of rows 2..last become "0", columns 7 and 13 "10".
void resetLayout(Grid &grid);

// The layout grid column that entry `choice` of the bulk-shift list moves: Değer S, Ü, B and
// Başlık S, Ü, B (3, 4, 7, 9, 10, 13); -1 for any other entry.
int shiftColumnOf(int choice);

// A cell's number read as printing reads it (Turkish decimal comma), moved by delta, written
// back as plain number text with a decimal comma and no grouping: "12,5" by -5 is "7,5".
QString shiftedCellText(const QString &text, double delta);

// Moves column `column` of every field row (2..last) by delta.
void shiftLayoutColumn(Grid &grid, int column, double delta);

} // namespace kx
