// The grid: the view with its notifications, and the cell, column and range handles over it.
#include "platform/grid.h"

#include "platform/grid_p.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QTimerEvent>

#include <utility>

namespace kx {

Qt::Alignment gridAlignment(int code)
{
    switch (code) {
    case 2:
    case 10:
        return Qt::AlignCenter;
    case 12:
    case 14:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// ---- GridCell ----

QString GridCell::Text() const
{
    return m_grid->m_model->text(m_row, m_col);
}

void GridCell::setText(const QString &text)
{
    if (!m_grid->m_model->storeText(m_row, m_col, text))
        return;
    m_grid->m_model->cellChanged(m_row, m_col);
    emit m_grid->CellChange(m_row, m_col);
}

QVariant GridCell::Data() const
{
    const CellData *cell = m_grid->m_model->cell(m_row, m_col);
    return cell ? cell->data : QVariant();
}

void GridCell::setData(const QVariant &value)
{
    if (CellData *cell = m_grid->m_model->cell(m_row, m_col))
        cell->data = value;
}

int GridCell::CellAlignment() const
{
    const CellData *cell = m_grid->m_model->cell(m_row, m_col);
    return cell ? cell->alignment : -1;
}

void GridCell::setCellAlignment(int code)
{
    if (CellData *cell = m_grid->m_model->cell(m_row, m_col)) {
        cell->alignment = qint16(code);
        m_grid->m_model->cellChanged(m_row, m_col);
    }
}

int GridCell::CellType() const
{
    const CellData *cell = m_grid->m_model->cell(m_row, m_col);
    if (cell && cell->cellType >= 0)
        return cell->cellType;
    const int type = m_grid->m_columns.value(m_col).cellType;
    return type < 0 ? CellTypeText : type;
}

void GridCell::setCellType(int type)
{
    if (CellData *cell = m_grid->m_model->cell(m_row, m_col)) {
        cell->cellType = qint8(type);
        m_grid->m_model->cellChanged(m_row, m_col);
    }
}

bool GridCell::FontBold() const
{
    const CellData *cell = m_grid->m_model->cell(m_row, m_col);
    return cell && cell->bold;
}

void GridCell::setFontBold(bool bold)
{
    if (CellData *cell = m_grid->m_model->cell(m_row, m_col)) {
        cell->bold = bold;
        m_grid->m_model->cellChanged(m_row, m_col);
    }
}

QColor GridCell::BackColor() const
{
    const CellData *cell = m_grid->m_model->cell(m_row, m_col);
    return cell ? cell->backColor : QColor();
}

void GridCell::setBackColor(const QColor &color)
{
    if (CellData *cell = m_grid->m_model->cell(m_row, m_col)) {
        cell->backColor = color;
        m_grid->m_model->cellChanged(m_row, m_col);
    }
}

int GridCell::Border(int edge) const
{
    const CellData *cell = m_grid->m_model->cell(m_row, m_col);
    if (!cell || edge < 0 || edge > 3)
        return 0;
    return (cell->borders >> (2 * edge)) & 3;
}

void GridCell::setBorder(int edge, int style)
{
    CellData *cell = m_grid->m_model->cell(m_row, m_col);
    if (!cell || edge < 0 || edge > 3)
        return;
    const int shift = 2 * edge;
    cell->borders = quint8((cell->borders & ~(3 << shift)) | (qBound(0, style, 3) << shift));
    m_grid->m_model->cellChanged(m_row, m_col);
}

bool GridCell::Locked() const
{
    const CellData *cell = m_grid->m_model->cell(m_row, m_col);
    return (cell && cell->locked) || m_grid->m_columns.value(m_col).locked;
}

void GridCell::setLocked(bool locked)
{
    if (CellData *cell = m_grid->m_model->cell(m_row, m_col))
        cell->locked = locked;
}

void GridCell::Select()
{
    m_grid->Range(m_row, m_col, m_row, m_col).RangeSelect();
}

// ---- GridColumn ----

int GridColumn::Width() const
{
    return m_grid->ColumnWidth(m_col);
}

void GridColumn::setWidth(int pixels)
{
    m_grid->setColumnWidth(m_col, pixels);
}

int GridColumn::Alignment() const
{
    return m_grid->ColumnAlignment(m_col);
}

void GridColumn::setAlignment(int code)
{
    m_grid->setColumnAlignment(m_col, code);
}

int GridColumn::CellType() const
{
    return m_grid->ColumnCellType(m_col);
}

void GridColumn::setCellType(int type)
{
    m_grid->setColumnCellType(m_col, type);
}

bool GridColumn::Locked() const
{
    return m_grid->m_columns.value(m_col).locked;
}

void GridColumn::setLocked(bool locked)
{
    if (m_col >= 0 && m_col < m_grid->m_columns.size())
        m_grid->m_columns[m_col].locked = locked;
}

// ---- GridRange ----

GridRange::GridRange(Grid *grid, int row1, int col1, int row2, int col2)
    : m_grid(grid)
    , m_row1(qMin(row1, row2))
    , m_col1(qMin(col1, col2))
    , m_row2(qMax(row1, row2))
    , m_col2(qMax(col1, col2))
{ }

void GridRange::RangeSelect()
{
    GridModel *model = m_grid->m_model;
    const int lastRow = qMin(m_row2, model->gridRows() - 1);
    const int lastCol = qMin(m_col2, model->gridCols() - 1);
    if (m_row1 < 1 || m_row1 > lastRow || m_col1 > lastCol)
        return;
    const QModelIndex first = model->index(m_row1 - 1, m_col1);
    const QModelIndex last = model->index(lastRow - 1, lastCol);
    QItemSelectionModel *selection = m_grid->selectionModel();
    selection->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
}

void GridRange::setLocked(bool locked)
{
    for (int r = m_row1; r <= m_row2; ++r)
        for (int c = m_col1; c <= m_col2; ++c)
            m_grid->Cell(r, c).setLocked(locked);
}

void GridRange::setBackColor(const QColor &color)
{
    for (int r = m_row1; r <= m_row2; ++r)
        for (int c = m_col1; c <= m_col2; ++c)
            m_grid->Cell(r, c).setBackColor(color);
}

void GridRange::setFontBold(bool bold)
{
    for (int r = m_row1; r <= m_row2; ++r)
        for (int c = m_col1; c <= m_col2; ++c)
            m_grid->Cell(r, c).setFontBold(bold);
}

void GridRange::Merge()
{
    if (m_row1 < 1 || (m_row1 == m_row2 && m_col1 == m_col2))
        return;
    m_grid->setSpan(m_row1 - 1, m_col1, m_row2 - m_row1 + 1, m_col2 - m_col1 + 1);
}

void GridRange::ClearText()
{
    for (int r = m_row1; r <= m_row2; ++r)
        for (int c = m_col1; c <= m_col2; ++c)
            m_grid->Cell(r, c).setText(QString());
}

void GridRange::DeleteRows()
{
    const int first = qMax(1, m_row1);
    if (m_row2 >= first)
        m_grid->RemoveRow(first, m_row2 - first + 1);
}

// ---- Grid ----

Grid::Grid(QWidget *parent)
    : QTableView(parent)
{
    m_columns.resize(1);
    m_model = new GridModel(this);
    setModel(m_model);
    setItemDelegate(new GridDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(m_defaultRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(64);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    applyColumnWidth(0);
    applyHeaderHeight();
    setBackColorBkg(m_backColorBkg);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int col, int, int newSize) {
                if (m_settingWidth || col < 0 || col >= m_columns.size())
                    return;
                m_columns[col].width = newSize;
                emit ColumnResize(col);
            });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &now, const QModelIndex &before) {
                if (!before.isValid())
                    return;
                emit LeaveCell(before.row() + 1, before.column(), now.isValid() ? now.row() + 1 : 0,
                               now.column());
            });
    connect(qApp, &QApplication::focusChanged, this, &Grid::onFocusChanged);
}

Grid::~Grid()
{
    // Closing a window on the way down moves the focus: that must not reach a half-gone grid.
    if (qApp)
        disconnect(qApp, &QApplication::focusChanged, this, &Grid::onFocusChanged);
}

int Grid::Rows() const
{
    return m_model->gridRows();
}

void Grid::setRows(int rows)
{
    m_model->setGridRows(rows);
}

int Grid::Cols() const
{
    return m_model->gridCols();
}

void Grid::setCols(int cols)
{
    cols = qMax(1, cols);
    if (cols == Cols())
        return;
    clearSpans();
    m_columns.resize(cols);
    m_model->setGridCols(cols);
    // The reset gave every section the default size: put the stored widths and heights back.
    for (int c = 0; c < cols; ++c)
        applyColumnWidth(c);
    if (!m_virtualRows) {
        for (int r = 1; r < Rows(); ++r) {
            if (m_model->rowHeight(r) != m_defaultRowHeight)
                setRowHeight(r, m_model->rowHeight(r));
        }
    }
}

int Grid::ColumnWidth(int col) const
{
    return m_columns.value(col).width;
}

void Grid::setColumnWidth(int col, int pixels)
{
    if (col < 0 || col >= m_columns.size())
        return;
    m_columns[col].width = qMax(0, pixels);
    applyColumnWidth(col);
}

int Grid::ColumnAlignment(int col) const
{
    return m_columns.value(col).alignment;
}

void Grid::setColumnAlignment(int col, int code)
{
    if (col < 0 || col >= m_columns.size())
        return;
    m_columns[col].alignment = code;
    if (m_autoRedraw)
        viewport()->update();
}

int Grid::ColumnCellType(int col) const
{
    const int type = m_columns.value(col).cellType;
    return type < 0 ? CellTypeText : type;
}

void Grid::setColumnCellType(int col, int type)
{
    if (col < 0 || col >= m_columns.size())
        return;
    m_columns[col].cellType = type;
}

bool Grid::ColumnItemsOnly(int col) const
{
    return m_columns.value(col).itemsOnly;
}

void Grid::setColumnItemsOnly(int col, bool only)
{
    if (col < 0 || col >= m_columns.size())
        return;
    m_columns[col].itemsOnly = only;
}

LetterFold Grid::ColumnTypedFold(int col) const
{
    return m_columns.value(col).typedFold;
}

void Grid::setColumnTypedFold(int col, LetterFold fold)
{
    if (col < 0 || col >= m_columns.size())
        return;
    m_columns[col].typedFold = fold;
}

int Grid::RowHeight(int row) const
{
    if (row == 0)
        return m_headerHeight;
    return m_model->rowHeight(row);
}

void Grid::setRowHeight(int row, int pixels)
{
    pixels = qMax(0, pixels);
    if (row == 0) {
        m_headerHeight = pixels;
        applyHeaderHeight();
        return;
    }
    if (row < 1 || row >= Rows())
        return;
    m_model->setRowHeightValue(row, pixels);
    verticalHeader()->setSectionHidden(row - 1, pixels == 0);
    if (pixels > 0)
        verticalHeader()->resizeSection(row - 1, pixels);
}

int Grid::RowTag(int row) const
{
    return m_model->rowTag(row);
}

void Grid::setRowTag(int row, int tag)
{
    m_model->setRowTag(row, tag);
}

void Grid::setDefaultRowHeight(int pixels)
{
    m_defaultRowHeight = qMax(1, pixels);
    verticalHeader()->setDefaultSectionSize(m_defaultRowHeight);
}

void Grid::InsertRow(int row, int count)
{
    m_model->insertGridRows(row, count);
}

void Grid::RemoveRow(int row, int count)
{
    m_model->removeGridRows(row, count);
}

void Grid::setAutoRedraw(bool on)
{
    if (m_autoRedraw == on)
        return;
    m_autoRedraw = on;
    viewport()->setUpdatesEnabled(on);
    horizontalHeader()->viewport()->setUpdatesEnabled(on);
    if (on)
        Refresh();
}

void Grid::Refresh()
{
    if (!m_autoRedraw)
        return;
    m_model->refreshAll();
    viewport()->update();
}

void Grid::setSelectMode(int mode)
{
    m_selectMode = mode;
    setSelectionBehavior(mode == 1 ? QAbstractItemView::SelectRows
                                   : QAbstractItemView::SelectItems);
}

void Grid::setScrollBarsShown(int bars)
{
    m_scrollBars = bars;
    const Qt::ScrollBarPolicy policy = bars == 0 ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
}

GridCell Grid::CurrentCell()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return GridCell(this, 0, 0);
    return GridCell(this, current.row() + 1, current.column());
}

