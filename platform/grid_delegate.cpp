// The grid's editors for text, drop-down, check box and date cells, and its cell painting.
#include "platform/grid_p.h"

#include "platform/date_field.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace kx {

namespace {

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

GridDelegate::GridDelegate(Grid *grid)
    : QStyledItemDelegate(grid)
    , m_grid(grid)
{ }

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
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
        QObject::connect(
            line, &QLineEdit::textEdited, m_grid,
            [grid = m_grid, row, col](const QString &text) { grid->Cell(row, col).setText(text); });
    }
    return editor;
}

void GridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
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

void GridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                const QModelIndex &index) const
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

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
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

bool GridDelegate::editorEvent(QEvent *event, QAbstractItemModel *model,
                               const QStyleOptionViewItem &option, const QModelIndex &index)
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

void GridDelegate::paintBorders(QPainter *painter, const QRect &rect,
                                const QModelIndex &index) const
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

} // namespace kx
