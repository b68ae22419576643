// A shown report saved as a workbook: read back by unzipping its XML, cell by cell against
// the grid; failed writes leave nothing behind; the save command's dialog and messages.
#include "app/main_window.h"
#include "app/ribbon_menu.h"
#include "core/panel_fields.h"
#include "core/state.h"
#include "platform/combo_box.h"
#include "platform/grid.h"
#include "reports/report_export.h"
#include "tests/app/events_window.h"
#include "tests/reports/workbook_reader.h"
#include "tests/support/builders.h"
#include "tests/support/kxtest.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kxtest;

namespace {

// "A5:B5" for sheet row 4, columns 0 to 1.
QString sheetRange(int row, int first, int last)
{
    const auto cell
        = [row](int col) { return QString(QChar(u'A' + col)) + QString::number(row + 1); };
    return cell(first) + QLatin1Char(':') + cell(last);
}

// Every file of a folder, hidden ones included.
QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// The sheet against the grid, cell by cell: the titles of the shown columns, then the shown
// rows in order; a cell that a merged cell covers is empty, and every merge of the grid is a
// merge of the sheet. Returns the sheet row of each shown grid row.
QList<int> compareWithGrid(const Sheet &sheet, kx::Grid *grid)
{
    QList<int> columns;
    for (int c = 1; c < grid->Cols(); ++c) {
        if (grid->ColumnWidth(c) > 0)
            columns << c;
    }
    [&] {
        QVERIFY(sheet.read);
        QCOMPARE(sheet.cols, int(columns.size()));
        for (int i = 0; i < columns.size(); ++i)
            QCOMPARE(sheet.shown(0, i), grid->Cell(0, columns[i]).Text());
    }();

    QList<int> sheetRows;
    int sheetRow = 1;
    for (int r = 1; r < grid->Rows(); ++r) {
        if (grid->RowHeight(r) == 0)
            continue;
        sheetRows << sheetRow;
        // The grid's merges, walked from their first cells: first column → last column.
        QMap<int, int> merged;
        for (int c = 1; c < grid->Cols(); c += qMax(1, grid->columnSpan(r - 1, c)))
            merged.insert(c, c + qMax(1, grid->columnSpan(r - 1, c)) - 1);
        for (int i = 0; i < columns.size(); ++i) {
            const int c = columns[i];
            bool covered = false;
            for (auto it = merged.begin(); it != merged.end(); ++it)
                covered = covered || (it.key() < c && it.value() >= c);
            const QString expected = covered ? QString() : grid->Cell(r, c).Text();
            if (sheet.shown(sheetRow, i) != expected)
                qWarning("grid row %d column %d", r, c);
            [&] { QCOMPARE(sheet.shown(sheetRow, i), expected); }();
            const int last = merged.value(c, c);
            int shownInMerge = 0;
            for (const int k : columns)
                shownInMerge += k >= c && k <= last ? 1 : 0;
            if (shownInMerge > 1)
                [&] {
                    QVERIFY2(sheet.merges.contains(sheetRange(sheetRow, i, i + shownInMerge - 1)),
                             qPrintable(sheet.merges.join(u' ')));
                }();
        }
        ++sheetRow;
    }
    [&] { QCOMPARE(sheet.rows, sheetRow); }();
    return sheetRows;
}

// Cell types of a sheet row, one letter a column: n number, t text, - empty.
QString types(const Sheet &sheet, int row)
{
    QString letters;
    for (int c = 0; c < sheet.cols; ++c) {
        const SheetCell cell = sheet.cell(row, c);
        letters += cell.number ? u'n' : cell.text.isEmpty() ? u'-' : u't';
    }
    return letters;
}

// An account with an opening debt, an invoice over a delivery note whose line keeps an
// unformatted price, an invoice with its own lines and a collection.
void statementCompany()
{
    const qint64 stock = addStock("S1", "VIDA");
    const qint64 account = addAccount("1", "ALICI", { { 10, "1.234,50" } });
    const qint64 invoice = addDocument({ .bmod = 4,
                                         .cariid = account,
                                         .serino = "A",
                                         .sirano = "7",
                                         .btarihi = 20240105,
                                         .yekun = "100,00" });
    const qint64 note = addDocument({ .bmod = 3, .cariid = account, .ftrdrm = int(invoice) });
    addLine(note,
            { .stokid = stock,
              .stokadi = "VIDA",
              .miktar = 8,
              .birimfiyat = "12,5",
              .stokinftr = invoice });
    const qint64 own = addDocument({ .bmod = 5,
                                     .cariid = account,
                                     .serino = "A",
                                     .sirano = "8",
                                     .btarihi = 20240106,
                                     .yekun = "2.000.000,00" });
    addLine(own, { .stokid = stock, .stokadi = "VIDA", .miktar = 1000, .birimfiyat = "2.000,00" });
    addDocument({ .bmod = 6, .cariid = account, .btarihi = 20240110, .yekun = "40,00" });
}

// Cards, movements of one card over three months and cheques of three statuses.
void stockAndChequeCompany()
{
    const qint64 account = addAccount("1", "ALICI");
    const qint64 vida = addStock("S1", "VIDA", { { 4, "1.234,50" }, { 5, "0" }, { 9, "10" } });
    addStock("S2", "SOMUN", { { 4, "12,5" }, { 5, "0" }, { 9, "2,5" } });
    const qint64 note = addDocument({ .bmod = 3, .cariid = account, .btarihi = 20240105 });
    addLine(note, { .stokid = vida, .stokadi = "VIDA", .miktar = 2 });
    const qint64 buy = addDocument({ .bmod = 5,
                                     .gircik = 1,
                                     .cariid = account,
                                     .sirano = "2",
                                     .btarihi = 20240210,
                                     .yekun = "1.000,00" });
    addLine(
        buy,
        { .stokid = vida, .stokadi = "VIDA", .miktar = 1, .birimfiyat = "1.000,00", .inout = "i" });
    const qint64 sale = addDocument({ .bmod = 5,
                                      .gircik = 2,
                                      .cariid = account,
                                      .sirano = "3",
                                      .btarihi = 20240320,
                                      .yekun = "99,90" });
    addLine(sale, { .stokid = vida, .stokadi = "VIDA", .miktar = 3, .birimfiyat = "33,3" });
    addCheque(20240101, "C-1", "1.250,00", "Kasada");
    addCheque(20240201, "C-2", "300", "Ciro Edildi");
    addCheque(20240301, "C-3", "75,00", "Tahsil Edildi");
    addCheque(20240401, "C-4", "10,00", "Kasada");
}

} // namespace

