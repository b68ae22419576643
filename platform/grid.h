// The grid of the program's windows: a QTableView over its own cell model, row 0 the header row.
#pragma once

#include "platform/letter_fold.h"
#include "platform/row_array.h"

#include <QBasicTimer>
#include <QColor>
#include <QFont>
#include <QList>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStringList>
#include <QTableView>
#include <QVariant>

class QLineEdit;

namespace kx {

class Grid;
class GridModel;

// Cell kinds of a column or a single cell.
enum GridCellType {
    CellTypeText = 0,
    CellTypeComboBox = 1, // drop-down list filled through ComboList when the cell is edited
    CellTypeCheckBox = 2, // text "1" ticked, anything else not; a click toggles "1"/"0"
    CellTypeDate = 3, // day.month.year text edited with a date field
};

// Alignment codes: 2 and 10 centred, 4 and 6 left, 12 and 14 right; any other code left. The
// code is kept as given and read back unchanged.
Qt::Alignment gridAlignment(int code);

// The face of every grid's cells and titles (bold where a cell is): an 8-point sans serif,
// semi-condensed. Reports print in it, so that what a grid shows whole prints whole.
QFont gridFont();

// One cell, addressed by grid row (0 = header) and column. A handle: cheap to copy, it reads and
// writes the grid it came from. Out-of-range cells read as empty and ignore writes.
class GridCell
{
public:
    GridCell(Grid *grid, int row, int col)
        : m_grid(grid)
        , m_row(row)
        , m_col(col)
    { }
    int Row() const { return m_row; }
    int Col() const { return m_col; }

    QString Text() const;
    // Emits CellChange when the text differs from the old one.
    void setText(const QString &text);
    // The hidden data value of the cell (not shown).
    QVariant Data() const;
    void setData(const QVariant &value);
    // -1 when the cell has none of its own (the column's applies).
    int CellAlignment() const;
    void setCellAlignment(int code);
    int CellType() const; // the cell's own type, else the column's
    void setCellType(int type);
    bool FontBold() const;
    void setFontBold(bool bold);
    QColor BackColor() const; // invalid when none is set
    void setBackColor(const QColor &color);
    // Border style of one edge (0 left, 1 top, 2 right, 3 bottom): 0 none, 1 thin, 2 thick.
    // On a merged cell the first cell's borders go round the whole merged cell.
    int Border(int edge) const;
    void setBorder(int edge, int style);
    bool Locked() const; // locked by the cell or by its column
    void setLocked(bool locked);
    // Makes this cell the current one and selects it.
    void Select();

private:
    Grid *m_grid;
    int m_row;
    int m_col;
};

// One column's settings.
class GridColumn
{
public:
    GridColumn(Grid *grid, int col)
        : m_grid(grid)
        , m_col(col)
    { }
    int Width() const;
    void setWidth(int pixels); // 0 hides the column
    int Alignment() const; // -1 when not set
    void setAlignment(int code);
    int CellType() const;
    void setCellType(int type);
    bool Locked() const;
    void setLocked(bool locked);

private:
    Grid *m_grid;
    int m_col;
};

// A rectangle of cells, first row and column to last row and column, inclusive.
class GridRange
{
public:
    GridRange(Grid *grid, int row1, int col1, int row2, int col2);
    int FirstRow() const { return m_row1; }
    int FirstCol() const { return m_col1; }
    int LastRow() const { return m_row2; }
    int LastCol() const { return m_col2; }

    // Selects the range; its first cell becomes the current cell.
    void RangeSelect();
    void setLocked(bool locked);
    void setBackColor(const QColor &color);
    void setFontBold(bool bold);
    // Joins the cells into one shown cell (the first cell's text shows).
    void Merge();
    void ClearText();
    // Removes the range's rows from the grid (never the header row).
    void DeleteRows();

private:
    Grid *m_grid;
    int m_row1, m_col1, m_row2, m_col2;
};

// The item list of the drop-down cell being edited; handlers fill it on ComboDropDown.
class GridComboList
{
public:
    void AddItem(const QString &text) { m_items.append(text); }
    void Clear() { m_items.clear(); }
    int ListCount() const { return int(m_items.size()); }
    QStringList items() const { return m_items; }

private:
    QStringList m_items;
};

class Grid : public QTableView
{
    Q_OBJECT

public:
    explicit Grid(QWidget *parent = nullptr);
    ~Grid() override;

    using QTableView::edit;

    // Row count including the header row 0 (at least 1). Growing adds empty rows at the end.
    int Rows() const;
    void setRows(int rows);
    // Column count including column 0 (at least 1).
    int Cols() const;
    void setCols(int cols);

    GridCell Cell(int row, int col) { return GridCell(this, row, col); }
    GridColumn ColumnAt(int col) { return GridColumn(this, col); }
    GridRange Range(int row1, int col1, int row2, int col2)
    {
        return GridRange(this, row1, col1, row2, col2);
    }
    int ColumnWidth(int col) const;
    void setColumnWidth(int col, int pixels);
    int ColumnAlignment(int col) const;
    void setColumnAlignment(int col, int code);
    int ColumnCellType(int col) const;
    void setColumnCellType(int col, int type);
    // A list cell of the column takes only an item of its list: a typed text that is none
    // leaves the cell as it was.
    bool ColumnItemsOnly(int col) const;
    void setColumnItemsOnly(int col, bool only);
    // A list cell of the column compares typed text and its items after this fold, for the
    // completion, Enter and the text it takes; without one, letters compare without case.
    LetterFold ColumnTypedFold(int col) const;
    void setColumnTypedFold(int col, LetterFold fold);

