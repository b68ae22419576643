// The main window's pages and the ribbon's command ids, and the numbers worked out from them.
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

// The ids that the ribbon's buttons and the shortcuts carry to the command dispatch.
namespace Command {
enum : int {
    StockList = 101,
    AccountList = 102,
    DeliveryNote = 103,
    Invoice = 104,
    InvoiceWithLines = 105,
    Payment = 106,
    ReportList = 107, // only opens the list of reports
    Settings = 108,
    Help = 109,
    About = 110,
    NewStock = 121,
    NewAccount = 122,
    AccountStatement = 131,
    PriceList = 132,
    CashReport = 133,
    DebtsAndCredits = 134,
    VatReport = 135,
    StockMovements = 136,
    StockInventory = 137,
    Cheques = 138,
    NewCard = 141, // of the kind the list page shows
    EditCard = 142,
    DeleteCard = 143,
    SaveDocument = 151,
    ClearDocument = 152,
    SavedDocuments = 153,
    ShowReport = 161,
    SaveReport = 162,
    PrintReport = 163,
    WarrantyLookup = 171,
    CheckRatesAndVersion = 172,
};
} // namespace Command

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

// The page that a command shows, Page::None for a command that shows none: the buttons 101 to
// 105 show the lists and documents, the report items 131 to 138 the reports.
constexpr int pageOfCommand(int command)
{
    if (command >= Command::StockList && command <= Command::InvoiceWithLines)
        return command - 100;
    if (command >= Command::AccountStatement && command <= Command::Cheques)
        return command - 125;
    return Page::None;
}

// The ribbon button of a list or document page, pressed while its page is shown; the report
// items are never marked.
constexpr int pageButton(int page)
{
    return page + 100;
}

// A report page's place among the eight reports (0 to 7), which is also the number of its
// option page on the report panel.
constexpr int reportIndex(int page)
{
    return page - Page::AccountStatement;
}

static_assert(pageOfCommand(Command::StockList) == Page::StockList);
static_assert(pageOfCommand(Command::InvoiceWithLines) == Page::InvoiceWithLines);
static_assert(pageOfCommand(Command::AccountStatement) == Page::AccountStatement);
static_assert(pageOfCommand(Command::Cheques) == Page::Cheques);
static_assert(pageButton(Page::InvoiceWithLines) == Command::InvoiceWithLines);

} // namespace kx
