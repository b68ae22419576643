// Report print: the titles of every page and option, and a report printed into a PDF file read
// back with pdftotext.
#include "app/main_window.h"
#include "app/ribbon_menu.h"
#include "core/panel_fields.h"
#include "core/state.h"
#include "platform/grid.h"
#include "platform/printer.h"
#include "reports/report_print.h"
#include "tests/app/events_window.h"
#include "tests/support/builders.h"
#include "tests/support/kxtest.h"
#include "tests/support/printing.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QPageSize>
#include <QPrinter>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace kxtest;

namespace {

// The options that the title table reads, by name.
const QHash<QString, bool kx::ReportOptions::*> &optionFlags()
{
    static const QHash<QString, bool kx::ReportOptions::*> flags {
        { "statementRange", &kx::ReportOptions::statementRange },
        { "cashMonthly", &kx::ReportOptions::cashMonthly },
        { "cashDaily", &kx::ReportOptions::cashDaily },
        { "cashDayDetail", &kx::ReportOptions::cashDayDetail },
        { "debtorsOnly", &kx::ReportOptions::debtorsOnly },
        { "creditorsOnly", &kx::ReportOptions::creditorsOnly },
        { "withBalanceOnly", &kx::ReportOptions::withBalanceOnly },
        { "allAccounts", &kx::ReportOptions::allAccounts },
        { "vatAll", &kx::ReportOptions::vatAll },
        { "vatOutgoing", &kx::ReportOptions::vatOutgoing },
        { "vatIncoming", &kx::ReportOptions::vatIncoming },
        { "vatRange", &kx::ReportOptions::vatRange },
        { "byPurchasePrice", &kx::ReportOptions::byPurchasePrice },
        { "bySalePrice", &kx::ReportOptions::bySalePrice },
        { "byLastCost", &kx::ReportOptions::byLastCost },
        { "byAverageCost", &kx::ReportOptions::byAverageCost },
        { "chequesInCash", &kx::ReportOptions::chequesInCash },
        { "chequesOut", &kx::ReportOptions::chequesOut },
        { "chequesEndorsed", &kx::ReportOptions::chequesEndorsed },
        { "chequesCollected", &kx::ReportOptions::chequesCollected },
        { "chequesPaid", &kx::ReportOptions::chequesPaid },
        { "chequesAll", &kx::ReportOptions::chequesAll },
    };
    return flags;
}

kx::ReportOptions optionsWith(const QStringList &ticked)
{
    kx::ReportOptions options;
    options.accountText = QStringLiteral("ALİ {to} & OĞUL (120)");
    options.statementFrom = 20240101;
    options.statementTo = 20240331;
    options.cashMonth = QStringLiteral("Şubat 2024");
    options.cashDay = 20240215;
    options.vatFrom = 20240701;
    options.vatTo = 20241231;
    options.stockText = QStringLiteral("VIDA M8 (S1)");
    for (const QString &name : ticked)
        options.*optionFlags().value(name) = true;
    return options;
}

// An inventory-shaped page of `count` cards, every seventh one hidden, with its totals row.
QStringList fillInventory(kx::Grid *grid, int count)
{
    QList<kx::ReportRow> rows;
    for (int i = 1; i <= count; ++i) {
        rows.append(kx::ReportRow { .cells = { QStringLiteral("90%1").arg(i, 3, 10, QChar(u'0')),
                                               QStringLiteral("KART%1").arg(i), "2,5", "10,00",
                                               "25,00" } });
    }
    kx::Report total;
    kx::AddReportTotalRow(total, QStringLiteral("Toplam Değer : 1.234,50"));
    rows += total.rows;
    kx::WriteReportRows(grid, rows);
    QStringList shown;
    for (int r = 1; r < grid->Rows(); ++r) {
        if (r % 7 == 0 && r <= count) {
            grid->setRowHeight(r, 0);
            continue;
        }
        QStringList cells;
        for (int c = 1; c < grid->Cols(); ++c) {
            if (!grid->Cell(r, c).Text().isEmpty())
                cells << grid->Cell(r, c).Text();
        }
        shown << cells.join(u' ');
    }
    return shown;
}

// Whether the grid shows the text of a cell whole: the item view cuts a line that is wider than
// the cell (a merged cell: its columns) less its style's text margin on either side.
bool gridShowsWhole(kx::Grid *grid, int row, int col)
{
    const QString text = grid->Cell(row, col).Text();
    const QModelIndex index = grid->model()->index(row - 1, col);
    QFont font = grid->font();
    font.setBold(grid->Cell(row, col).FontBold());
    const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    return QFontMetricsF(font, grid).horizontalAdvance(text)
        <= grid->visualRect(index).width() - 2 * margin;
}

// The same for a column title: the header cuts it to its label's width less four pixels.
bool headerShowsWhole(kx::Grid *grid, int col)
{
    QHeaderView *header = grid->horizontalHeader();
    const int margin = grid->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    return QFontMetricsF(header->font(), header).horizontalAdvance(grid->Cell(0, col).Text())
        <= header->sectionSize(col) - 2 * margin - 4;
}

// An account and a card whose names fill their columns, with a goods line of each document
// kind that has one, a cash invoice, a collection and cheques.
void longNamesCompany()
{
    const qint64 account = addAccount("00001", "CARI 00001 TICARET", { { 10, "12.345,67" } });
    const qint64 stock = addStock(
        "S-00001", "VIDA M8 PASLANMAZ CELIK",
        { { 4, "1.234,50" }, { 6, "2.345,60" }, { 7, "TL" }, { 8, "ADET" }, { 9, "35" } });
    const qint64 note = addDocument({ .bmod = 3,
                                      .gircik = 1,
                                      .cariid = account,
                                      .sirano = "000123",
                                      .btarihi = 20240105,
                                      .aciklama = "GIRIS" });
    addLine(note,
            { .stokid = stock, .stokadi = "VIDA M8 PASLANMAZ CELIK", .miktar = 12, .inout = "i" });
    const qint64 sale = addDocument({ .bmod = 5,
                                      .gircik = 2,
                                      .cariid = account,
                                      .sirano = "000124",
                                      .btarihi = 20240320,
                                      .aciklama = "PESIN SATIS",
                                      .kdv1 = "180,00",
                                      .yekun = "1.180,00" });
    addLine(sale,
            { .stokid = stock,
              .stokadi = "VIDA M8 PASLANMAZ CELIK",
              .miktar = 2,
              .birimfiyat = "500,00" });
    addDocument({ .bmod = 6, .cariid = account, .btarihi = 20240320, .yekun = "250,00" });
    addCheque(20240101, "CEK-0000123", "1.250,00", "Kasada");
    addCheque(20240201, "CEK-0000124", "300", "Ciro Edildi");
}

} // namespace

