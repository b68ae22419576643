// The company's settings rows (TblAyar, read into AyarRows): their ids, the columns read and
// written by name, and the one accessor of a stored setting.
#pragma once

#include "core/document_kinds.h"
#include "core/pages.h"
#include "platform/row_array.h"

#include <QString>

namespace kx {

// Column a<column> of the settings row with id rowId, as AyarRows holds them (field 0 id,
// field 1 nedir, field k + 1 column a<k>; record id - 1). A missing row or a Null reads as "".
inline QString settingText(const RowArray &rows, int rowId, int column)
{
    return rows.text(column + 1, rowId - 1);
}

// The name of column a<column> in SQL text.
inline QString settingColumnName(int column)
{
    return QStringLiteral("a") + QString::number(column);
}

// The database comes with rows 1 to 53; the settings load adds AyarTablolar.
constexpr int DeliveredSettingsRows = 53;

// Rows 1 (AyarStokListesi) and 2 (AyarCariListesi): the list page's columns and the captions of
// its free fields. Columns a1..a18 switch list columns 1..18 (card columns a1..a18) on ("1") or
// off; a19..a24 are the captions of the six free fields, card columns a13..a18.
constexpr int listColumnsRow(int page)
{
    return page;
}
static_assert(listColumnsRow(Page::AccountList) == 2);
constexpr int FirstFreeField = 13; // card column a13
constexpr int FreeFieldCount = 6;
constexpr int freeFieldCaptionColumn(int cardColumn)
{
    return cardColumn + 6;
}

// Row 3, AyarGenel: the document panels' defaults, the VAT rates, the price format and the last
// series of each kind of document.
namespace AyarGenel {
constexpr int Id = 3;
enum : int {
    VatMode = 1, // position in the invoice panels' VAT-mode list: 0 "Dahil", 1 "Hariç"
    BarcodeEntry = 2, // position of the barcode switch: 0 "Açık", 1 "Kapalı"
    SerialEntry = 3, // position of the serial-number switch, the same
    VatRate1 = 4, // the three VAT rates in percent
    VatRate2 = 5,
    VatRate3 = 6,
    PriceFormat = 7, // the format of prices and quantities, "#,##0.00" to "#,##0.00000"
    LastDeliveryNoteSeries = 8,
    LastInvoiceSeries = 9,
    LastInvoiceWithLinesSeries = 10,
    LastPaymentSeries = 11,
};
// The column that keeps the last series of a document kind.
constexpr int lastSeriesColumn(int kind)
{
    return LastDeliveryNoteSeries + kind - DocumentKind::DeliveryNote;
}
static_assert(lastSeriesColumn(DocumentKind::InvoiceWithLines) == LastInvoiceWithLinesSeries);
static_assert(lastSeriesColumn(DocumentKind::Payment) == LastPaymentSeries);
} // namespace AyarGenel

// Rows 4 to 16, AyarSutunGenislik: the widths of a page's grid columns, column a<c> the width of
// grid column c.
constexpr int columnWidthRow(int page)
{
    return page + 3;
}
static_assert(columnWidthRow(Page::StockList) == 4 && columnWidthRow(Page::Cheques) == 16);

// Rows 17 to 52, AyarYazdirma: the print layouts of the three document pages, twelve rows each.
// Layout columns 2 to 7 are the six attributes of a print field's value, in the order the
// settings window shows them under "Y", "S", "Ü", "-->", "K", "B"; columns 8 to 13 the same of
// its caption. Column a<n> of a layout row holds the attribute for print field n.
constexpr int LayoutFirstColumn = 2;
constexpr int LayoutCaptionColumn = 8;
constexpr int LayoutLastColumn = 13;
constexpr int LayoutColumnCount = LayoutLastColumn - LayoutFirstColumn + 1;
constexpr int printLayoutRow(int page, int layoutColumn)
{
    return 17 + LayoutColumnCount * (page - Page::DeliveryNote) + layoutColumn - LayoutFirstColumn;
}
static_assert(printLayoutRow(Page::DeliveryNote, LayoutFirstColumn) == 17);
static_assert(printLayoutRow(Page::Invoice, LayoutFirstColumn) == 29);
static_assert(printLayoutRow(Page::InvoiceWithLines, LayoutLastColumn) == 52);

// Row 53, AyarIzinler: the rights that the main computer grants the other computers.
namespace AyarIzinler {
constexpr int Id = 53;
}
// Its columns a1..a9, by what they guard: "1" grants, "0" refuses (as does any text that does
// not read as a number other than 0).
enum RightColumn {
    RightNewStock = 1,
    RightEditStock = 2,
    RightDeleteStock = 3,
    RightNewCari = 4,
    RightEditCari = 5,
    RightDeleteCari = 6,
    RightSaveDocument = 7,
    RightSavedDocuments = 8,
    RightSettings = 9,
};

// Row 54, AyarTablolar: the stock and account tables each company uses, and two switches.
namespace AyarTablolar {
constexpr int Id = 54;
enum : int {
    // 0 names the first company's table, any other number the second's.
    FirstCompanyStock = 1,
    FirstCompanyAccounts = 2,
    SecondCompanyStock = 3,
    SecondCompanyAccounts = 4,
    PriceWriteBack = 5, // "1": offer to write a document's changed prices to the stock cards
    LowStockWarning = 6, // "1": warn when a stock falls below its warning level
};
// The table choices of company 0 (the first) or 1 (the second, and any later one).
constexpr int stockTableColumn(int company)
{
    return FirstCompanyStock + 2 * company;
}
constexpr int accountTableColumn(int company)
{
    return FirstCompanyAccounts + 2 * company;
}
static_assert(accountTableColumn(1) == SecondCompanyAccounts);
} // namespace AyarTablolar

} // namespace kx
