// Private to the grid's own files: the stored cells and rows, the cell model over them and the
// delegate that makes the cell editors. Both reach into Grid as its friends.
#pragma once

#include "platform/grid.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QString>
#include <QStyledItemDelegate>
#include <QVariant>

namespace kx {

// What the grid keeps of one cell of a stored row.
struct CellData
{
    QString text;
    QVariant data;
    QColor backColor;
    qint16 alignment = -1;
    qint8 cellType = -1;
    quint8 borders = 0; // two bits of style an edge, edge 0 in the lowest bits
    bool bold = false;
    bool locked = false;
};

// One stored row: its cells, its height in pixels and the tag that the grid never shows.
struct RowData
{
    QList<CellData> cells;
    int height = 18;
    int tag = 0;
};

// Holds the cells of grid rows 0..Rows-1; the view shows rows 1.. as its rows, row 0 as header.
class GridModel : public QAbstractTableModel
{
public:
    explicit GridModel(Grid *grid);

    int gridRows() const { return m_rowCount; }
    int gridCols() const { return m_colCount; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;

    bool inRange(int row, int col) const;
    bool isVirtualRow(int row) const { return m_grid->m_virtualRows && row >= 1; }

    // Stored cell of a non-virtual row, nullptr otherwise.
    CellData *cell(int row, int col);
    const CellData *cell(int row, int col) const;

    int virtualField(int col) const;
    QString text(int row, int col) const;
    // Returns true when the text changed.
    bool storeText(int row, int col, const QString &text);

    int rowHeight(int row) const;
    void setRowHeightValue(int row, int height);
    int rowTag(int row) const;
    void setRowTag(int row, int tag);

    void cellChanged(int row, int col);

    void setGridRows(int rows);
    void insertGridRows(int row, int count);
    void removeGridRows(int row, int count);
    void setGridCols(int cols);
    // Entering or leaving the on-demand mode drops the stored data rows.
    void resetRows();

    void refreshAll();

    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    RowData newRow() const;

    Grid *m_grid;
    QList<RowData> m_rows; // stored rows; only row 0 in the on-demand mode
    int m_rowCount = 1;
    int m_colCount = 1;
};

// Editors by cell type; a text editor writes each keystroke into the cell, so that the cell
// change handlers see the text as it is typed (Escape puts the cell's text back).
class GridDelegate : public QStyledItemDelegate
{
    static constexpr const char *OpenedDate = "kxOpenedDate";
    // A key typed into the date editor or a day picked in its calendar.
    static constexpr const char *DateTyped = "kxDateTyped";

public:
    explicit GridDelegate(Grid *grid);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

    // No focus frame around the current cell: the selection colour marks it.
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    // Marks the keys typed into a date editor before it sees them.
    bool eventFilter(QObject *editor, QEvent *event) override;

    // A click anywhere in a check box cell, or the space bar, toggles it.
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    // The edges of a cell's own borders, inside its rectangle (a merged cell's whole one).
    void paintBorders(QPainter *painter, const QRect &rect, const QModelIndex &index) const;

    Grid *m_grid;
};

} // namespace kx
