// Clicking into a text field as a user does: a press and a release at a point of its text, and
// the right click that pastes.
#pragma once

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace kxtest {

// A point of the field at which a click puts the caret before the character at position (its
// text's length: after the last character).
inline QPoint pointAtCursor(QLineEdit *field, int position)
{
    const int y = field->height() / 2;
    for (int x = 0; x < field->width(); ++x) {
        if (field->cursorPositionAt(QPoint(x, y)) == position) {
            // The middle of the run of points that give that position.
            int last = x;
            while (last + 1 < field->width()
                   && field->cursorPositionAt(QPoint(last + 1, y)) == position)
                ++last;
            return QPoint((x + last) / 2, y);
        }
    }
    qWarning("no point of the field puts the caret at %d", position);
    return QPoint(field->width() / 2, y);
}

// A press and a release there.
inline void clickAtCursor(QLineEdit *field, int position)
{
    QTest::mouseClick(field, Qt::LeftButton, {}, pointAtCursor(field, position));
}

// A right click on the field at position, as the window system reports it (QTest's clicks
// bring no menu), then a click on the menu's "Paste", the entry with the paste key.
inline void pasteByContextMenu(QLineEdit *field, int position)
{
    const QPoint at = pointAtCursor(field, position);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
    QApplication::sendEvent(field, &click);
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    const QString key = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    QAction *paste = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text().endsWith(u'\t' + key))
            paste = action;
    }
    QVERIFY(paste);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
    QTRY_VERIFY(!menu->isVisible());
}

// The inner edit of a date field, which the click lands on.
inline QLineEdit *innerEdit(QAbstractSpinBox *field)
{
    return field->findChild<QLineEdit *>();
}

// The middle of a grid's cell, scrolled into view as the user would; row as the grid counts
// it, its first row under the titles being 1.
inline QPoint cellCentre(QAbstractItemView *grid, int row, int col)
{
    const QModelIndex cell = grid->model()->index(row - 1, col);
    grid->scrollTo(cell);
    return grid->visualRect(cell).center();
}

// A click in the middle of a grid's cell.
inline void clickCell(QAbstractItemView *grid, int row, int col)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row, col));
}

// A click and a double-click in the middle of a grid's cell, as the user opens it.
inline void doubleClickCell(QAbstractItemView *grid, int row, int col)
{
    clickCell(grid, row, col);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row, col));
}

// A click on a combo box, which opens its list, and one on an entry of that list.
inline void pickByClicks(QComboBox *combo, int entry)
{
    QAbstractItemView *list = combo->view();
    QTest::mouseClick(combo, Qt::LeftButton);
    QTRY_VERIFY(list->isVisible());
    // The list takes a release that soon after its opening for the end of the opening click.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QModelIndex at = combo->model()->index(entry, combo->modelColumn());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(at).center());
    QTRY_VERIFY(!list->isVisible());
}

// A click on a page's tab.
inline void clickTab(QTabWidget *tabs, int page)
{
    QTabBar *bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
}

} // namespace kxtest