class TestReportExport : public QObject
{
    Q_OBJECT

private slots:
    // Each text in a quantity column and in a name column of a written sheet: a number where
    // the quantity column holds a number's text, shown as it stands; text everywhere else.
    void numbersAsShown_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("format");
        QTest::newRow("whole quantity") << "35" << true << 35.0 << "0";
        QTest::newRow("quantity with a decimal") << "2,5" << true << 2.5 << "0.0";
        QTest::newRow("amount with one decimal") << "12,5" << true << 12.5 << "0.0";
        QTest::newRow("ungrouped amount") << "2500,5" << true << 2500.5 << "0.0";
        QTest::newRow("money") << "1.234,50" << true << 1234.5 << "#,##0.00";
        QTest::newRow("negative whole") << "-2" << true << -2.0 << "0";
        QTest::newRow("millions") << "12.345.678,90" << true << 12345678.9 << "#,##0.00";
        QTest::newRow("grouped whole") << "1.234" << true << 1234.0 << "#,##0";
        QTest::newRow("ungrouped money") << "1234,50" << true << 1234.5 << "0.00";
        QTest::newRow("zero") << "0,00" << true << 0.0 << "0.00";
        QTest::newRow("below one") << "-0,125" << true << -0.125 << "0.000";
        QTest::newRow("six decimals") << "1,123456" << true << 1.123456 << "0.000000";
        QTest::newRow("leading zeros") << "007" << false << 0.0 << "";
        QTest::newRow("leading zero before decimals") << "01,00" << false << 0.0 << "";
        QTest::newRow("a group of one") << "1.5" << false << 0.0 << "";
        QTest::newRow("a group of four") << "1.2345" << false << 0.0 << "";
        QTest::newRow("date") << "09.12.2026" << false << 0.0 << "";
        QTest::newRow("goods-line quantity") << "5 X " << false << 0.0 << "";
        QTest::newRow("dashes") << "------" << false << 0.0 << "";
        QTest::newRow("other notation") << "1,234.50" << false << 0.0 << "";
        QTest::newRow("with a word") << "1.234,50 Borçlu" << false << 0.0 << "";
        QTest::newRow("leading blank") << " 35" << false << 0.0 << "";
        QTest::newRow("comma without decimals") << "35," << false << 0.0 << "";
        QTest::newRow("decimals without digits before") << ",5" << false << 0.0 << "";
        QTest::newRow("negative zero") << "-0,00" << false << 0.0 << "";
        QTest::newRow("more digits than shown") << "1234567890123456" << false << 0.0 << "";
        QTest::newRow("empty") << "" << false << 0.0 << "";
    }
    void numbersAsShown()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QFETCH(double, value);
        QFETCH(QString, format);
        // An inventory row: column 1 the card's name, column 2 its quantity on hand.
        kx::ShownReport report;
        report.columns = { 1, 2 };
        report.titles = { QStringLiteral("Stok"), QStringLiteral("Stok Miktarı") };
        report.widths = { 100, 60 };
        kx::ShownRow row;
        row.kind = kx::ReportRowKind::Data;
        row.cells.resize(2);
        row.cells[0].text = text;
        row.cells[1].text = text;
        report.rows << row;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sayi.xlsx"));
        QVERIFY(kx::WriteReportWorkbook(path, report, 12));
        const Sheet sheet = readSheet(path);
        QVERIFY(sheet.read);

        QVERIFY(!sheet.cell(1, 0).number);
        QCOMPARE(sheet.shown(1, 0), text);
        const SheetCell cell = sheet.cell(1, 1);
        QCOMPARE(cell.number, number);
        QCOMPARE(sheet.shown(1, 1), text);
        if (number) {
            QCOMPARE(cell.value, value);
            QCOMPARE(cell.numberFormat, format);
        }
        QCOMPARE(kx::shownNumber(text).has_value(), number);
    }

    // The statement with goods lines: merged, coloured and bold rows, the key column absent.
    void statementAsShown()
    {
        EventsWindow env;
        statementCompany();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::AccountStatement);
        qobject_cast<kx::ComboBox *>(kx::panelField(w.RX1, "XCCari"))->setListIndex(0);
        kx::setFieldValue(w.RX1, "XBStok", 1);
        w.CMBar_Execute(kx::Command::ShowReport);
        QCOMPARE(w.Grid1->Rows(), 8);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ekstre.xlsx"));
        QVERIFY(kx::WriteReportWorkbook(path, kx::shownReport(w.Grid1), 6));
        const Sheet sheet = readSheet(path);
        const QList<int> rows = compareWithGrid(sheet, w.Grid1);
        if (QTest::currentTestFailed())
            return;

        // Opening, invoice, its goods line, invoice, its goods line, collection, totals.
        // A goods line's unit price is a number, stored as "12,5" or "2.000,00"; its quantity
        // "8 X " and its dashes stay text.
        const QStringList expected { "ttnnnn", "ttnnnn", "ttnttt", "ttnnnn",
                                     "ttnttt", "ttnnnn", "--nnt-" };
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(types(sheet, rows[i]), expected[i]);
        QCOMPARE(sheet.cell(rows[0], 2).value, 1234.5);
        QCOMPARE(sheet.cell(rows[0], 2).numberFormat, QStringLiteral("#,##0.00"));
        QCOMPARE(sheet.cell(rows[3], 2).value, 2000000.0);
        QCOMPARE(sheet.cell(rows[4], 2).value, 2000.0);
        QCOMPARE(sheet.cell(rows[2], 2).value, 12.5);
        QCOMPARE(sheet.cell(rows[2], 2).numberFormat, QStringLiteral("0.0"));

        // Goods lines light yellow, the totals row yellow and bold with its border.
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(sheet.cell(rows[2], c).fill, QColor(255, 255, 192));
            QCOMPARE(sheet.cell(rows[6], c).fill, QColor(255, 255, 0));
        }
        QVERIFY(!sheet.cell(rows[1], 2).fill.isValid());
        QVERIFY(sheet.cell(rows[6], 4).border);
        // No key of the grid's column 0 reaches the file.
        for (int r = 1; r < w.Grid1->Rows(); ++r) {
            const QString key = w.Grid1->Cell(r, 0).Text();
            for (const SheetCell &cell : sheet.cells)
                QVERIFY(key.isEmpty() || cell.text != key);
        }
    }

    // The reports with hidden rows, the inventory and the VAT report's footers, as built by the
    // main window: the shown rows and columns only, every cell as shown.
    void reportPagesAsShown_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QByteArray>("option");
        QTest::addColumn<int>("hidden"); // rows of the grid that are not shown
        // Cell types of the sheet's rows 1 on: amounts, prices and quantities are numbers in
        // whatever form they are stored ("2,5", "12,5", "300"), the totals rows one merged
        // text.
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("stock movements in February")
            << 11 << QByteArray("XBTar6") << 2 << QStringList { "tttnn", "t----" };
        QTest::newRow("inventory by purchase price")
            << 12 << QByteArray("XOAlis") << 0 << QStringList { "tnnn", "tnnn", "t---" };
        QTest::newRow("cheques in cash")
            << 13 << QByteArray("XOKasada") << 2 << QStringList { "tt---nt", "tt---nt", "t------" };
        QTest::newRow("every cheque")
            << 13 << QByteArray("XOTumu8") << 0
            << QStringList { "tt---nt", "tt---nt", "tt---nt", "tt---nt", "t------" };
        QTest::newRow("price list by purchase price")
            << 7 << QByteArray("XOGiris2") << 0 << QStringList { "tt--n", "tt--n" };
        QTest::newRow("cash of one day")
            << 8 << QByteArray("XOGunDetay") << 0 << QStringList { "ttnnn", "ttnnn" };
        QTest::newRow("debts and credits, every account")
            << 9 << QByteArray("XOTumu4") << 0 << QStringList { "tnn", "t--" };
        QTest::newRow("VAT, all invoices")
            << 10 << QByteArray("XOTumu5") << 0
            << QStringList { "ttnnnnnnnn", "ttnnnnnnnn", "--nnnnnnnn", "t---------" };
    }
    void reportPagesAsShown()
    {
        QFETCH(int, page);
        QFETCH(QByteArray, option);
        QFETCH(int, hidden);
        QFETCH(QStringList, expected);
        EventsWindow env;
        stockAndChequeCompany();
        kx::FMain &w = env.start();
        w.ShowPage(page);
        kx::setFieldValue(w.RX1, option.constData(), 1);
        if (page == 11) {
            kx::setFieldIndex(w.RX1, "XCStok", 1); // VIDA after SOMUN
            kx::setFieldDate(w.RX1, "XDTarA6", QStringLiteral("01.02.2024"));
            kx::setFieldDate(w.RX1, "XDTarB6", QStringLiteral("29.02.2024"));
        } else if (page == 8) {
            kx::setFieldDate(w.RX1, "XDTar3", QStringLiteral("20.03.2024"));
        }
        w.CMBar_Execute(kx::Command::ShowReport);
        int hiddenRows = 0;
        for (int r = 1; r < w.Grid1->Rows(); ++r)
            hiddenRows += w.Grid1->RowHeight(r) == 0 ? 1 : 0;
        QCOMPARE(hiddenRows, hidden);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rapor.xlsx"));
        kx::messageScript().files = { path };
        w.CMBar_Execute(kx::Command::SaveReport);
        const Sheet sheet = readSheet(path);
        const QList<int> rows = compareWithGrid(sheet, w.Grid1);
        if (QTest::currentTestFailed())
            return;
        QStringList found;
        for (const int row : rows)
            found << types(sheet, row);
        QCOMPARE(found, expected);
    }

    // Hidden rows and hidden columns stay out; a price column keeps its decimals.
    void hiddenRowsAndColumnsStayOut()
    {
        EventsWindow env;
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::StockInventory);
        QList<kx::ReportRow> rows;
        const QList<QStringList> cells = {
            { "17", "VIDA", "2,5", "1.234,500", "3.086,25" },
            { "18", "SOMUN", "-3", "0,125", "-0,38" },
            { "19", "GİZLİ", "1", "1,000", "1,00" },
            { "20", "PUL", "1,25", "10,00", "12,50" },
        };
        for (const QStringList &row : cells)
            rows.append(kx::ReportRow { .cells = row });
        kx::WriteReportRows(w.Grid1, rows);
        kx::Report total;
        kx::AddReportTotalRow(total, QStringLiteral("Toplam Değer : 3.098,37"));
        kx::WriteReportRows(w.Grid1, total.rows);
        w.Grid1->setRowHeight(3, 0);
        w.Grid1->setColumnWidth(3, 0);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("envanter.xlsx"));
        QVERIFY(kx::WriteReportWorkbook(path, kx::shownReport(w.Grid1), 12));
        const Sheet sheet = readSheet(path);
        const QList<int> sheetRows = compareWithGrid(sheet, w.Grid1);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(sheetRows.size(), 4);
        QCOMPARE(sheet.cols, 3); // "Stok", "Stok Miktarı", "Stok Değeri"
        // Quantities are numbers; the card's code in the key column never reaches the sheet.
        QCOMPARE(types(sheet, 1), QStringLiteral("tnn"));
        QCOMPARE(types(sheet, 3), QStringLiteral("tnn"));
        QCOMPARE(sheet.cell(3, 1).value, 1.25);
        QCOMPARE(sheet.cell(2, 2).value, -0.38);
        QCOMPARE(sheet.merges, QStringList { sheetRange(4, 0, 2) });
        QVERIFY(sheet.cell(4, 0).bold);

        // With the price column shown, its three decimals reach the format.
        w.Grid1->setColumnWidth(3, 80);
        QVERIFY(kx::WriteReportWorkbook(path, kx::shownReport(w.Grid1), 12));
        const Sheet again = readSheet(path);
        compareWithGrid(again, w.Grid1);
        QCOMPARE(again.cell(1, 2).numberFormat, QStringLiteral("#,##0.000"));
    }

    // A write that cannot be done leaves no file, neither under the name nor beside it; a
    // file that stood under the name stays as it was until a write succeeds.
    void failedWriteLeavesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing folder") << "yok/Rapor.xlsx";
        QTest::newRow("name is a folder") << "klasor";
        QTest::newRow("name is a folder, with a slash") << "klasor/";
    }
    void failedWriteLeavesNothing()
    {
        QFETCH(QString, name);
        EventsWindow env;
        statementCompany();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::DebtsAndCredits);
        w.CMBar_Execute(kx::Command::ShowReport);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("klasor")));
        const QString path = dir.filePath(name);
        const QStringList before = filesIn(dir.path());

        QString error;
        QVERIFY(!kx::WriteReportWorkbook(path, kx::shownReport(w.Grid1), 9, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(filesIn(dir.path()), before);
        QCOMPARE(filesIn(dir.filePath(QStringLiteral("klasor"))), QStringList());

        // Through the command: one message, and still nothing.
        kx::messageScript().shown.clear();
        kx::messageScript().files = { path };
        kx::SaveReportToExcel(w.Grid1, kx::Page::DebtsAndCredits, dir.path());
        QCOMPARE(kx::messageScript().textsOf(QStringLiteral("popup")),
                 QStringList { QStringLiteral("Rapor dosyası kaydedilemedi!") });
        QCOMPARE(filesIn(dir.path()), before);
    }

    void replacesAnExistingFile()
    {
        EventsWindow env;
        statementCompany();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::DebtsAndCredits);
        w.CMBar_Execute(kx::Command::ShowReport);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Rapor.xlsx"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("eski");
        old.close();
        QVERIFY(kx::WriteReportWorkbook(path, kx::shownReport(w.Grid1), 9));
        compareWithGrid(readSheet(path), w.Grid1);
        QCOMPARE(filesIn(dir.path()), QStringList { QStringLiteral("Rapor.xlsx") });
    }

    // The command: an empty report asks nothing; otherwise the save dialog with its title and
    // filter, a cancel writes nothing and says nothing, and the name is taken as it is given.
    void saveCommand()
    {
        EventsWindow env;
        statementCompany();
        kx::FMain &w = env.start();
        QTemporaryDir dir;
        kx::MessageScript &script = kx::messageScript();

        w.ShowPage(kx::Page::DebtsAndCredits);
        script.shown.clear();
        kx::SaveReportToExcel(w.Grid1, kx::Page::DebtsAndCredits, dir.path());
        QCOMPARE(script.ofKind(QStringLiteral("file")).size(), 0);
        QCOMPARE(script.textsOf(QStringLiteral("popup")),
                 QStringList { QStringLiteral("Raporda bilgi yok!") });

        w.CMBar_Execute(kx::Command::ShowReport);
        script.shown.clear();
        script.files = { QString() };
        kx::SaveReportToExcel(w.Grid1, kx::Page::DebtsAndCredits, dir.path());
        const QList<kx::MessageRecord> dialogs = script.ofKind(QStringLiteral("file"));
        QCOMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs[0].title,
                 QStringLiteral("Rapor dosyanızın adını ve kaydedileceği konumu seçiniz..."));
        QCOMPARE(dialogs[0].text, QStringLiteral("Excel dosyaları (*.xlsx)|*.xlsx"));
        QCOMPARE(script.textsOf(QStringLiteral("popup")), QStringList());
        QCOMPARE(filesIn(dir.path()), QStringList());

        // No extension is added.
        const QString path = dir.filePath(QStringLiteral("borclar"));
        script.files = { path };
        kx::SaveReportToExcel(w.Grid1, kx::Page::DebtsAndCredits, dir.path());
        QCOMPARE(script.textsOf(QStringLiteral("popup")), QStringList());
        QCOMPARE(filesIn(dir.path()), QStringList { QStringLiteral("borclar") });
        compareWithGrid(readSheet(path), w.Grid1);
    }

    // Command 162 on the report page opens the real save dialog with the default name.
    void ribbonSaveOpensDialog()
    {
        EventsWindow env;
        statementCompany();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::DebtsAndCredits);
        w.CMBar_Execute(kx::Command::ShowReport);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kayit.xlsx"));
        QString title, typed;
        QStringList filters;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                typed = name->text();
            dialog->selectFile(path);
            static_cast<QDialog *>(dialog)->accept();
        });
        w.CMBar_Execute(kx::Command::SaveReport);
        QCOMPARE(title, kx::ReportFileDialogTitle);
        QCOMPARE(filters, QStringList { QStringLiteral("Excel dosyaları (*.xlsx)") });
        QCOMPARE(typed, kx::DefaultReportFileName());
        compareWithGrid(readSheet(path), w.Grid1);
    }
};

KX_TEST(TestReportExport)

#include "tst_report_export.moc"
