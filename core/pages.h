// The main window's pages, and the numbers worked out from them.
#pragma once

namespace kx {

// The pages of the main grid, the values of CurrentPage: the two card lists, the three document
// pages and the eight reports in the order of the report panel's option pages.
namespace Page {
enum : int {
    None = 0, // before the first page is picked
    StockList = 1,
    AccountList = 2,
    DeliveryNote = 3,
    Invoice = 4, // an invoice over delivery notes, with no lines of its own
    InvoiceWithLines = 5,
    AccountStatement = 6,
    PriceList = 7,
    CashReport = 8,
    DebtsAndCredits = 9,
    VatReport = 10,
    StockMovements = 11,
    StockInventory = 12,
    Cheques = 13,
};
} // namespace Page

constexpr bool isListPage(int page)
{
    return page == Page::StockList || page == Page::AccountList;
}

constexpr bool isDocumentPage(int page)
{
    return page >= Page::DeliveryNote && page <= Page::InvoiceWithLines;
}

// The two invoice pages, the ones with a totals grid and prices.
constexpr bool isInvoicePage(int page)
{
    return page == Page::Invoice || page == Page::InvoiceWithLines;
}

constexpr bool isReportPage(int page)
{
    return page >= Page::AccountStatement && page <= Page::Cheques;
}

// A report page's place among the eight reports (0 to 7), which is also the number of its
// option page on the report panel.
constexpr int reportIndex(int page)
{
    return page - Page::AccountStatement;
}

} // namespace kx
