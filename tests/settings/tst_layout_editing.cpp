// The print layout tools of the settings window: reset of the shown layout and the bulk shift.
#include "core/messages.h"
#include "core/state.h"
#include "platform/grid.h"
#include "settings/settings_window.h"
#include "tests/settings/settings_seed.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace kxtest;

namespace {

// Every cell of the three layout grids, header rows included.
using LayoutCells = std::array<QList<QStringList>, kx::LayoutKindCount>;

LayoutCells layoutCells(kx::FAyar &window)
{
    LayoutCells cells;
    for (int k = 0; k < kx::LayoutKindCount; ++k) {
        kx::Grid *grid = window.Grid2[k];
        for (int r = 0; r < grid->Rows(); ++r) {
            QStringList row;
            for (int c = 0; c < grid->Cols(); ++c)
                row << grid->Cell(r, c).Text();
            cells[k] << row;
        }
    }
    return cells;
}

struct LayoutEnv
{
    Fixture fixture;
    std::unique_ptr<kx::FAyar> window;

    kx::FAyar &open()
    {
        fixture.login(1);
        seedSettings();
        fixture.loadLists();
        kx::state().MainComputer = true;
        window = std::make_unique<kx::FAyar>();
        window->show();
        window->Tab1->setCurrentIndex(1);
        return *window;
    }
};

} // namespace

