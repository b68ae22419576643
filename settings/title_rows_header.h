// The column header of the settings window's grids: grid rows 0 and 1 as two fixed title lines.
#pragma once

#include <QHeaderView>
#include <QList>
#include <QPair>

namespace kx {

class Grid;

// Draws grid row 0 as the upper title line, with cells merged over several columns, and grid
// row 1 as the lower one; row 1 stays in the grid for its texts but is not shown as a data row,
// so both lines stay in view while the field rows scroll.
class TitleRowsHeader : public QHeaderView
{
    Q_OBJECT

public:
    // Becomes the grid's column header; call once the grid has at least two rows.
    explicit TitleRowsHeader(Grid *grid);

    // Shows the text of cell (0, firstCol) across columns firstCol..lastCol of the upper line.
    void mergeTop(int firstCol, int lastCol);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    void paintTitle(QPainter *painter, const QRect &rect, const QString &text) const;

    Grid *m_grid;
    QList<QPair<int, int>> m_merged;
};

} // namespace kx
