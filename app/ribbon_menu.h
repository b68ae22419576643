// The main window's ribbon: its command ids, tab, groups, status panes and shortcuts.
#pragma once

#include "core/pages.h"

#include <QIcon>
#include <QString>

namespace kx {

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

static_assert(pageOfCommand(Command::StockList) == Page::StockList);
static_assert(pageOfCommand(Command::InvoiceWithLines) == Page::InvoiceWithLines);
static_assert(pageOfCommand(Command::AccountStatement) == Page::AccountStatement);
static_assert(pageOfCommand(Command::Cheques) == Page::Cheques);
static_assert(pageButton(Page::InvoiceWithLines) == Command::InvoiceWithLines);

class Ribbon;
class RibbonStatusBar;

// The rate pane's text before the first check.
inline const QString RatePlaceholder
    = QStringLiteral("($) : 0,0000 / 0,0000      (€) : 0,0000 / 0,0000");

// Builds the ribbon CMBar and the status bar once, when the main window loads; sets RibbonBar.
void BuildMenu(Ribbon *CMBar, RibbonStatusBar *statusBar);

// Shows context group n (5, 6 or 7) and hides the other two.
void ShowContextTab(int n);

// The program's own drawn icon of a command id.
QIcon commandIcon(int id);

} // namespace kx
