// The thirteen pages of the main grid: columns, titles, widths, tabs, context groups.
#include "app/main_window.h"

#include "app/ribbon_menu.h"
#include "core/conversions.h"
#include "core/document_panels.h"
#include "core/settings_row_map.h"
#include "core/state.h"
#include "platform/grid.h"
#include "platform/ribbon.h"
#include "platform/twips.h"
#include "reports/cheques.h"

#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

namespace kx {

namespace {

struct Column
{
    const char *title;
    int alignment; // -1 none
    int cellType; // -1 none
};

const Column stockColumns[] = {
    { "Stok Kodu", 4, -1 },         { "Stok Adı", 4, -1 },
    { "KDV Oranı (%)", 12, -1 },    { "Alış Fiyatı", 12, -1 },
    { "Uyarı Seviyesi", 12, -1 },   { "Satış Fiyatı", 12, -1 },
    { "Kur Sembolü", 4, -1 },       { "Birimi", 4, -1 },
    { "D.B.Stok Miktarı", 12, -1 }, { "D.B.Envanter Değeri", 12, -1 },
    { "Barkod No", 4, -1 },         { "Garanti Süresi", 4, -1 },
};

const Column accountColumns[] = {
    { "Cari Kodu", 4, -1 },        { "Cari Adı", 4, -1 },         { "Cari Tipi", 4, -1 },
    { "Adres Satırı (1)", 4, -1 }, { "Adres Satırı (2)", 4, -1 }, { "Adres Satırı (3)", 4, -1 },
    { "E-Posta", 4, -1 },          { "Vergi Dairesi", 4, -1 },    { "Vergi Numarası", 12, -1 },
    { "D.B.Borcu", 12, -1 },       { "D.B.Alacağı", 12, -1 },     { "İskonto (%)", 12, -1 },
};

const Column documentColumns[] = {
    { "Dahil", -1, CellTypeCheckBox }, { "Belge", -1, -1 },    { "Tarih", -1, -1 },
    { "Stok Kodu", -1, -1 },           { "Stok Adı", -1, -1 }, { "Miktarı", 14, -1 },
    { "Barkod No", -1, -1 },           { "Seri No", -1, -1 },  { "Birim Fiyatı", 14, -1 },
    { "KDV'siz Fiyat", 14, -1 },       { "Tutar", 14, -1 },    { "Kdv Oranı", 14, -1 },
    { "Kdv Değeri", 14, -1 },
};

// The report pages by reportIndex; the VAT report's rate titles are made at each switch.
const QList<QList<Column>> &reportColumns()
{
    static const QList<QList<Column>> reports = {
        { { "Tarih/Miktar", 6, -1 },
          { "Belge/Ürün", 6, -1 },
          { "Borç/Fiyat", 14, -1 },
          { "Alacak", 14, -1 },
          { "Borç Bakiye", 14, -1 },
          { "Alacak Bakiye", 14, -1 } },
        { { "Stok Kodu", 6, -1 },
          { "Stok Adı", 6, -1 },
          { "Birimi", 6, -1 },
          { "Kur Sembolü", 6, -1 },
          { "Birim Fiyatı", 14, -1 } },
        { { "Tarih", 6, -1 },
          { "Belge", 6, -1 },
          { "Borç", 14, -1 },
          { "Alacak", 14, -1 },
          { "Bakiye", 14, -1 } },
        { { "Cari", 6, -1 }, { "Borcu", 14, -1 }, { "Alacağı", 14, -1 } },
        { { "Tarih", 6, -1 },
          { "Belge", 6, -1 },
          { "G.KDV%", 14, -1 },
          { "G.KDV%", 14, -1 },
          { "G.KDV%", 14, -1 },
          { "Ç.KDV%", 14, -1 },
          { "Ç.KDV%", 14, -1 },
          { "Ç.KDV%", 14, -1 },
          { "Belge Tutarı(G)", 14, -1 },
          { "Belge Tutarı(Ç)", 14, -1 } },
        { { "Tarih", 6, -1 },
          { "Belge", 6, -1 },
          { "Cari", 6, -1 },
          { "Miktar", 14, -1 },
          { "Birim Fiyat", 14, -1 } },
        { { "Stok", 6, -1 },
          { "Stok Miktarı", 14, -1 },
          { "Birim Fiyatı", 14, -1 },
          { "Stok Değeri", 14, -1 } },
        { { "Vade", 6, CellTypeDate },
          { "Çek No", 6, -1 },
          { "Banka / Şube", 6, -1 },
          { "Veren", 6, -1 },
          { "Alan", 6, -1 },
          { "Tutar", 14, -1 },
          { "Durum", 6, -1 } },
    };
    return reports;
}

void writeColumns(Grid *grid, const Column *first, int count)
{
    for (int i = 0; i < count; ++i) {
        const int c = i + 1;
        grid->Cell(0, c).setText(QString::fromUtf8(first[i].title));
        if (first[i].alignment >= 0)
            grid->ColumnAt(c).setAlignment(first[i].alignment);
        if (first[i].cellType >= 0)
            grid->ColumnAt(c).setCellType(first[i].cellType);
    }
}

} // namespace

int tabOfPage(int page)
{
    switch (page) {
    case Page::StockList:
    case Page::AccountList:
        return RecordsTab;
    case Page::DeliveryNote:
        return DeliveryNoteTab;
    case Page::Invoice:
        return InvoiceTab;
    case Page::InvoiceWithLines:
        return InvoiceWithLinesTab;
    default:
        return isReportPage(page) ? ReportTab : -1;
    }
}

// The settings window stores what was typed: a number beyond any screen is cut to a width the
// grid can hold instead of overflowing.
int FMain::storedColumnWidth(int row, int column)
{
    return int(qBound(0.0, numberValue(settingText(state().AyarRows, row, column)), 32767.0));
}

void FMain::ShowPage(int page)
{
    ModuleState &s = state();
    s.CurrentPage = page;
    m_reportPage = Page::None;

    Grid1->setAutoRedraw(false);
    Grid1->setVirtualRows(nullptr);
    Grid1->setRows(1);
    Grid1->setCols(1);
    Grid1->setScrollBarsShown(0);
    Grid1->setColumnWidth(0, 0);
    Grid1->setSelectMode(0);

    if (isListPage(page)) {
        const bool stock = page == Page::StockList;
        TabX->setCurrentIndex(tabOfPage(page));
        Grid1->setCols(19);
        writeColumns(Grid1, stock ? stockColumns : accountColumns, 12);
        // The list pages draw their cells from the loaded rows, never copied into the grid.
        RowArray &rows = stock ? s.StokRows : s.CariRows;
        const QString &loaded = stock ? s.StokVar : s.CariVar;
        if (loaded == QLatin1String("var")) {
            Grid1->setVirtualRows(&rows);
            Grid1->setRows(rows.recordCount() + 1);
            Grid1->Range(1, 0, 1, 18).RangeSelect();
        } else {
            Grid1->setRows(1);
        }
        LabTotal->setText(QStringLiteral("Toplam Kayıt Sayısı : ")
                          + QString::number(Grid1->Rows() - 1));
        for (int c = 13; c <= 18; ++c)
            Grid1->Cell(0, c).setText(
                settingText(s.AyarRows, listColumnsRow(page), freeFieldCaptionColumn(c)));
    } else if (isDocumentPage(page)) {
        TabX->setCurrentIndex(tabOfPage(page));
        Grid1->setCols(page == Page::DeliveryNote ? 9 : 14);
        Grid1->setRows(1);
        writeColumns(Grid1, documentColumns, Grid1->Cols() - 1);
    } else if (isReportPage(page)) {
        setFieldText(RX1, "XTTab", QString::number(reportIndex(page)));
        TabX->setCurrentIndex(tabOfPage(page));
        const QList<Column> &columns = reportColumns().at(reportIndex(page));
        Grid1->setCols(int(columns.size()) + 1);
        writeColumns(Grid1, columns.constData(), int(columns.size()));
        if (page == Page::Cheques) {
            // A cheque's state is one of the five, which the report's filters know.
            Grid1->setColumnItemsOnly(ChequeColumn::State, true);
            // Typed letters find the accounts and states as the forms' lists find them:
            // "ça" the stored CAGLAR, "DIŞ" the state "Dışarıda".
            for (int col : { ChequeColumn::Giver, ChequeColumn::Receiver, ChequeColumn::State })
                Grid1->setColumnTypedFold(col, &UpperAsciiChar);
        }
        if (page == Page::VatReport) {
            const QString rates[]
                = { s.KdvOrani1.toString(), s.KdvOrani2.toString(), s.KdvOrani3.toString() };
            for (int i = 0; i < 3; ++i) {
                Grid1->Cell(0, 3 + i).setText(QStringLiteral("G.KDV%") + rates[i]);
                Grid1->Cell(0, 6 + i).setText(QStringLiteral("Ç.KDV%") + rates[i]);
            }
        }
    }

    // The document pages and the cheques are edited cell by cell.
    if (page < Page::DeliveryNote || (page > Page::InvoiceWithLines && page < Page::Cheques))
        Grid1->setSelectMode(1);

    for (int c = 1; c < Grid1->Cols(); ++c) {
        Grid1->Cell(0, c).setCellAlignment(2);
        Grid1->setColumnWidth(c, storedColumnWidth(columnWidthRow(page), c));
        if (page <= Page::AccountList
            && numberValue(settingText(s.AyarRows, listColumnsRow(page), c)) == 0)
            Grid1->setColumnWidth(c, 0);
        // A barcode or serial entry switched off ("Kapalı", 1) hides its column.
        if (isDocumentPage(page)) {
            const auto switchedOff = [&s](int column) {
                return numberValue(settingText(s.AyarRows, AyarGenel::Id, column)) == 1;
            };
            if (c == s.ColBarkod && switchedOff(AyarGenel::BarcodeEntry))
                Grid1->setColumnWidth(c, 0);
            if (c == s.ColSeriNo && switchedOff(AyarGenel::SerialEntry))
                Grid1->setColumnWidth(c, 0);
        }
    }

    // At least the drawn height, and always enough for the whole panel under the tab row: the
    // tab row here is taller than the one the lengths were drawn for, and the panels' last line
    // (the information line) would be cut.
    const QWidget *tab = TabX->currentWidget();
    const int panelBottom = tab->childrenRect().bottom() + 1;
    const int pane = 4; // the page's frame and a line of air
    TabX->resize(TabX->width(),
                 qMax(twipsToPixels(isDocumentPage(page) ? 3720 : 1200),
                      TabX->tabBar()->sizeHint().height() + panelBottom + pane));
    placeGrid();

    Grid1->setScrollBarsShown(3);
    Grid1->setAutoRedraw(true);
    Grid1->Refresh();

    if (Grid1->isHidden()) {
        Grid1->setVisible(true);
        TabX->setVisible(true);
    }

    // Only the buttons of the list and document pages stay pressed, the current page's alone.
    for (int buttonPage = Page::StockList; buttonPage <= Page::InvoiceWithLines; ++buttonPage) {
        RibbonControl *button = CMBar->CommandById(pageButton(buttonPage));
        if (buttonPage != s.CurrentPage && button->CommandChecked())
            button->setCommandChecked(false);
    }
    if (s.CurrentPage < Page::AccountStatement)
        CMBar->CommandById(pageButton(s.CurrentPage))->setCommandChecked(true);

    if (page < Page::DeliveryNote)
        ShowContextTab(5);
    if (isDocumentPage(page))
        ShowContextTab(6);
    if (page > Page::InvoiceWithLines)
        ShowContextTab(7);

    ResetPanel(documentView());
}

} // namespace kx