    // Row heights in pixels; new rows get DefaultRowHeight. Height 0 hides the row (row 0: the
    // header).
    int RowHeight(int row) const;
    void setRowHeight(int row, int pixels);
    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void setDefaultRowHeight(int pixels);
    // A number the grid keeps with a stored row and never shows (0 for a new row); the reports
    // mark their row kinds with it.
    int RowTag(int row) const;
    void setRowTag(int row, int tag);

    // Inserts count empty rows before row (row >= 1); row == Rows() appends.
    void InsertRow(int row, int count = 1);
    void RemoveRow(int row, int count = 1);

    // While false the grid does not repaint, and the handlers of its notifications take changes
    // as the bulk fill of a routine (they check it). Setting it true repaints.
    bool AutoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on);
    void Refresh();

    // 0: single cells are selected and can be edited; 1: whole rows, browsing only.
    int SelectMode() const { return m_selectMode; }
    void setSelectMode(int mode);
    // 0 none, 3 both.
    int ScrollBarsShown() const { return m_scrollBars; }
    void setScrollBarsShown(int bars);

    // The current cell (row 0 / col 0 when none).
    GridCell CurrentCell();
    // The selected cells as a range; an empty selection gives the current cell.
    GridRange SelectionRange();

    // Colour of the area outside the cells, also used by routines to paint "empty" cells.
    QColor BackColorBkg() const { return m_backColorBkg; }
    void setBackColorBkg(const QColor &color);

    // The list shown by the drop-down cell being edited.
    GridComboList &ComboList() { return m_comboList; }
    // Puts the edit caret of the cell being edited at a character index.
    void setEditCaret(int position);

    // On-demand mode for long lists: row r >= 1, column c shows field columnFields[c] (field c
    // when the map is empty) of record r - 1 of rows, read at paint time and never copied.
    // Edits of those cells write into rows. nullptr ends the mode. The grid keeps the pointer:
    // rows must outlive the mode.
    void setVirtualRows(RowArray *rows, const QList<int> &columnFields = {});
    bool isVirtual() const { return m_virtualRows != nullptr; }

    // The program's common look (one font, single selection, no focus frame, dark selection).
    void applyCommonLook();

    // The one cell (row >= 1) where the focus may rest, as the discount cell of a totals grid:
    // entering the grid, a click on another cell and the arrow keys keep the current cell
    // there, and Tab leaves the grid. Row 0 lets every cell take it again.
    void setFocusCell(int row, int col);

    // The grid whose open cell editor holds widget, else null.
    static Grid *editorOwner(const QWidget *widget);

    // A cell of a hidden column scrolls its row into view.
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

signals:
    // A cell's text changed, typed or written by code.
    void CellChange(int row, int col);
    // The user dragged column col to a new width.
    void ColumnResize(int col);
    // Before a drop-down cell opens its list: OpenRow first, then ComboDropDown.
    void OpenRow(int row, int col);
    void ComboDropDown(int row, int col);
    void DblClick();
    // The current cell moves from (row, col) to (newRow, newCol).
    void LeaveCell(int row, int col, int newRow, int newCol);
    // The focus left the grid and its editors.
    void LostFocus();

protected:
    bool event(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    friend class GridCell;
    friend class GridColumn;
    friend class GridRange;
    friend class GridModel;
    friend class GridDelegate;

    struct ColumnData
    {
        int width = 64;
        int alignment = -1;
        int cellType = -1;
        bool locked = false;
        bool itemsOnly = false;
        LetterFold typedFold = nullptr;
    };

    // The text cell whose editor is open and what it held then: the editor writes every key
    // into the cell, and Escape puts this back.
    struct OpenedText
    {
        QPointer<QWidget> editor;
        QPersistentModelIndex index;
        QString text;
    };

    void applyColumnWidth(int col);
    void applyHeaderHeight();
    void onFocusChanged(QWidget *old, QWidget *now);
    bool ownsWidget(const QWidget *widget) const;
    // col itself when shown, else a shown column to stand for it; -1 when none is shown.
    int shownColumnFor(int col) const;

    GridModel *m_model = nullptr;
    QList<ColumnData> m_columns;
    RowArray *m_virtualRows = nullptr;
    QList<int> m_columnFields;
    bool m_autoRedraw = true;
    int m_selectMode = 0;
    int m_scrollBars = 3;
    int m_defaultRowHeight = 18;
    int m_headerHeight = 18;
    bool m_settingWidth = false;
    QColor m_backColorBkg = QColor(0xE4, 0xE6, 0xEA);
    GridComboList m_comboList;
    QPointer<QLineEdit> m_lineEditor;
    OpenedText m_openedText;
    int m_focusRow = 0;
    int m_focusCol = 0;
    // A click on a selected cell edits it once the double-click time is over.
    QBasicTimer m_clickEdit;
    EditTrigger m_lastTrigger = NoEditTriggers;
};

// Gives every grid of a window the common look.
void StyleGrid(QWidget *window);

} // namespace kx
