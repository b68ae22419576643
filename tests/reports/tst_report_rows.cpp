// Report rows into the grid: kinds, looks, merges and borders, and the totals row.
#include "platform/grid.h"
#include "reports/report.h"
#include "tests/support/kxtest.h"

#include <QTest>

using namespace kx;

class TestReportRows : public QObject
{
    Q_OBJECT

private slots:
    // The totals row spans columns 1 to the last, whatever the page's column count, and is
    // yellow, bold, centred and bordered all round; column 0 holds nothing to drill into.
    void totalRowSpansToTheLastColumn_data()
    {
        QTest::addColumn<int>("cols");
        QTest::newRow("statement, 7 columns") << 7;
        QTest::newRow("debts, 4 columns") << 4;
        QTest::newRow("vat, 11 columns") << 11;
    }
    void totalRowSpansToTheLastColumn()
    {
        QFETCH(int, cols);
        Grid grid;
        grid.setCols(cols);
        grid.setRows(2);
        grid.Cell(1, 1).setText("kept");
        Report report;
        AddReportTotalRow(report, "Toplam : 1,00");
        AddReportTotalRow(report, QString());
        WriteReportRows(&grid, report.rows);

        QCOMPARE(grid.Rows(), 4);
        QCOMPARE(grid.Cell(1, 1).Text(), QStringLiteral("kept"));
        for (int r : { 2, 3 }) {
            QCOMPARE(reportRowKind(&grid, r), ReportRowKind::Total);
            QCOMPARE(grid.columnSpan(r - 1, 1), cols - 1);
            QCOMPARE(grid.Cell(r, 0).Text(), QString());
            for (int c = 1; c < cols; ++c) {
                QCOMPARE(grid.Cell(r, c).BackColor(), QColor(255, 255, 0));
                QVERIFY(grid.Cell(r, c).FontBold());
            }
            QCOMPARE(grid.Cell(r, 1).CellAlignment(), 10);
            for (int edge = 0; edge < 4; ++edge)
                QCOMPARE(grid.Cell(r, 1).Border(edge), 2);
            QCOMPARE(grid.RowHeight(r), grid.DefaultRowHeight());
        }
        QCOMPARE(grid.Cell(2, 1).Text(), QStringLiteral("Toplam : 1,00"));
        QCOMPARE(grid.Cell(3, 1).Text(), QString());
        QCOMPARE(reportRowKind(&grid, 1), ReportRowKind::None);
        QCOMPARE(reportRowKind(&grid, 0), ReportRowKind::None);
    }

    // Every part of a row reaches its cells: kind, texts, height, colour of columns 1 on,
    // merges, a cell's alignment, type and border; texts past the grid's columns are dropped.
    void rowPartsReachTheirCells()
    {
        Grid grid;
        grid.setCols(7);
        ReportRow goods;
        goods.kind = ReportRowKind::GoodsLine;
        goods.cells = { "", "5 X ", "VIDA", "1,50", "------", "------", "------", "extra" };
        goods.backColor = ReportLightYellow;
        goods.height = 17;
        goods.styles = { ReportCellStyle { 1, 14, -1, false } };
        ReportRow total;
        total.kind = ReportRowKind::Total;
        total.cells = { "", "", "", "10,00", "4,00", "6,00 Borçlu", "" };
        total.merges = { ReportMerge { 1, 2 }, ReportMerge { 5, 6 } };
        total.styles = { ReportCellStyle { 1, -1, 0, false }, ReportCellStyle { 5, 10, -1, true } };
        WriteReportRows(&grid, { goods, total });

        QCOMPARE(grid.Rows(), 3);
        QCOMPARE(reportRowKind(&grid, 1), ReportRowKind::GoodsLine);
        QCOMPARE(grid.RowHeight(1), 17);
        QCOMPARE(grid.Cell(1, 0).BackColor(), QColor());
        QCOMPARE(grid.Cell(1, 6).BackColor(), QColor(255, 255, 192));
        QCOMPARE(grid.Cell(1, 1).CellAlignment(), 14);
        QCOMPARE(grid.Cell(1, 6).Text(), QStringLiteral("------"));
        QVERIFY(!grid.Cell(1, 2).FontBold());

        QCOMPARE(grid.columnSpan(1, 1), 2);
        QCOMPARE(grid.columnSpan(1, 3), 1);
        QCOMPARE(grid.columnSpan(1, 5), 2);
        QCOMPARE(grid.Cell(2, 5).Text(), QStringLiteral("6,00 Borçlu"));
        QCOMPARE(grid.Cell(2, 5).CellAlignment(), 10);
        QCOMPARE(grid.Cell(2, 5).Border(1), 2);
        QCOMPARE(grid.Cell(2, 3).Border(1), 0);
        QCOMPARE(grid.Cell(2, 1).CellType(), int(CellTypeText));
    }
};

KX_TEST(TestReportRows)

#include "tst_report_rows.moc"
