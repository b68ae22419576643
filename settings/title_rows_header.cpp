// The column header of the settings window's grids: grid rows 0 and 1 as two fixed title lines.
#include "settings/title_rows_header.h"

#include "platform/grid.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace kx {

TitleRowsHeader::TitleRowsHeader(Grid *grid)
    : QHeaderView(Qt::Horizontal, grid)
    , m_grid(grid)
{
    setMinimumSectionSize(1);
    setDefaultSectionSize(64);
    setHighlightSections(false);
    setSectionsClickable(false);
    setSectionResizeMode(QHeaderView::Fixed);
    grid->setHorizontalHeader(this);
    for (int c = 0; c < grid->Cols(); ++c)
        grid->setColumnWidth(c, grid->ColumnWidth(c));
    grid->setRowHeight(1, 0);
    grid->setRowHeight(0, 2 * grid->DefaultRowHeight());
}

void TitleRowsHeader::mergeTop(int firstCol, int lastCol)
{
    m_merged.append({ firstCol, lastCol });
    viewport()->update();
}

void TitleRowsHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    const int upperHeight = rect.height() / 2;
    QRect upper(rect.left(), rect.top(), rect.width(), upperHeight);
    QString upperText = m_grid->Cell(0, logicalIndex).Text();
    for (const auto &[first, last] : m_merged) {
        if (logicalIndex < first || logicalIndex > last)
            continue;
        // Each column of a merged cell draws the whole cell: the same pixels every time.
        const int left = sectionViewportPosition(first);
        const int right = sectionViewportPosition(last) + sectionSize(last);
        upper.setLeft(left);
        upper.setRight(right - 1);
        upperText = m_grid->Cell(0, first).Text();
        break;
    }
    paintTitle(painter, upper, upperText);
    paintTitle(
        painter,
        QRect(rect.left(), rect.top() + upperHeight, rect.width(), rect.height() - upperHeight),
        m_grid->Cell(1, logicalIndex).Text());
}

void TitleRowsHeader::paintTitle(QPainter *painter, const QRect &rect, const QString &text) const
{
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.text = text;
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::Middle;
    painter->save();
    painter->setClipRect(rect);
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
    painter->restore();
}

} // namespace kx