class TestLayoutEditing : public QObject
{
    Q_OBJECT

private slots:
    // The reset puts the shown layout's field rows, both groups, to off at 0, 0 with size 10,
    // asks nothing, and leaves the titles, numbers, names, the other layouts and the stored
    // rows alone.
    void resetTouchesTheShownLayoutOnly_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("İrsaliye") << 0;
        QTest::newRow("Fatura") << 1;
        QTest::newRow("İrsaliyeli Fatura") << 2;
    }
    void resetTouchesTheShownLayoutOnly()
    {
        QFETCH(int, kind);
        LayoutEnv env;
        kx::FAyar &w = env.open();
        w.Tab2->setCurrentIndex(kind);
        const LayoutCells before = layoutCells(w);
        const QMap<QString, QString> stored = settingsSnapshot();
        kx::messageScript().shown.clear();

        QTest::mouseClick(w.PushButton1, Qt::LeftButton);
        const LayoutCells after = layoutCells(w);
        QVERIFY(kx::messageScript().shown.isEmpty());
        QCOMPARE(settingsSnapshot(), stored);
        for (int k = 0; k < kx::LayoutKindCount; ++k) {
            if (k != kind) {
                QCOMPARE(after[k], before[k]);
                continue;
            }
            const QList<QStringList> &shown = after[k];
            QCOMPARE(shown.size(), kx::layoutFieldCount(k) + 2);
            QCOMPARE(shown.mid(0, 2), before[k].mid(0, 2));
            for (int r = 2; r < shown.size(); ++r) {
                QCOMPARE(shown[r].mid(0, 2), before[k][r].mid(0, 2));
                QCOMPARE(shown[r].mid(2).join(u' '), QStringLiteral("0 0 0 0 0 10 0 0 0 0 0 10"));
            }
        }
    }

    // Moving the scroll bar from p to q adds p - q to the chosen column of every field row of
    // the shown layout, each cell read as printing reads it and written as plain number text.
    void shift_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<QStringList>("texts"); // after each move

        QTest::newRow("Değer Ü: 12 to 7 and back")
            << 1 << 4 << "12" << QList<int> { 5, 0 } << QStringList { "7", "12" };
        QTest::newRow("Değer S: 0 below zero")
            << 0 << 3 << "0" << QList<int> { 5 } << QStringList { "-5" };
        QTest::newRow("Değer B: decimal comma kept")
            << 2 << 7 << "12,5" << QList<int> { 5 } << QStringList { "7,5" };
        QTest::newRow("Başlık S: above 1000, twice, no grouping")
            << 3 << 9 << "1.250,5" << QList<int> { 2, 4 } << QStringList { "1248,5", "1246,5" };
        QTest::newRow("Başlık Ü: up raises")
            << 4 << 10 << "20" << QList<int> { -3, -10 } << QStringList { "23", "30" };
        QTest::newRow("Başlık B: empty counts 0")
            << 5 << 13 << "" << QList<int> { -10 } << QStringList { "10" };
    }
    void shift()
    {
        QFETCH(int, choice);
        QFETCH(int, column);
        QFETCH(QString, start);
        QFETCH(QList<int>, moves);
        QFETCH(QStringList, texts);
        LayoutEnv env;
        kx::FAyar &w = env.open();
        w.Tab2->setCurrentIndex(1);
        kx::Grid *grid = w.Grid2[1];
        const int last = grid->Rows() - 1;
        grid->Cell(2, column).setText(start);
        grid->Cell(last, column).setText(start);
        w.ComboX->setCurrentIndex(choice);
        const LayoutCells before = layoutCells(w);

        for (int i = 0; i < moves.size(); ++i) {
            w.VScroll1->setValue(moves.at(i));
            QCOMPARE(grid->Cell(2, column).Text(), texts.at(i));
            QCOMPARE(grid->Cell(last, column).Text(), texts.at(i));
        }
        // Nothing else moved: the other columns, the titles and the other layouts.
        LayoutCells after = layoutCells(w);
        for (int r = 2; r <= last; ++r)
            after[1][r][column] = before[1][r][column];
        QCOMPARE(after, before);
    }

    // One remembered position for the whole window: a move after switching the layout and the
    // column shifts the new column by the difference from the last position only.
    void shiftMemoryIsTheWindows()
    {
        LayoutEnv env;
        kx::FAyar &w = env.open();
        w.Grid2[0]->Cell(2, 3).setText(QStringLiteral("40"));
        w.Grid2[1]->Cell(2, 3).setText(QStringLiteral("40"));
        w.Grid2[1]->Cell(2, 7).setText(QStringLiteral("10"));

        w.Tab2->setCurrentIndex(0);
        w.ComboX->setCurrentIndex(0); // Değer S
        w.VScroll1->setValue(5);
        QCOMPARE(w.Grid2[0]->Cell(2, 3).Text(), QStringLiteral("35"));

        w.Tab2->setCurrentIndex(1);
        w.ComboX->setCurrentIndex(2); // Değer B
        w.VScroll1->setValue(8);
        QCOMPARE(w.Grid2[1]->Cell(2, 7).Text(), QStringLiteral("7"));
        QCOMPARE(w.Grid2[1]->Cell(2, 3).Text(), QStringLiteral("40"));
        QCOMPARE(w.Grid2[0]->Cell(2, 3).Text(), QStringLiteral("35"));
    }

    // Enter in a layout grid or on the pages moves on in the grid and never presses a button of
    // the window: no reset, no save.
    void enterPressesNoButton()
    {
        LayoutEnv env;
        kx::FAyar &w = env.open();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const LayoutCells before = layoutCells(w);
        const QMap<QString, QString> stored = settingsSnapshot();
        kx::Grid *grid = w.Grid2[0];
        grid->Cell(3, 3).Select();
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Return);
        QTest::keyClick(w.Tab2, Qt::Key_Return);
        QVERIFY(w.isVisible());
        QCOMPARE(layoutCells(w), before);
        QCOMPARE(settingsSnapshot(), stored);
    }

    // Every opening starts on the first column of the list.
    void shiftChoiceStartsOnValueS()
    {
        LayoutEnv env;
        kx::FAyar &w = env.open();
        QCOMPARE(w.ComboX->currentIndex(), 0);
        QCOMPARE(w.ComboX->currentText(),
                 QStringLiteral("Toplu olarak düzenlenecek sütun : Değer (S)"));
        QCOMPARE(w.ComboX->count(), 6);
    }
};

KX_TEST(TestLayoutEditing)

#include "tst_layout_editing.moc"