GridRange Grid::SelectionRange()
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        const GridCell current = CurrentCell();
        return GridRange(this, current.Row(), current.Col(), current.Row(), current.Col());
    }
    int row1 = INT_MAX, col1 = INT_MAX, row2 = -1, col2 = -1;
    for (const QModelIndex &index : selected) {
        row1 = qMin(row1, index.row() + 1);
        col1 = qMin(col1, index.column());
        row2 = qMax(row2, index.row() + 1);
        col2 = qMax(col2, index.column());
    }
    return GridRange(this, row1, col1, row2, col2);
}

void Grid::setBackColorBkg(const QColor &color)
{
    m_backColorBkg = color;
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Base, color);
    viewport()->setPalette(palette);
    setPalette(palette);
}

void Grid::setEditCaret(int position)
{
    if (m_lineEditor)
        m_lineEditor->setCursorPosition(position);
}

void Grid::setVirtualRows(RowArray *rows, const QList<int> &columnFields)
{
    if (rows == m_virtualRows && columnFields == m_columnFields)
        return;
    clearSpans();
    m_columnFields = columnFields;
    m_virtualRows = rows;
    m_model->resetRows();
}

QFont gridFont()
{
    QFont face;
    face.setFamily(QStringLiteral("Sans Serif"));
    face.setPointSize(8);
    face.setStretch(QFont::SemiCondensed);
    return face;
}

