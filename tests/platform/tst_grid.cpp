// Tests of the grid: on-demand list rows, cell changes, row edits, cell kinds and notifications.
#include "platform/grid.h"
#include "tests/support/kxtest.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace kx;

namespace {

// count cards of three fields: id, code "K<n>", name "NAME <n>"; every tenth name is Null.
RowArray makeCards(int count)
{
    RowArray rows(3, count);
    for (int i = 0; i < count; ++i) {
        rows(0, i) = i + 1;
        rows(1, i) = QStringLiteral("K%1").arg(i);
        if (i % 10 != 9)
            rows(2, i) = QStringLiteral("NAME %1").arg(i);
    }
    return rows;
}

// The text the view itself would paint for grid cell (row, col).
QString shownText(Grid &grid, int row, int col)
{
    return grid.model()->index(row - 1, col).data(Qt::DisplayRole).toString();
}

// Lays grid (cols × rows) out at the top of its window over a line edit that the focus can move
// to; returns the line edit.
QLineEdit *fieldUnderGrid(Grid *grid, int cols, int rows)
{
    auto *other = new QLineEdit(grid->parentWidget());
    grid->setGeometry(0, 0, 300, 150);
    other->setGeometry(0, 160, 100, 20);
    grid->setCols(cols);
    grid->setRows(rows);
    return other;
}

// A shown grid of three columns besides its hidden key column 0, with rows - 1 data rows, as the
// list and report pages stand.
bool showKeyColumnGrid(Grid &grid, int rows, int selectMode = 0)
{
    grid.resize(300, 200);
    grid.setCols(4);
    grid.setRows(rows);
    grid.setColumnWidth(0, 0);
    grid.setSelectMode(selectMode);
    grid.show();
    return QTest::qWaitForWindowExposed(&grid);
}

} // namespace

class TestGrid : public QObject
{
    Q_OBJECT

private slots:
    void onDemandRowsAreReadNotCopied()
    {
        RowArray cards = makeCards(100000);
        Grid grid;
        grid.setCols(3);
        grid.setVirtualRows(&cards);
        grid.setRows(cards.recordCount() + 1);
        QCOMPARE(grid.Rows(), 100001);
        QCOMPARE(grid.Cell(1, 1).Text(), QStringLiteral("K0"));
        QCOMPARE(shownText(grid, 99999, 2), QStringLiteral("NAME 99998"));
        QCOMPARE(grid.Cell(100000, 0).Text(), QStringLiteral("100000"));
        // A Null field shows as an empty cell.
        QCOMPARE(grid.Cell(10, 2).Text(), QString());
        // A change of the array shows at once: the grid holds no copy.
        cards(2, 4) = QStringLiteral("CHANGED");
        QCOMPARE(shownText(grid, 5, 2), QStringLiteral("CHANGED"));
        // Rows past the array's end read empty instead of failing.
        grid.setRows(100010);
        QCOMPARE(grid.Cell(100005, 1).Text(), QString());
    }

    void onDemandColumnMapAndEdits()
    {
        RowArray cards = makeCards(5);
        Grid grid;
        grid.setCols(3);
        grid.setVirtualRows(&cards, { 0, 2, 1 });
        grid.setRows(6);
        QCOMPARE(grid.Cell(2, 1).Text(), QStringLiteral("NAME 1"));
        QCOMPARE(grid.Cell(2, 2).Text(), QStringLiteral("K1"));
        QSignalSpy changes(&grid, &Grid::CellChange);
        grid.Cell(3, 2).setText(QStringLiteral("NEW"));
        QCOMPARE(cards.text(1, 2), QStringLiteral("NEW"));
        QCOMPARE(changes.count(), 1);
        // The header row stays the grid's own.
        grid.Cell(0, 1).setText(QStringLiteral("Stok Adı"));
        QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Stok Adı"));
        QCOMPARE(cards.text(0, 0), QStringLiteral("1"));
        // Leaving the mode gives back an empty grid of stored cells.
        grid.setVirtualRows(nullptr);
        QCOMPARE(grid.Rows(), 1);
        grid.setRows(2);
        QCOMPARE(grid.Cell(1, 1).Text(), QString());
    }

