// The grid's cell model: stored rows, or the loaded rows of the on-demand mode, as a table.
#include "platform/grid_p.h"

#include <QFont>

namespace kx {

namespace {

// A text counts as ticked when its leading number is 1 ("1", "1,0", " 1").
bool isTicked(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().replace(',', '.').toDouble(&ok);
    return ok && value == 1.0;
}

} // namespace

GridModel::GridModel(Grid *grid)
    : QAbstractTableModel(grid)
    , m_grid(grid)
{
    m_rows.append(RowData { QList<CellData>(1), 18, 0 });
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount - 1;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_colCount;
}

bool GridModel::inRange(int row, int col) const
{
    return row >= 0 && row < m_rowCount && col >= 0 && col < m_colCount;
}

CellData *GridModel::cell(int row, int col)
{
    if (!inRange(row, col) || isVirtualRow(row))
        return nullptr;
    return &m_rows[row].cells[col];
}

const CellData *GridModel::cell(int row, int col) const
{
    return const_cast<GridModel *>(this)->cell(row, col);
}

int GridModel::virtualField(int col) const
{
    const QList<int> &map = m_grid->m_columnFields;
    if (map.isEmpty())
        return col;
    return col < map.size() ? map.at(col) : -1;
}

QString GridModel::text(int row, int col) const
{
    if (!inRange(row, col))
        return {};
    if (isVirtualRow(row)) {
        const QVariant value = m_grid->m_virtualRows->value(virtualField(col), row - 1);
        return value.isNull() ? QString() : value.toString();
    }
    return m_rows.at(row).cells.at(col).text;
}

bool GridModel::storeText(int row, int col, const QString &text)
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

int GridModel::rowHeight(int row) const
{
    if (row < 0 || row >= m_rowCount)
        return 0;
    if (isVirtualRow(row))
        return m_grid->m_defaultRowHeight;
    return m_rows.at(row).height;
}

void GridModel::setRowHeightValue(int row, int height)
{
    if (row >= 0 && row < m_rowCount && !isVirtualRow(row))
        m_rows[row].height = height;
}

int GridModel::rowTag(int row) const
{
    if (row < 0 || row >= m_rowCount || isVirtualRow(row))
        return 0;
    return m_rows.at(row).tag;
}

void GridModel::setRowTag(int row, int tag)
{
    if (row >= 0 && row < m_rowCount && !isVirtualRow(row))
        m_rows[row].tag = tag;
}

void GridModel::cellChanged(int row, int col)
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

void GridModel::setGridRows(int rows)
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

void GridModel::insertGridRows(int row, int count)
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

void GridModel::removeGridRows(int row, int count)
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

void GridModel::setGridCols(int cols)
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

void GridModel::resetRows()
{
    beginResetModel();
    m_rows.resize(1);
    m_rowCount = 1;
    endResetModel();
}

void GridModel::refreshAll()
{
    if (m_rowCount > 1)
        emit dataChanged(index(0, 0), index(m_rowCount - 2, m_colCount - 1));
    emit headerDataChanged(Qt::Horizontal, 0, m_colCount - 1);
}

QVariant GridModel::data(const QModelIndex &index, int role) const
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

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
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

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
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

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
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

RowData GridModel::newRow() const
{
    return RowData { QList<CellData>(m_colCount), m_grid->m_defaultRowHeight, 0 };
}

} // namespace kx