void Grid::applyCommonLook()
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameShape(QFrame::StyledPanel);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setAlternatingRowColors(false);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Highlight, QColor(0x2B, 0x3A, 0x4E));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0x44, 0x55, 0x6B));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    setPalette(palette);
    setFocusPolicy(Qt::StrongFocus);
    // One small sans-serif font for cells and titles, titles not bold.
    const QFont small = gridFont();
    setFont(small);
    QFont titles = small;
    titles.setBold(false);
    horizontalHeader()->setFont(titles);
    applyHeaderHeight();
}

void Grid::setFocusCell(int row, int col)
{
    m_focusRow = qMax(0, row);
    m_focusCol = qMax(0, col);
    setTabKeyNavigation(m_focusRow == 0);
}

Grid *Grid::editorOwner(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        auto *grid = qobject_cast<Grid *>(w->parentWidget());
        if (grid && w == grid->viewport())
            return widget != w && grid->state() == QAbstractItemView::EditingState ? grid : nullptr;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

bool Grid::event(QEvent *event)
{
    const bool handled = QTableView::event(event);
    // The frame shows that the grid holds the focus, also while it has no cell to mark.
    if (event->type() == QEvent::Paint && hasFocus()) {
        QPainter painter(this);
        // The system's focus colour, as the other fields show their focus.
        QPen pen(QGuiApplication::palette().color(QPalette::Active, QPalette::Highlight), 2);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    return handled;
}

void Grid::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (m_focusRow > 0 && pressed.isValid()
        && (pressed.row() + 1 != m_focusRow || pressed.column() != m_focusCol)) {
        // A label cell only brings the focus to the grid's one focus cell.
        setFocus(Qt::MouseFocusReason);
        Cell(m_focusRow, m_focusCol).Select();
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void Grid::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    if (m_focusRow > 0 && m_focusRow < Rows() && m_focusCol < Cols()
        && (CurrentCell().Row() != m_focusRow || CurrentCell().Col() != m_focusCol))
        Cell(m_focusRow, m_focusCol).Select();
}

QModelIndex Grid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if (m_focusRow > 0 && m_focusRow < Rows() && m_focusCol < Cols())
        return m_model->index(m_focusRow - 1, m_focusCol);
    // A row chosen by code starts at the hidden key column, from which the view moves nowhere:
    // the keys move from that row as if from a shown column of it. The stand-in is quiet and
    // undone, so the move is told as leaving the cell that was current.
    const QModelIndex current = currentIndex();
    const int shown = current.isValid() ? shownColumnFor(current.column()) : -1;
    if (shown < 0 || shown == current.column())
        return QTableView::moveCursor(cursorAction, modifiers);
    const QSignalBlocker quiet(selectionModel());
    selectionModel()->setCurrentIndex(current.siblingAtColumn(shown),
                                      QItemSelectionModel::NoUpdate);
    const QModelIndex moved = QTableView::moveCursor(cursorAction, modifiers);
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    return moved;
}

void Grid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // A grid with one typeable cell (the totals) has no next cell for Tab: the typed value is
    // kept and Tab goes on through the window, as it does from the cell itself.
    const bool leaves = !tabKeyNavigation()
        && (hint == QAbstractItemDelegate::EditNextItem
            || hint == QAbstractItemDelegate::EditPreviousItem);
    // Escape: the cell gets back the text it held when its editor opened, through the cell,
    // so that the change handlers compute from it again.
    OpenedText opened;
    if (m_openedText.editor == editor)
        opened = std::exchange(m_openedText, {});
    QTableView::closeEditor(editor, leaves ? QAbstractItemDelegate::NoHint : hint);
    if (hint == QAbstractItemDelegate::RevertModelCache && opened.index.isValid())
        Cell(opened.index.row() + 1, opened.index.column()).setText(opened.text);
    if (leaves)
        focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
}

