// The grid's editors for text, drop-down, check box and date cells, and its cell painting.
#include "platform/grid_p.h"

#include "platform/combo_box.h"
#include "platform/date_field.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace kx {

namespace {

// Letters without case, as Qt compares them: the fold of a list column that was handed none.
QChar caseFold(QChar &character)
{
    character = character.toCaseFolded();
    return character;
}

// The forms' combo as a list cell's editor. Its open list shows as current only the item that
// the text names: a text that is no item has none.
class ListCellEditor : public ComboBox
{
public:
    explicit ListCellEditor(QWidget *parent)
        : ComboBox(parent, true)
    { }
    void showPopup() override { QComboBox::showPopup(); }
};

// A key that types into a date or steps it, not one that only moves or leaves.
bool typesIntoDate(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return true;
    default:
        return !key->text().isEmpty() && key->text().at(0).isPrint();
    }
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
        auto *combo = new ListCellEditor(parent);
        const LetterFold fold = m_grid->ColumnTypedFold(col);
        combo->setTypedFold(fold ? fold : &caseFold);
        combo->AddItems(m_grid->m_comboList.items());
        return combo;
    }
    if (type == CellTypeDate) {
        // The forms' date field, so that typing into it works the same way.
        auto *date = new DateField(parent);
        date->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        date->setCalendarPopup(true);
        // A day picked in the calendar is taken, also the one the editor opened on.
        const auto picked = [date] { date->setProperty(DateTyped, true); };
        QObject::connect(date->calendarWidget(), &QCalendarWidget::clicked, date, picked);
        QObject::connect(date->calendarWidget(), &QCalendarWidget::activated, date, picked);
        return date;
    }
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        m_grid->m_lineEditor = line;
        // Before a key that opened the editor reaches it.
        m_grid->m_openedText = { line, index, m_grid->Cell(row, col).Text() };
        QObject::connect(
            line, &QLineEdit::textEdited, m_grid,
            [grid = m_grid, row, col](const QString &text) { grid->Cell(row, col).setText(text); });
    }
    return editor;
}

void GridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto *combo = qobject_cast<ComboBox *>(editor)) {
        // On an editable combo the text alone leaves the first item current: the open
        // list and the arrow keys would start from there, not from the cell's own item.
        // A text that is no item has none current, so Down gives the first.
        const int item = combo->entryNamed(text);
        combo->setCurrentIndex(item);
        if (item < 0)
            combo->setEditText(text);
        // Else the open list makes its first item current when it takes the focus, also
        // once the typed text names none.
        combo->view()->setCurrentIndex({});
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
    if (auto *combo = qobject_cast<ComboBox *>(editor)) {
        // An item takes its own spelling, whichever item the editor holds as current.
        const int item = combo->entryNamed(combo->currentText());
        if (item >= 0)
            model->setData(index, combo->itemText(item), Qt::EditRole);
        else if (!m_grid->ColumnItemsOnly(index.column()))
            model->setData(index, combo->currentText(), Qt::EditRole);
    } else if (auto *date = qobject_cast<DateField *>(editor)) {
        // The getter takes the typed text first: leaving by a click elsewhere commits
        // before the editor itself sees its focus go.
        const QString taken = date->DateText();
        // A date typed or picked is taken, also the one it opened on (today's in place of a
        // text that is no date). Untouched and unchanged, the cell keeps its own text, also
        // one that is no date.
        if (date->property(DateTyped).toBool() || taken != date->property(OpenedDate).toString())
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

bool GridDelegate::eventFilter(QObject *editor, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && qobject_cast<DateField *>(editor)
        && typesIntoDate(static_cast<QKeyEvent *>(event)))
        editor->setProperty(DateTyped, true);
    return QStyledItemDelegate::eventFilter(editor, event);
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