    void cellChangeOnRealChangesOnly()
    {
        Grid grid;
        grid.setCols(4);
        grid.setRows(3);
        QSignalSpy changes(&grid, &Grid::CellChange);
        grid.Cell(1, 2).setText(QStringLiteral("5"));
        grid.Cell(1, 2).setText(QStringLiteral("5"));
        grid.setAutoRedraw(false);
        grid.Cell(2, 3).setText(QStringLiteral("x")); // handlers tell bulk fills by AutoRedraw
        grid.setAutoRedraw(true);
        grid.Cell(7, 1).setText(QStringLiteral("out of range"));
        QCOMPARE(changes.count(), 2);
        QCOMPARE(changes.at(0), (QList<QVariant> { 1, 2 }));
        QCOMPARE(changes.at(1), (QList<QVariant> { 2, 3 }));
        QCOMPARE(grid.Cell(7, 1).Text(), QString());
    }

    void typingReportsEachKeystroke()
    {
        Grid grid;
        grid.setCols(3);
        grid.setRows(2);
        grid.resize(400, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.Cell(1, 1).Select();
        grid.setFocus();
        QStringList seen;
        connect(&grid, &Grid::CellChange, this,
                [&](int row, int col) { seen << grid.Cell(row, col).Text(); });
        QTest::keyClick(&grid, Qt::Key_1);
        auto *editor = grid.findChild<QLineEdit *>();
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("25"));
        QCOMPARE(seen, (QStringList { "1", "12", "125" }));
        editor->setCursorPosition(0);
        grid.setEditCaret(3);
        QCOMPARE(editor->cursorPosition(), 3);
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(grid.Cell(1, 1).Text(), QStringLiteral("125"));
        QCOMPARE(seen.size(), 3); // the commit itself changes nothing more
    }

    void lockedAndRowModeCellsDoNotEdit()
    {
        Grid grid;
        grid.setCols(3);
        grid.setRows(3);
        grid.Range(1, 1, 1, 2).setLocked(true);
        grid.ColumnAt(2).setLocked(true);
        const auto editable = [&](int row, int col) {
            return bool(grid.model()->index(row - 1, col).flags() & Qt::ItemIsEditable);
        };
        QVERIFY(!editable(1, 1));
        QVERIFY(!editable(2, 2));
        QVERIFY(editable(2, 1));
        grid.setSelectMode(1);
        QVERIFY(!editable(2, 1));
        QCOMPARE(grid.selectionBehavior(), QAbstractItemView::SelectRows);
    }

    void insertAndDeleteRowsKeepTheirCells()
    {
        Grid grid;
        grid.setCols(3);
        grid.setRows(4);
        for (int r = 1; r < 4; ++r)
            grid.Cell(r, 1).setText(QString::number(r));
        grid.setRowHeight(2, 17);
        grid.Cell(3, 0).setData(42);
        grid.InsertRow(2, 2);
        QCOMPARE(grid.Rows(), 6);
        QCOMPARE(grid.Cell(1, 1).Text(), QStringLiteral("1"));
        QCOMPARE(grid.Cell(2, 1).Text(), QString());
        QCOMPARE(grid.RowHeight(3), 18);
        QCOMPARE(grid.Cell(4, 1).Text(), QStringLiteral("2"));
        QCOMPARE(grid.RowHeight(4), 17);
        QCOMPARE(grid.Cell(5, 0).Data().toInt(), 42);
        QCOMPARE(grid.verticalHeader()->sectionSize(3), 17);
        grid.InsertRow(grid.Rows()); // at the end: append
        QCOMPARE(grid.Rows(), 7);

        grid.Cell(4, 1).Select();
        grid.SelectionRange().DeleteRows();
        QCOMPARE(grid.Rows(), 6);
        QCOMPARE(grid.Cell(4, 1).Text(), QStringLiteral("3"));
        // A changed column count keeps rows, texts and heights.
        grid.setRowHeight(1, 25);
        grid.setCols(5);
        QCOMPARE(grid.Cell(4, 1).Text(), QStringLiteral("3"));
        QCOMPARE(grid.verticalHeader()->sectionSize(0), 25);
        grid.setRows(1);
        QCOMPARE(grid.Rows(), 1);
        grid.setRows(0);
        QCOMPARE(grid.Rows(), 1); // the header row always stays
    }