bool Grid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // Qt waits out the double-click time before it edits a selected cell that was clicked, and
    // meanwhile takes typed keys for a search: a click then a quick key lost the key. The grid
    // waits itself, and a key typed meanwhile edits the cell at once.
    const EditTrigger last = std::exchange(m_lastTrigger, trigger);
    const Qt::ItemFlags flags = index.flags();
    if (trigger == SelectedClicked && (editTriggers() & SelectedClicked)
        && (flags & Qt::ItemIsEditable) && (flags & Qt::ItemIsEnabled)
        && !(flags & Qt::ItemIsUserCheckable)) {
        // The release that ends a double-click edits nothing more.
        if (last == DoubleClicked)
            return false;
        m_clickEdit.start(QApplication::doubleClickInterval(), this);
        return true;
    }
    if (trigger != NoEditTriggers)
        m_clickEdit.stop();
    return QTableView::edit(index, trigger, event);
}

void Grid::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_clickEdit.timerId()) {
        QTableView::timerEvent(event);
        return;
    }
    m_clickEdit.stop();
    QTableView::edit(currentIndex());
}

void Grid::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    // The hidden key column has no place on screen; its row has, in a shown column.
    const int shown = index.isValid() ? shownColumnFor(index.column()) : -1;
    QTableView::scrollTo(shown >= 0 ? index.siblingAtColumn(shown) : index, hint);
}