class TestReportPrint : public QObject
{
    Q_OBJECT

private slots:
    void titles_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QString>("title");

        QTest::newRow("statement, range")
            << 6 << QStringList { "statementRange" }
            << "Birinci Firma - ALİ {to} & OĞUL (120) - Hesap Ekstresi (01.01.2024 - 31.03.2024)";
        QTest::newRow("statement")
            << 6 << QStringList() << "Birinci Firma - ALİ {to} & OĞUL (120) - Hesap Ekstresi";
        QTest::newRow("price list, the day of printing")
            << 7 << QStringList { "statementRange" } << "Fiyat Listesi - 10.12.2026";
        QTest::newRow("cash, months")
            << 8 << QStringList { "cashMonthly" } << "Kasa Raporu (Genel)";
        QTest::newRow("cash, days")
            << 8 << QStringList { "cashDaily" } << "Kasa Raporu (Şubat 2024)";
        QTest::newRow("cash, one day")
            << 8 << QStringList { "cashDayDetail" } << "Kasa Raporu (15.02.2024)";
        QTest::newRow("debtors") << 9 << QStringList { "debtorsOnly" }
                                 << "Borç - Alacak Raporu (Sadece Borçlular)";
        QTest::newRow("creditors")
            << 9 << QStringList { "creditorsOnly" } << "Borç - Alacak Raporu (Sadece Alacaklılar)";
        QTest::newRow("with a balance") << 9 << QStringList { "withBalanceOnly" }
                                        << "Borç - Alacak Raporu (Sadece Bakiyesi Olanlar)";
        QTest::newRow("all accounts")
            << 9 << QStringList { "allAccounts" } << "Borç - Alacak Raporu (Tüm Cariler)";
        QTest::newRow("VAT, incoming, range")
            << 10 << QStringList { "vatIncoming", "vatRange" }
            << "Fatura - KDV Raporu (Sadece Giriş Faturalaru) - (01.07.2024 - 31.12.2024)";
        QTest::newRow("VAT, incoming") << 10 << QStringList { "vatIncoming" }
                                       << "Fatura - KDV Raporu (Sadece Giriş Faturalaru)";
        QTest::newRow("VAT, outgoing, range")
            << 10 << QStringList { "vatOutgoing", "vatRange" }
            << "Fatura - KDV Raporu (Sadece Çıkış Faturaları) - (01.07.2024 - 31.12.2024)";
        QTest::newRow("VAT, all") << 10 << QStringList { "vatAll" }
                                  << "Fatura - KDV Raporu (Tüm Faturalar)";
        QTest::newRow("stock movements")
            << 11 << QStringList { "statementRange" } << "Stok Hareketleri (VIDA M8 (S1))";
        QTest::newRow("inventory, purchase") << 12 << QStringList { "byPurchasePrice" }
                                             << "Stok Envanter Raporu (Alış Fiyatına Göre)";
        QTest::newRow("inventory, sale")
            << 12 << QStringList { "bySalePrice" } << "Stok Envanter Raporu (Satış Fiyatına Göre)";
        QTest::newRow("inventory, last cost")
            << 12 << QStringList { "byLastCost" } << "Stok Envanter Raporu (Son Maliyete Göre)";
        QTest::newRow("inventory, average cost") << 12 << QStringList { "byAverageCost" }
                                                 << "Stok Envanter Raporu (Ortalama Maliyete Göre)";
        QTest::newRow("cheques, all") << 13 << QStringList { "chequesAll" } << "Çek Raporu (Tümü)";
        QTest::newRow("cheques, in cash")
            << 13 << QStringList { "chequesInCash" } << "Çek Raporu (Sadece Kasadakiler)";
        QTest::newRow("cheques, endorsed")
            << 13 << QStringList { "chequesEndorsed" } << "Çek Raporu (Sadece Ciro Edilenler)";
        QTest::newRow("cheques, out")
            << 13 << QStringList { "chequesOut" } << "Çek Raporu (Sadece Dışarıdakiler)";
        QTest::newRow("cheques, collected")
            << 13 << QStringList { "chequesCollected" } << "Çek Raporu (Sadece Tahsil Edilenler)";
        QTest::newRow("cheques, paid")
            << 13 << QStringList { "chequesPaid" } << "Çek Raporu (Sadece Ödenenler)";
        QTest::newRow("a document page has none") << 5 << QStringList { "debtorsOnly" } << "";
    }
    void titles()
    {
        QFETCH(int, page);
        QFETCH(QStringList, ticked);
        QFETCH(QString, title);
        QCOMPARE(kx::ReportTitle(page, optionsWith(ticked), QStringLiteral("Birinci Firma"),
                                 QDate(2026, 12, 10)),
                 title);
    }

    // A long report: every page carries the title and the column titles, the shown rows follow
    // in order across the pages, hidden rows and the key column stay out.
    void printsShownRowsOnPages()
    {
        EventsWindow env;
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::StockInventory);
        const QStringList expected = fillInventory(w.Grid1, 150);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("envanter.pdf"));
        const auto printer = pdfPrinter(pdf);
        const QString title = QStringLiteral("Stok Envanter Raporu (Alış Fiyatına Göre)");
        QVERIFY(kx::PrintShownReport(kx::shownReport(w.Grid1), kx::ReportPrintSetup(title),
                                     printer.get()));

        const QList<QStringList> pages = pdfLines(pdf);
        QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
        QStringList printed;
        for (const QStringList &lines : pages) {
            QVERIFY(lines.size() > 2);
            QCOMPARE(lines[0], title);
            QCOMPARE(lines[1], QStringLiteral("Stok Stok Miktarı Birim Fiyatı Stok Değeri"));
            printed += lines.mid(2);
        }
        QCOMPARE(printed, expected);
        for (const PdfWord &word : pdfWords(pdf))
            QVERIFY2(!word.text.startsWith(QLatin1String("90")), qPrintable(word.text));
    }

    // The page set-up: the title above the table, the table inside the margins, a table
    // wider than the page scaled down to its width.
    void staysInsideTheMargins()
    {
        EventsWindow env;
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::StockInventory);
        fillInventory(w.Grid1, 5);
        for (int c = 1; c < w.Grid1->Cols(); ++c)
            w.Grid1->setColumnWidth(c, 260);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("genis.pdf"));
        const auto printer = pdfPrinter(pdf);
        QVERIFY(kx::PrintShownReport(kx::shownReport(w.Grid1), kx::ReportPrintSetup("Başlık"),
                                     printer.get()));
        const double centimetre = 72 / 2.54;
        const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
        bool sawLast = false;
        for (const PdfWord &word : pdfWords(pdf)) {
            QVERIFY2(word.left >= 0.5 * centimetre && word.right <= a4.width() - 0.5 * centimetre,
                     qPrintable(word.text));
            QVERIFY(word.bottom <= a4.height() - 1.0 * centimetre);
            if (word.text == QStringLiteral("Başlık"))
                QVERIFY(word.top >= 1.0 * centimetre - 1 && word.bottom <= 1.5 * centimetre);
            else
                QVERIFY2(word.top >= 1.5 * centimetre, qPrintable(word.text));
            sawLast = sawLast || word.text == QStringLiteral("Değeri");
        }
        QVERIFY(sawLast); // the last column is on the page
    }

    // A title longer than the table is printed whole, on one line inside the margins, above
    // narrow and wide tables alike.
    void longTitleIsPrintedWhole_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("title");
        const QString statement = QStringLiteral(
            "Birinci Ticaret ve Sanayi Limited Şirketi - BORA TİCARET LİMİTED ŞİRKETİ UZUN "
            "İSİMLİ BİR FİRMA (C002) - Hesap Ekstresi (01.01.2026 - 10.12.2026)");
        QTest::newRow("narrow table") << 9 << statement;
        QTest::newRow("wide table") << 6 << statement;
        QTest::newRow("short title") << 9 << QStringLiteral("Borç - Alacak Raporu (Tüm Cariler)");
    }
    void longTitleIsPrintedWhole()
    {
        QFETCH(int, page);
        QFETCH(QString, title);
        EventsWindow env;
        kx::FMain &w = env.start();
        w.ShowPage(page);
        fillInventory(w.Grid1, 3);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("baslik.pdf"));
        const auto printer = pdfPrinter(pdf);
        QVERIFY(kx::PrintShownReport(kx::shownReport(w.Grid1), kx::ReportPrintSetup(title),
                                     printer.get()));
        QCOMPARE(pdfLines(pdf).value(0).value(0), title);
        const double centimetre = 72 / 2.54;
        const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
        for (const PdfWord &word : pdfWords(pdf)) {
            QVERIFY2(word.left >= 0.5 * centimetre && word.right <= a4.width() - 0.5 * centimetre,
                     qPrintable(word.text));
            if (word.top < 1.5 * centimetre)
                QVERIFY2(word.top >= 1.0 * centimetre - 1, qPrintable(word.text));
        }
    }

    // Each report page printed on the recording surface: the grid's face with its stretch, scaled
    // with the columns, and every text that the grid shows whole in its cell printed whole; a
    // text the grid cuts may print cut, never beyond what fits.
    void printsWhatTheGridShowsWhole_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QByteArray>("option");
        // Column 2 this many times as wide: a table wider than the page, printed smaller, with
        // the other columns as tight as they were.
        QTest::addColumn<int>("widen");
        QTest::newRow("statement with goods lines") << 6 << QByteArray("XBStok") << 1;
        QTest::newRow("price list") << 7 << QByteArray("XOGiris2") << 1;
        QTest::newRow("cash of one day") << 8 << QByteArray("XOGunDetay") << 1;
        QTest::newRow("debts and credits") << 9 << QByteArray("XOTumu4") << 1;
        QTest::newRow("VAT") << 10 << QByteArray("XOTumu5") << 1;
        QTest::newRow("stock movements") << 11 << QByteArray("XBStok") << 1;
        QTest::newRow("inventory") << 12 << QByteArray("XOAlis") << 1;
        QTest::newRow("cheques") << 13 << QByteArray("XOTumu8") << 1;
        QTest::newRow("statement, scaled to the page") << 6 << QByteArray("XBStok") << 4;
        QTest::newRow("stock movements, scaled to the page") << 11 << QByteArray("XBStok") << 4;
    }
    void printsWhatTheGridShowsWhole()
    {
        QFETCH(int, page);
        QFETCH(QByteArray, option);
        QFETCH(int, widen);
        EventsWindow env;
        longNamesCompany();
        kx::FMain &w = env.start();
        w.ShowPage(page);
        kx::setFieldValue(w.RX1, option.constData(), 1);
        if (page == 6)
            kx::setFieldIndex(w.RX1, "XCCari", 0);
        if (page == 8)
            kx::setFieldDate(w.RX1, "XDTar3", QStringLiteral("20.03.2024"));
        if (page == 11)
            kx::setFieldIndex(w.RX1, "XCStok", 0);
        w.CMBar_Execute(kx::Command::ShowReport);
        kx::Grid *grid = w.Grid1;
        QVERIFY(grid->Rows() > 1);
        grid->setColumnWidth(2, grid->ColumnWidth(2) * widen);

        kx::RecordingSurface surface;
        const QString title = QStringLiteral("Rapor");
        QVERIFY(kx::PrintShownReport(kx::shownReport(grid), kx::ReportPrintSetup(title), surface));
        QCOMPARE(surface.documents.size(), 1);
        const QList<kx::RecordedText> printed = surface.documents[0];

        // Drawn in order: the title, the column titles, then the cells row by row.
        struct Expected
        {
            QString text;
            bool whole;
        };
        QList<Expected> expected;
        double tableWidth = 0;
        for (int c = 1; c < grid->Cols(); ++c) {
            if (grid->ColumnWidth(c) <= 0)
                continue;
            tableWidth += grid->ColumnWidth(c) * 0.75;
            expected.append({ grid->Cell(0, c).Text(), headerShowsWhole(grid, c) });
        }
        for (int r = 1; r < grid->Rows(); ++r) {
            if (grid->RowHeight(r) <= 0)
                continue;
            for (int c = 1; c < grid->Cols(); c += qMax(1, grid->columnSpan(r - 1, c))) {
                if (!grid->Cell(r, c).Text().isEmpty())
                    expected.append({ grid->Cell(r, c).Text(), gridShowsWhole(grid, r, c) });
            }
        }
        QCOMPARE(printed.size(), expected.size() + 1);
        QCOMPARE(printed[0].text, title);

        const QFont face = kx::gridFont();
        const double centimetre = 72 / 2.54;
        const double room = QPageSize(QPageSize::A4).size(QPageSize::Point).width() - centimetre;
        const double scale = qMin(1.0, room / tableWidth);
        if (widen > 1)
            QVERIFY(scale < 1);
        int whole = 0;
        for (int i = 0; i < expected.size(); ++i) {
            const kx::RecordedText &text = printed[i + 1];
            QCOMPARE(text.family, face.family());
            QCOMPARE(text.stretch, face.stretch());
            QVERIFY(qAbs(text.size - face.pointSizeF() * scale) < 0.01);
            if (expected[i].whole) {
                QCOMPARE(text.text, expected[i].text);
                ++whole;
            } else if (text.text != expected[i].text) {
                QVERIFY2(text.text.endsWith(QChar(0x2026))
                             && expected[i].text.startsWith(text.text.chopped(1)),
                         qPrintable(text.text));
            }
        }
        QVERIFY(whole > expected.size() / 2);
        if (page == 11) {
            // The account's name fills the "Cari" column on screen, whole; so it printed whole.
            QCOMPARE(grid->Cell(1, 3).Text(), QStringLiteral("CARI 00001 TICARET"));
            QVERIFY(gridShowsWhole(grid, 1, 3));
        }
    }

    // Printed on paper (a PDF file, through the painter surface): account names that just fill
    // the "Cari" column in the grid's face print whole on every row, each inside its column at
    // the print's scale. Any other face or stretch cuts them or runs them past the column.
    void longNamesPrintWholeOnPaper_data()
    {
        // Column 2 this many times as wide, as in printsWhatTheGridShowsWhole.
        QTest::addColumn<int>("widen");
        QTest::newRow("full size") << 1;
        QTest::newRow("scaled to the page") << 4;
    }
    void longNamesPrintWholeOnPaper()
    {
        QFETCH(int, widen);
        EventsWindow env;
        const qint64 stock = addStock("S-00001", "VIDA M8 PASLANMAZ CELIK");
        QStringList names;
        for (int i = 50; i < 62; ++i) {
            names << QStringLiteral("CARI %1 TICARET").arg(i, 5, 10, QChar(u'0'));
            const qint64 account = addAccount(QString::number(i), names.last());
            const qint64 note = addDocument(
                { .bmod = 3, .gircik = 1, .cariid = account, .sirano = "1", .btarihi = 20240105 });
            addLine(note, { .stokid = stock, .stokadi = "VIDA M8", .miktar = 1, .inout = "i" });
        }
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::StockMovements);
        kx::setFieldIndex(w.RX1, "XCStok", 0);
        w.CMBar_Execute(kx::Command::ShowReport);
        kx::Grid *grid = w.Grid1;
        grid->setColumnWidth(2, grid->ColumnWidth(2) * widen);
        const int account = 3;
        QCOMPARE(grid->Rows(), int(names.size()) + 2);

        // Where the column lies on paper: after the margin and the shown columns before it, all
        // scaled down with the table when it is wider than the page.
        const double centimetre = 72 / 2.54;
        double tableWidth = 0;
        double before = 0;
        for (int c = 1; c < grid->Cols(); ++c) {
            tableWidth += qMax(0, grid->ColumnWidth(c)) * 0.75;
            if (c < account)
                before += qMax(0, grid->ColumnWidth(c)) * 0.75;
        }
        const double room = QPageSize(QPageSize::A4).size(QPageSize::Point).width() - centimetre;
        const double scale = qMin(1.0, room / tableWidth);
        if (widen > 1)
            QVERIFY(scale < 1);
        const double columnLeft = 0.5 * centimetre + before * scale;
        const double columnRight = columnLeft + grid->ColumnWidth(account) * 0.75 * scale;

        // The names fill the column on screen: whole in the grid's face, cut in its unstretched
        // width.
        QFont unstretched = kx::gridFont();
        unstretched.setStretch(QFont::Unstretched);
        for (int r = 1; r <= names.size(); ++r) {
            QCOMPARE(grid->Cell(r, account).Text(), names[r - 1]);
            QVERIFY(gridShowsWhole(grid, r, account));
            QVERIFY(QFontMetricsF(unstretched, grid).horizontalAdvance(names[r - 1])
                    > grid->ColumnWidth(account));
        }

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("hareketler.pdf"));
        const auto printer = pdfPrinter(pdf);
        QVERIFY(kx::PrintShownReport(kx::shownReport(grid), kx::ReportPrintSetup("Rapor"),
                                     printer.get()));

        // Each name's words in order on its row's line, boxed from the first word's left edge
        // to the last one's right edge.
        const QList<PdfWord> words = pdfWords(pdf);
        for (const QString &name : names) {
            const QStringList parts = name.split(u' ');
            const auto number = std::find_if(words.begin(), words.end(), [&](const PdfWord &word) {
                return word.text == parts[1];
            });
            QVERIFY2(number != words.end(), qPrintable(name));
            QList<PdfWord> line;
            for (const PdfWord &word : words) {
                if (word.page == number->page && qAbs(word.top - number->top) <= 2)
                    line << word;
            }
            std::sort(line.begin(), line.end(),
                      [](const PdfWord &a, const PdfWord &b) { return a.left < b.left; });
            QStringList texts;
            for (const PdfWord &word : line)
                texts << word.text;
            const qsizetype at = texts.indexOf(parts[0]);
            QVERIFY2(at >= 0 && texts.mid(at, parts.size()) == parts,
                     qPrintable(name + QStringLiteral(" printed as: ") + texts.join(u' ')));
            const double left = line[at].left;
            const double right = line[at + parts.size() - 1].right;
            QVERIFY2(left >= columnLeft && right <= columnRight,
                     qPrintable(QStringLiteral("%1: %2 to %3, the column %4 to %5")
                                    .arg(name)
                                    .arg(left)
                                    .arg(right)
                                    .arg(columnLeft)
                                    .arg(columnRight)));
        }
    }

    // An empty report prints nothing and asks for no printer; a printer that cannot print is
    // said once.
    void refusals()
    {
        EventsWindow env;
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::StockInventory);
        int chosen = 0;
        kx::ReportPrinter none { [&] { ++chosen; }, [] { return nullptr; } };
        kx::messageScript().shown.clear();
        kx::PrintReport(w.Grid1, QStringLiteral("x"), none);
        QCOMPARE(chosen, 0);
        QCOMPARE(kx::messageScript().textsOf(QStringLiteral("popup")),
                 QStringList { QStringLiteral("Raporda bilgi yok!") });

        fillInventory(w.Grid1, 1);
        kx::messageScript().shown.clear();
        kx::PrintReport(w.Grid1, QStringLiteral("x"), none);
        QCOMPARE(chosen, 1);
        QCOMPARE(kx::messageScript().textsOf(QStringLiteral("popup")),
                 QStringList { QStringLiteral("Rapor yazdırılamadı! Yazıcıyı kontrol ediniz.") });
    }

    // Ctrl+Y on a report page: the printer choice once, then the report on the printer current
    // after it, under the title of the options the report was built with, not of those changed
    // since.
    void printCommand_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("title");
        QTest::newRow("debts") << 9 << "Borç - Alacak Raporu (Sadece Borçlular)";
        QTest::newRow("statement with a range")
            << 6 << "Birinci Firma - ALICI (1) - Hesap Ekstresi (01.01.2024 - 31.01.2024)";
        QTest::newRow("cheques in cash, hidden ones left out")
            << 13 << "Çek Raporu (Sadece Kasadakiler)";
    }
    void printCommand()
    {
        QFETCH(int, page);
        QFETCH(QString, title);
        EventsWindow env;
        const qint64 account = addAccount("1", "ALICI");
        addAccount("2", "BAYI");
        addDocument({ .bmod = 5, .cariid = account, .btarihi = 20240110, .yekun = "100,00" });
        addCheque(20240101, "CEK-1", "1.250,00", "Kasada");
        addCheque(20240201, "CEK-2", "300,00", "Ciro Edildi");
        kx::FMain &w = env.start();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("rapor.pdf"));
        kx::setCurrentPrinter(pdfPrinter(pdf));

        w.ShowPage(page);
        if (page == 9) {
            kx::setFieldValue(w.RX1, "XOBorclu", 1);
            w.CMBar_Execute(kx::Command::ShowReport);
            kx::setFieldValue(w.RX1, "XOTumu4", 1);
        } else if (page == 13) {
            kx::setFieldValue(w.RX1, "XOKasada", 1);
            w.CMBar_Execute(kx::Command::ShowReport);
            kx::setFieldValue(w.RX1, "XOTumu8", 1);
        } else {
            kx::setFieldIndex(w.RX1, "XCCari", 0);
            kx::setFieldValue(w.RX1, "XBTar1", 1);
            kx::setFieldDate(w.RX1, "XDTarA1", QStringLiteral("01.01.2024"));
            kx::setFieldDate(w.RX1, "XDTarB1", QStringLiteral("31.01.2024"));
            w.CMBar_Execute(kx::Command::ShowReport);
            kx::setFieldIndex(w.RX1, "XCCari", 1);
            kx::setFieldDate(w.RX1, "XDTarB1", QStringLiteral("29.02.2024"));
        }
        QVERIFY(w.Grid1->Rows() > 1);

        int choices = 0;
        {
            PrinterChoiceAnswers tamam;
            kx::messageScript().shown.clear();
            QTest::keyClick(w.Grid1, Qt::Key_Y, Qt::ControlModifier);
            choices = tamam.count();
        }
        kx::setCurrentPrinter(nullptr);

        QCOMPARE(choices, 1);
        QCOMPARE(kx::messageScript().textsOf(QStringLiteral("popup")), QStringList());
        const QList<QStringList> pages = pdfLines(pdf);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0].value(0), title);
        // The title, the column titles and the shown rows.
        int shownRows = 0;
        for (int r = 1; r < w.Grid1->Rows(); ++r)
            shownRows += w.Grid1->RowHeight(r) > 0 ? 1 : 0;
        QCOMPARE(pages[0].size(), shownRows + 2);
        QVERIFY(!pages[0].join(u' ').contains(QStringLiteral("CEK-2")));
        QCOMPARE(pages[0].join(u' ').contains(QStringLiteral("CEK-1")), page == 13);
    }
};

KX_TEST(TestReportPrint)

#include "tst_report_print.moc"
