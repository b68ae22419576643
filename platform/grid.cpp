// The grid: cell model, editors for text, drop-down, check box and date cells, the notifications.
#include "platform/grid.h"

#include "platform/date_field.h"

#include <QAbstractItemView>
#include <QAbstractTableModel>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
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

namespace {

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

struct RowData
{
    QList<CellData> cells;
    int height = 18;
    int tag = 0;
};

// A text counts as ticked when its leading number is 1 ("1", "1,0", " 1").
bool isTicked(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().replace(',', '.').toDouble(&ok);
    return ok && value == 1.0;
}

// The list item that text names, letters compared without case as the list editor completes
// them; -1 for none.
int itemNamed(const QStringList &items, const QString &text)
{
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

// Holds the cells of grid rows 0..Rows-1; the view shows rows 1.. as its rows, row 0 as header.
class GridModel : public QAbstractTableModel
{
public:
    explicit GridModel(Grid *grid)
        : QAbstractTableModel(grid)
        , m_grid(grid)
    {
        m_rows.append(RowData { QList<CellData>(1), 18, 0 });
    }

    int gridRows() const { return m_rowCount; }
    int gridCols() const { return m_colCount; }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : m_rowCount - 1;
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : m_colCount;
    }

    bool inRange(int row, int col) const
    {
        return row >= 0 && row < m_rowCount && col >= 0 && col < m_colCount;
    }
    bool isVirtualRow(int row) const { return m_grid->m_virtualRows && row >= 1; }

    // Stored cell of a non-virtual row, nullptr otherwise.
    CellData *cell(int row, int col)
    {
        if (!inRange(row, col) || isVirtualRow(row))
            return nullptr;
        return &m_rows[row].cells[col];
    }
    const CellData *cell(int row, int col) const
    {
        return const_cast<GridModel *>(this)->cell(row, col);
    }

    int virtualField(int col) const
    {
        const QList<int> &map = m_grid->m_columnFields;
        if (map.isEmpty())
            return col;
        return col < map.size() ? map.at(col) : -1;
    }

    QString text(int row, int col) const
    {
        if (!inRange(row, col))
            return {};
        if (isVirtualRow(row)) {
            const QVariant value = m_grid->m_virtualRows->value(virtualField(col), row - 1);
            return value.isNull() ? QString() : value.toString();
        }
        return m_rows.at(row).cells.at(col).text;
    }

    // Returns true when the text changed.
    bool storeText(int row, int col, const QString &text)
    {
        if (!inRange(row, col))
            return false;
        if (isVirtualRow(row)) {
            RowArray *rows = m_grid->m_virtualRows;
            const int field = virtualField(col);
            if (field < 0 || field >= rows->fieldCount() || row - 1 >= rows->recordCount())
                return false;
            if (rows->text(field, row - 1) == text && !rows->value(field, row - 1).isNull())
                return false;
            (*rows)(field, row - 1) = text;
            return true;
        }
        QString &stored = m_rows[row].cells[col].text;
        if (stored == text)
            return false;
        stored = text;
        return true;
    }

    int rowHeight(int row) const
    {
        if (row < 0 || row >= m_rowCount)
            return 0;
        if (isVirtualRow(row))
            return m_grid->m_defaultRowHeight;
        return m_rows.at(row).height;
    }
    void setRowHeightValue(int row, int height)
    {
        if (row >= 0 && row < m_rowCount && !isVirtualRow(row))
            m_rows[row].height = height;
    }
    int rowTag(int row) const
    {
        if (row < 0 || row >= m_rowCount || isVirtualRow(row))
            return 0;
        return m_rows.at(row).tag;
    }
    void setRowTag(int row, int tag)
    {
        if (row >= 0 && row < m_rowCount && !isVirtualRow(row))
            m_rows[row].tag = tag;
    }

    void cellChanged(int row, int col)
    {
        if (!m_grid->m_autoRedraw)
            return;
        if (row == 0) {
            emit headerDataChanged(Qt::Horizontal, col, col);
        } else {
            const QModelIndex at = index(row - 1, col);
            emit dataChanged(at, at);
        }
    }

    void setGridRows(int rows)
    {
        rows = qMax(1, rows);
        if (rows == m_rowCount)
            return;
        if (rows > m_rowCount) {
            beginInsertRows({}, m_rowCount - 1, rows - 2);
            if (!m_grid->m_virtualRows)
                m_rows.insert(m_rowCount, rows - m_rowCount, newRow());
            m_rowCount = rows;
            endInsertRows();
        } else {
            beginRemoveRows({}, rows - 1, m_rowCount - 2);
            if (!m_grid->m_virtualRows)
                m_rows.resize(rows);
            m_rowCount = rows;
            endRemoveRows();
        }
    }

    void insertGridRows(int row, int count)
    {
        row = qBound(1, row, m_rowCount);
        if (count <= 0)
            return;
        beginInsertRows({}, row - 1, row - 1 + count - 1);
        if (!m_grid->m_virtualRows)
            m_rows.insert(row, count, newRow());
        m_rowCount += count;
        endInsertRows();
    }

    void removeGridRows(int row, int count)
    {
        if (row < 1 || row >= m_rowCount || count <= 0)
            return;
        count = qMin(count, m_rowCount - row);
        beginRemoveRows({}, row - 1, row - 1 + count - 1);
        if (!m_grid->m_virtualRows)
            m_rows.remove(row, count);
        m_rowCount -= count;
        endRemoveRows();
    }

    void setGridCols(int cols)
    {
        cols = qMax(1, cols);
        if (cols == m_colCount)
            return;
        beginResetModel();
        for (RowData &row : m_rows)
            row.cells.resize(cols);
        m_colCount = cols;
        endResetModel();
    }

    // Entering or leaving the on-demand mode drops the stored data rows.
    void resetRows()
    {
        beginResetModel();
        m_rows.resize(1);
        m_rowCount = 1;
        endResetModel();
    }

    void refreshAll()
    {
        if (m_rowCount > 1)
            emit dataChanged(index(0, 0), index(m_rowCount - 2, m_colCount - 1));
        emit headerDataChanged(Qt::Horizontal, 0, m_colCount - 1);
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const int row = index.row() + 1;
        const int col = index.column();
        if (!inRange(row, col))
            return {};
        const CellData *stored = cell(row, col);
        const int type = m_grid->Cell(row, col).CellType();
        switch (role) {
        case Qt::DisplayRole:
            if (type == CellTypeCheckBox)
                return {};
            return text(row, col);
        case Qt::EditRole:
            return text(row, col);
        case Qt::CheckStateRole:
            if (type != CellTypeCheckBox)
                return {};
            return isTicked(text(row, col)) ? Qt::Checked : Qt::Unchecked;
        case Qt::TextAlignmentRole: {
            int code = stored ? stored->alignment : -1;
            if (code < 0)
                code = m_grid->m_columns.value(col).alignment;
            if (type == CellTypeCheckBox)
                return int(Qt::AlignCenter);
            return int(gridAlignment(code));
        }
        case Qt::FontRole:
            if (stored && stored->bold) {
                QFont font = m_grid->font();
                font.setBold(true);
                return font;
            }
            return {};
        case Qt::BackgroundRole:
            if (stored && stored->backColor.isValid())
                return stored->backColor;
            return QColor(Qt::white);
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section < 0 || section >= m_colCount)
            return {};
        const CellData &header = m_rows.at(0).cells.at(section);
        if (role == Qt::DisplayRole)
            return header.text;
        if (role == Qt::TextAlignmentRole)
            return int(header.alignment < 0 ? Qt::AlignCenter : gridAlignment(header.alignment));
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        const int row = index.row() + 1;
        const int col = index.column();
        Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        GridCell gridCell = m_grid->Cell(row, col);
        // A hidden column (the key column) is no place to type: its editor would not show.
        if (m_grid->m_selectMode != 0 || gridCell.Locked() || m_grid->isColumnHidden(col))
            return result;
        if (gridCell.CellType() == CellTypeCheckBox)
            return result | Qt::ItemIsUserCheckable;
        return result | Qt::ItemIsEditable;
    }

    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        const int row = index.row() + 1;
        if (role == Qt::CheckStateRole) {
            const bool ticked = value.toInt() == Qt::Checked;
            m_grid->Cell(row, index.column())
                .setText(ticked ? QStringLiteral("1") : QStringLiteral("0"));
            return true;
        }
        if (role == Qt::EditRole) {
            m_grid->Cell(row, index.column()).setText(value.toString());
            return true;
        }
        return false;
    }

private:
    RowData newRow() const
    {
        return RowData { QList<CellData>(m_colCount), m_grid->m_defaultRowHeight, 0 };
    }