int Grid::shownColumnFor(int col) const
{
    if (!isColumnHidden(col))
        return col;
    // The leftmost column on screen keeps the sideways position; else the first shown one.
    const int left = columnAt(0);
    if (left >= 0 && !isColumnHidden(left))
        return left;
    for (int c = 0; c < Cols(); ++c) {
        if (!isColumnHidden(c))
            return c;
    }
    return -1;
}

void Grid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    emit DblClick();
}

void Grid::applyColumnWidth(int col)
{
    if (col < 0 || col >= m_columns.size() || col >= Cols())
        return;
    m_settingWidth = true;
    const int width = m_columns.at(col).width;
    horizontalHeader()->setSectionHidden(col, width == 0);
    if (width > 0)
        horizontalHeader()->resizeSection(col, width);
    m_settingWidth = false;
}

void Grid::applyHeaderHeight()
{
    horizontalHeader()->setVisible(m_headerHeight > 0);
    if (m_headerHeight > 0)
        horizontalHeader()->setFixedHeight(qMax(m_headerHeight, fontMetrics().height() + 6));
}

bool Grid::ownsWidget(const QWidget *widget) const
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (w == this)
            return true;
    }
    return false;
}

void Grid::onFocusChanged(QWidget *old, QWidget *now)
{
    if (!old || !ownsWidget(old))
        return;
    // A drop-down's list or a date popup is a window of its own but still the grid's editor.
    if (now && (ownsWidget(now) || (now->window()->windowFlags() & Qt::Popup) == Qt::Popup))
        return;
    emit LostFocus();
}

void StyleGrid(QWidget *window)
{
    if (!window)
        return;
    for (Grid *grid : window->findChildren<Grid *>())
        grid->applyCommonLook();
}

} // namespace kx