    void checkBoxCellToggles()
    {
        Grid grid;
        grid.setCols(3);
        grid.setRows(3);
        grid.ColumnAt(1).setCellType(CellTypeCheckBox);
        grid.Cell(1, 1).setText(QStringLiteral("1"));
        QSignalSpy changes(&grid, &Grid::CellChange);
        QAbstractItemModel *model = grid.model();
        QCOMPARE(model->index(0, 1).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(model->index(1, 1).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        grid.resize(300, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const QRect box = grid.visualRect(model->index(0, 1));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, box.center());
        QCOMPARE(grid.Cell(1, 1).Text(), QStringLiteral("0"));
        QCOMPARE(changes.count(), 1);
        grid.setFocus();
        grid.Cell(2, 1).Select();
        QTest::keyClick(&grid, Qt::Key_Space);
        QCOMPARE(grid.Cell(2, 1).Text(), QStringLiteral("1"));
    }

    void dropDownAsksForItsListFirst()
    {
        Grid grid;
        grid.setCols(3);
        grid.setRows(2);
        grid.Cell(1, 2).setCellType(CellTypeComboBox);
        QStringList order;
        connect(&grid, &Grid::OpenRow, this, [&](int, int) {
            order << "open";
            grid.ComboList().Clear();
        });
        connect(&grid, &Grid::ComboDropDown, this, [&](int row, int col) {
            order << QStringLiteral("drop %1,%2").arg(row).arg(col);
            grid.ComboList().AddItem(QStringLiteral("Kasada"));
            grid.ComboList().AddItem(QStringLiteral("Ödendi"));
        });
        grid.resize(300, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        for (int round = 0; round < 2; ++round) {
            grid.edit(grid.model()->index(0, 2));
            auto *combo = grid.findChild<QComboBox *>();
            QVERIFY(combo);
            QCOMPARE(combo->count(), 2); // cleared before each filling
            combo->setCurrentIndex(1);
            QTest::keyClick(combo, Qt::Key_Return);
            QTRY_VERIFY(!grid.findChild<QComboBox *>());
        }
        QCOMPARE(order, (QStringList { "open", "drop 1,2", "open", "drop 1,2" }));
        QCOMPARE(grid.Cell(1, 2).Text(), QStringLiteral("Ödendi"));
    }

    // A click on the selected cell opens its editor once the double-click time is over; a key
    // typed before that opens it at once with that key, and a double-click at once, in one
    // editor. Nothing opens later on its own.
    void clickOnSelectedCell_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<QString>("text");
        QTest::newRow("waits") << "wait"
                               << "12,50";
        QTest::newRow("key at once") << "key"
                                     << "7";
        QTest::newRow("double-click") << "double-click"
                                      << "12,50";
    }
    void clickOnSelectedCell()
    {
        QFETCH(QString, then);
        QFETCH(QString, text);
        QWidget window;
        auto *grid = new Grid(&window);
        fieldUnderGrid(grid, 3, 3);
        grid->Cell(1, 1).setText(QStringLiteral("12,50"));
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        grid->setFocus();
        grid->Cell(1, 1).Select();
        const QPoint at = grid->visualRect(grid->model()->index(0, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        if (then == u"wait") {
            QVERIFY(!grid->findChild<QLineEdit *>());
            QTRY_VERIFY(grid->findChild<QLineEdit *>());
        } else if (then == u"key") {
            QTest::keyClick(grid, Qt::Key_7);
        } else {
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        }
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(editor->text(), text);
        QTest::qWait(2 * QApplication::doubleClickInterval());
        QCOMPARE(grid->findChildren<QLineEdit *>().size(), 1);
        QCOMPARE(QApplication::focusWidget(), editor);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!grid->findChild<QLineEdit *>());
        QCOMPARE(grid->Cell(1, 1).Text(), text);
    }

    // A date cell types like the forms' date fields: a click inside the month and two digits.
    void dateCellTakesTypedDate()
    {
        Grid grid;
        grid.setCols(2);
        grid.setRows(2);
        grid.Cell(1, 1).setCellType(CellTypeDate);
        grid.Cell(1, 1).setText(QStringLiteral("01.11.2026"));
        grid.resize(300, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.edit(grid.model()->index(0, 1));
        auto *date = grid.findChild<QDateEdit *>();
        QVERIFY(date);
        date->findChild<QLineEdit *>()->setCursorPosition(4);
        QTest::keyClicks(date, QStringLiteral("07"));
        QTest::keyClick(date, Qt::Key_Return);
        QTRY_VERIFY(!grid.findChild<QDateEdit *>());
        QCOMPARE(grid.Cell(1, 1).Text(), QStringLiteral("01.07.2026"));
    }

    void leaveCellAndLostFocus()
    {
        QWidget window;
        auto *grid = new Grid(&window);
        auto *other = fieldUnderGrid(grid, 3, 3);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        grid->setFocus();
        grid->Cell(1, 1).Select();
        QSignalSpy leaves(grid, &Grid::LeaveCell);
        QSignalSpy lost(grid, &Grid::LostFocus);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(leaves.count(), 1);
        QCOMPARE(leaves.at(0), (QList<QVariant> { 1, 1, 2, 1 }));
        QCOMPARE(grid->CurrentCell().Row(), 2);
        // Typing opens the cell editor: the focus stays with the grid.
        QTest::keyClick(grid, Qt::Key_7);
        QCOMPARE(lost.count(), 0);
        other->setFocus();
        QCOMPARE(lost.count(), 1);
    }

    // A grid with one focus cell (a totals grid's discount) is a field: once the focus has
    // gone it shows no selected cell. A browsing grid still shows where the user was.
    void selectionShownWithoutTheFocus_data()
    {
        QTest::addColumn<bool>("focusCell");
        QTest::addColumn<bool>("shownAfter");
        QTest::newRow("one focus cell") << true << false;
        QTest::newRow("every cell") << false << true;
    }
    void selectionShownWithoutTheFocus()
    {
        QFETCH(bool, focusCell);
        QFETCH(bool, shownAfter);
        QWidget window;
        auto *grid = new Grid(&window);
        auto *other = fieldUnderGrid(grid, 4, 8);
        grid->applyCommonLook();
        if (focusCell)
            grid->setFocusCell(2, 3);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        grid->setFocus();
        grid->Cell(2, 3).Select();
        const QRect cell = grid->visualRect(grid->model()->index(1, 3));
        const auto painted = [&] {
            const QImage image = grid->viewport()->grab().toImage();
            return qGray(image.pixel(cell.right() - 3, cell.center().y())) < 128;
        };
        QVERIFY(painted());
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QCOMPARE(painted(), shownAfter);
        grid->setFocus();
        QVERIFY(painted());
    }

    // A grid destroyed while it, or its cell editor, holds the focus: the focus moving on the
    // way down must reach nothing of the half-destroyed grid (the sanitizers of the test build
    // stop at such a call).
    void destroyedWhileHoldingTheFocus_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::addColumn<bool>("withWindow");
        QTest::newRow("grid focused") << false << false;
        QTest::newRow("cell editor open") << true << false;
        QTest::newRow("with its window, cell editor open") << true << true;
    }
    void destroyedWhileHoldingTheFocus()
    {
        QFETCH(bool, editing);
        QFETCH(bool, withWindow);
        auto *window = new QWidget;
        auto *grid = new Grid(window);
        auto *other = fieldUnderGrid(grid, 3, 3);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        grid->setFocus();
        grid->Cell(1, 1).Select();
        if (editing) {
            QTest::keyClick(grid, Qt::Key_7);
            QVERIFY(QApplication::focusWidget() != grid);
        }
        if (withWindow) {
            // Hiding the window moves the focus while the grid is whole: that may still tell.
            delete window;
            return;
        }
        int lostAfter = 0;
        connect(grid, &Grid::LostFocus, other, [&lostAfter] { ++lostAfter; });
        delete grid;
        QCOMPARE(lostAfter, 0);
        // The window goes on working.
        other->setFocus();
        QVERIFY(other->hasFocus());
        delete window;
    }

    void columnResizeOnlyForTheUser()
    {
        Grid grid;
        grid.setCols(4);
        QSignalSpy resized(&grid, &Grid::ColumnResize);
        grid.setColumnWidth(2, 120);
        grid.setColumnWidth(3, 0);
        QCOMPARE(resized.count(), 0);
        QCOMPARE(grid.ColumnWidth(2), 120);
        QVERIFY(grid.horizontalHeader()->isSectionHidden(3));
        grid.setColumnWidth(3, 50);
        QVERIFY(!grid.horizontalHeader()->isSectionHidden(3));
        // A drag reaches the header as a section resize.
        grid.horizontalHeader()->resizeSection(2, 90);
        QCOMPARE(resized.count(), 1);
        QCOMPARE(resized.at(0).at(0).toInt(), 2);
        QCOMPARE(grid.ColumnWidth(2), 90);
    }

    void headerRowHeightZeroHidesTitles()
    {
        Grid grid;
        grid.setCols(2);
        grid.setRowHeight(0, 0);
        QVERIFY(grid.horizontalHeader()->isHidden());
        QCOMPARE(grid.RowHeight(0), 0);
    }

    void alignmentCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("expected");
        const int left = Qt::AlignLeft | Qt::AlignVCenter;
        const int right = Qt::AlignRight | Qt::AlignVCenter;
        QTest::newRow("header 2") << 2 << int(Qt::AlignCenter);
        QTest::newRow("totals 10") << 10 << int(Qt::AlignCenter);
        QTest::newRow("list left 4") << 4 << left;
        QTest::newRow("report left 6") << 6 << left;
        QTest::newRow("list right 12") << 12 << right;
        QTest::newRow("document right 14") << 14 << right;
        QTest::newRow("not set") << -1 << left;
    }
    void alignmentCodes()
    {
        QFETCH(int, code);
        QFETCH(int, expected);
        Grid grid;
        grid.setCols(3);
        grid.setRows(3);
        grid.ColumnAt(1).setAlignment(code);
        QCOMPARE(grid.model()->index(0, 1).data(Qt::TextAlignmentRole).toInt(), expected);
        // A cell's own code wins over its column's.
        grid.Cell(2, 1).setCellAlignment(2);
        QCOMPARE(grid.model()->index(1, 1).data(Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignCenter));
        QCOMPARE(grid.ColumnAt(1).Alignment(), code);
    }

    void styleGridReachesEveryGridOfTheWindow()
    {
        QWidget window;
        auto *first = new Grid(&window);
        auto *inner = new QWidget(&window);
        auto *second = new Grid(inner);
        auto *other = new QLineEdit(&window);
        const QFont before = other->font();
        first->setSelectionMode(QAbstractItemView::ExtendedSelection);
        StyleGrid(&window);
        for (Grid *grid : { first, second }) {
            QCOMPARE(grid->selectionMode(), QAbstractItemView::SingleSelection);
            QCOMPARE(grid->font().pointSize(), 8);
            QVERIFY(!grid->horizontalHeader()->font().bold());
        }
        QCOMPARE(other->font(), before); // other controls keep their look
    }

    void rangeSelectAndStyle()
    {
        Grid grid;
        grid.setCols(19);
        grid.setRows(4);
        grid.setSelectMode(1);
        grid.Range(1, 0, 1, 18).RangeSelect();
        QCOMPARE(grid.CurrentCell().Row(), 1);
        const GridRange selected = grid.SelectionRange();
        QCOMPARE(selected.FirstRow(), 1);
        QCOMPARE(selected.LastRow(), 1);
        grid.Range(2, 1, 3, 2).setFontBold(true);
        grid.Range(2, 1, 3, 2).setBackColor(grid.BackColorBkg());
        QVERIFY(grid.Cell(3, 2).FontBold());
        QCOMPARE(grid.Cell(2, 1).BackColor(), grid.BackColorBkg());
        QVERIFY(!grid.Cell(1, 1).FontBold());
        grid.Range(2, 4, 2, 18).Merge();
        QCOMPARE(grid.columnSpan(1, 4), 15);
    }

    // A row chosen by code (a list page's first row, the search, a report's last row) starts
    // at the hidden key column 0: the keys still move from that row, on screen, and the move is
    // told as leaving that cell.
    void keysMoveFromARowChosenAtTheHiddenColumn_data()
    {
        QTest::addColumn<int>("selectMode");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("row");
        const int ctrl = int(Qt::ControlModifier);
        QTest::newRow("rows, down") << 1 << int(Qt::Key_Down) << 0 << 30 << 31;
        QTest::newRow("rows, up") << 1 << int(Qt::Key_Up) << 0 << 30 << 29;
        QTest::newRow("rows, to the first") << 1 << int(Qt::Key_Home) << ctrl << 30 << 1;
        QTest::newRow("rows, up from the last") << 1 << int(Qt::Key_Up) << 0 << 60 << 59;
        QTest::newRow("cells, down") << 0 << int(Qt::Key_Down) << 0 << 30 << 31;
        QTest::newRow("cells, to the last") << 0 << int(Qt::Key_End) << ctrl << 1 << 60;
    }
    void keysMoveFromARowChosenAtTheHiddenColumn()
    {
        QFETCH(int, selectMode);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, chosen);
        QFETCH(int, row);
        Grid grid;
        QVERIFY(showKeyColumnGrid(grid, 61, selectMode));
        grid.Range(chosen, 0, chosen, 3).RangeSelect();
        QSignalSpy leaves(&grid, &Grid::LeaveCell);
        QTest::keyClick(&grid, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(grid.CurrentCell().Row(), row);
        QVERIFY(grid.CurrentCell().Col() >= 1);
        QCOMPARE(leaves.count(), 1);
        QCOMPARE(leaves.at(0).mid(0, 2), (QList<QVariant> { chosen, 0 }));
        const QRect shown = grid.visualRect(grid.model()->index(row - 1, 1));
        QVERIFY(grid.viewport()->rect().contains(shown));
    }

    // Typing while the hidden key column holds the current cell opens no unseen editor: the
    // key column keeps its text.
    void noTypingIntoTheHiddenKeyColumn()
    {
        Grid grid;
        QVERIFY(showKeyColumnGrid(grid, 10));
        grid.Cell(5, 0).setText(QStringLiteral("412"));
        grid.Range(5, 0, 5, 0).RangeSelect();
        QTest::keyClicks(&grid, "x7");
        QCOMPARE(grid.Cell(5, 0).Text(), QStringLiteral("412"));
        QVERIFY(!grid.indexWidget(grid.model()->index(4, 0)));
        // A shown column still takes typing.
        grid.Cell(5, 1).Select();
        QTest::keyClick(&grid, Qt::Key_X);
        QCOMPARE(grid.Cell(5, 1).Text(), QStringLiteral("x"));
    }

    // Scrolling to a cell of the hidden key column brings its row into view.
    void scrollToAHiddenColumnCellShowsItsRow()
    {
        Grid grid;
        QVERIFY(showKeyColumnGrid(grid, 61));
        grid.scrollTo(grid.model()->index(59, 0));
        QVERIFY(grid.viewport()->rect().contains(grid.visualRect(grid.model()->index(59, 1))));
        grid.scrollTo(grid.model()->index(0, 0));
        QVERIFY(grid.viewport()->rect().contains(grid.visualRect(grid.model()->index(0, 1))));
    }

    // Borders by edge and style, and the row tags: both travel with their rows when rows are
    // inserted or removed above them, and new rows start without either.
    void bordersAndRowTagsTravelWithTheirRows()
    {
        Grid grid;
        grid.setCols(4);
        grid.setRows(4);
        grid.setRowTag(2, 5);
        grid.Cell(2, 1).setBorder(3, 2);
        grid.Cell(2, 1).setBorder(0, 1);
        grid.Cell(2, 1).setBorder(7, 2); // no such edge: ignored
        QCOMPARE(grid.Cell(2, 1).Border(3), 2);
        QCOMPARE(grid.Cell(2, 1).Border(0), 1);
        QCOMPARE(grid.Cell(2, 1).Border(1), 0);
        grid.Cell(2, 1).setBorder(0, 0);
        QCOMPARE(grid.Cell(2, 1).Border(0), 0);
        QCOMPARE(grid.Cell(2, 1).Border(3), 2);

        grid.InsertRow(1);
        QCOMPARE(grid.RowTag(3), 5);
        QCOMPARE(grid.Cell(3, 1).Border(3), 2);
        QCOMPARE(grid.RowTag(1), 0);
        QCOMPARE(grid.Cell(1, 1).Border(3), 0);
        grid.RemoveRow(1, 2);
        QCOMPARE(grid.RowTag(1), 5);
        grid.setRows(1);
        grid.setRows(3);
        QCOMPARE(grid.RowTag(1), 0);
        QCOMPARE(grid.Cell(1, 1).Border(3), 0);
        QCOMPARE(grid.RowTag(0), 0); // the title row and rows outside carry none
        QCOMPARE(grid.RowTag(9), 0);
    }

    // A thick border goes round the whole merged cell: its first cell's edges are drawn at the
    // edges of the merge, and a cell without borders draws none.
    void thickBorderDrawnRoundMergedCell()
    {
        Grid grid;
        grid.setCols(4);
        grid.setRows(3);
        grid.setShowGrid(false);
        grid.resize(400, 200);
        for (int c = 1; c < 4; ++c)
            grid.setColumnWidth(c, 80);
        grid.Range(1, 1, 1, 3).Merge();
        for (int edge = 0; edge < 4; ++edge)
            grid.Cell(1, 1).setBorder(edge, 2);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const QImage image = grid.viewport()->grab().toImage();
        const QRect merged = grid.visualRect(grid.model()->index(0, 1))
                                 .united(grid.visualRect(grid.model()->index(0, 3)));
        const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 60; };
        const int middleY = merged.center().y();
        QVERIFY(dark(merged.left(), middleY));
        QVERIFY(dark(merged.right(), middleY));
        QVERIFY(dark(merged.center().x(), merged.top()));
        QVERIFY(dark(merged.center().x(), merged.bottom()));
        // Inside the merge, between its columns, no line.
        QVERIFY(!dark(merged.left() + 80, middleY));
        const QRect below = grid.visualRect(grid.model()->index(1, 2));
        QVERIFY(!dark(below.left(), below.center().y()));
    }
};

KX_TEST(TestGrid)

#include "tst_grid.moc"