    Grid *m_grid;
    QList<RowData> m_rows; // stored rows; only row 0 in the on-demand mode
    int m_rowCount = 1;
    int m_colCount = 1;
};

// Editors by cell type; a text editor writes each keystroke into the cell, so that the cell
// change handlers see the text as it is typed.
class GridDelegate : public QStyledItemDelegate
{
    static constexpr const char *OpenedDate = "kxOpenedDate";

public:
    explicit GridDelegate(Grid *grid)
        : QStyledItemDelegate(grid)
        , m_grid(grid)
    { }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        const int row = index.row() + 1;
        const int col = index.column();
        const int type = m_grid->Cell(row, col).CellType();
        if (type == CellTypeComboBox) {
            emit m_grid->OpenRow(row, col);
            emit m_grid->ComboDropDown(row, col);
            auto *combo = new QComboBox(parent);
            combo->setEditable(true);
            // Enter would add a typed text that is no item to the list.
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->addItems(m_grid->m_comboList.items());
            return combo;
        }
        if (type == CellTypeDate) {
            // The forms' date field, so that typing into it works the same way.
            auto *date = new DateField(parent);
            date->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
            date->setCalendarPopup(true);
            return date;
        }
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            m_grid->m_lineEditor = line;
            QObject::connect(line, &QLineEdit::textEdited, m_grid,
                             [grid = m_grid, row, col](const QString &text) {
                                 grid->Cell(row, col).setText(text);
                             });
        }
        return editor;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        const QString text = index.data(Qt::EditRole).toString();
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            // On an editable combo the text alone leaves the first item current: the open
            // list and the arrow keys would start from there, not from the cell's own item.
            // A text that is no item has none current, so Down gives the first.
            const int item = itemNamed(m_grid->m_comboList.items(), text);
            combo->setCurrentIndex(item);
            if (item < 0) {
                combo->setEditText(text);
                // Else the open list makes its first item current when it takes the focus.
                combo->view()->setCurrentIndex({});
            }
            // The view selects only an editor that is a line edit itself: typing replaces the
            // text, also the first key typed on the cell, which reaches the editor after this.
            combo->lineEdit()->selectAll();
        } else if (auto *date = qobject_cast<DateField *>(editor)) {
            if (!date->setDateText(text))
                date->setDate(QDate::currentDate());
            // The date it opened with: today's stands in for a text that is no date, and is no
            // typing of the user's.
            date->setProperty(OpenedDate, date->DateText());
        } else {
            QStyledItemDelegate::setEditorData(editor, index);
        }
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            // An item takes its own spelling. The check is against the cell's list, whatever
            // the editor holds.
            const QStringList items = m_grid->m_comboList.items();
            const int item = itemNamed(items, combo->currentText());
            if (item >= 0)
                model->setData(index, items.at(item), Qt::EditRole);
            else if (!m_grid->ColumnItemsOnly(index.column()))
                model->setData(index, combo->currentText(), Qt::EditRole);
        } else if (auto *date = qobject_cast<DateField *>(editor)) {
            // The getter takes the typed text first: leaving by a click elsewhere commits
            // before the editor itself sees its focus go.
            const QString taken = date->DateText();
            // Unchanged, the cell keeps its own text, also one that is no date.
            if (taken != date->property(OpenedDate).toString())
                model->setData(index, taken, Qt::EditRole);
        } else {
            QStyledItemDelegate::setModelData(editor, model, index);
        }
    }

    // No focus frame around the current cell: the selection colour marks it.
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        // A grid with one focus cell is a field: like the other fields it shows no selection
        // once the focus has gone elsewhere.
        if (m_grid->m_focusRow > 0 && !m_grid->hasFocus())
            plain.state &= ~QStyle::State_Selected;
        const QVariant check = index.data(Qt::CheckStateRole);
        if (!check.isValid()) {
            QStyledItemDelegate::paint(painter, plain, index);
            paintBorders(painter, option.rect, index);
            return;
        }
        // A check box cell: background, then the box in the middle of the cell.
        initStyleOption(&plain, index);
        plain.features &= ~QStyleOptionViewItem::HasCheckIndicator;
        plain.text.clear();
        QStyle *style = m_grid->style();
        style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, m_grid);
        QStyleOptionButton box;
        box.state = QStyle::State_Enabled
            | (check.toInt() == Qt::Checked ? QStyle::State_On : QStyle::State_Off);
        const QSize size(style->pixelMetric(QStyle::PM_IndicatorWidth),
                         style->pixelMetric(QStyle::PM_IndicatorHeight));
        box.rect = QRect(option.rect.center() - QPoint(size.width() / 2, size.height() / 2), size);
        style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, m_grid);
    }

    // A click anywhere in a check box cell, or the space bar, toggles it.
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override
    {
        if (!(index.flags() & Qt::ItemIsUserCheckable))
            return QStyledItemDelegate::editorEvent(event, model, option, index);
        bool toggle = false;
        if (event->type() == QEvent::MouseButtonRelease) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            toggle = mouse->button() == Qt::LeftButton
                && option.rect.contains(mouse->position().toPoint());
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            return true;
        } else if (event->type() == QEvent::KeyPress) {
            toggle = static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space;
        }
        if (!toggle)
            return false;
        const bool ticked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        return model->setData(index, ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }

private:
    // The edges of a cell's own borders, inside its rectangle (a merged cell's whole one).
    void paintBorders(QPainter *painter, const QRect &rect, const QModelIndex &index) const
    {
        const GridCell cell = m_grid->Cell(index.row() + 1, index.column());
        for (int edge = 0; edge < 4; ++edge) {
            const int style = cell.Border(edge);
            if (style <= 0)
                continue;
            const int width = style >= 2 ? 2 : 1;
            QRect line;
            switch (edge) {
            case 0:
                line = QRect(rect.left(), rect.top(), width, rect.height());
                break;
            case 1:
                line = QRect(rect.left(), rect.top(), rect.width(), width);
                break;
            case 2:
                line = QRect(rect.right() - width + 1, rect.top(), width, rect.height());
                break;
            default:
                line = QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width);
                break;
            }
            painter->fillRect(line, Qt::black);
        }
    }

    Grid *m_grid;
};

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
    QTableView::closeEditor(editor, leaves ? QAbstractItemDelegate::NoHint : hint);
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
