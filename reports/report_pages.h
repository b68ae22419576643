// The reports of the report pages, each built from the options read once from RX.
#pragma once

#include "reports/report.h"

namespace kx {

// Page 6, "Hesap Ekstresi": the chosen account's opening or carried-over balance, its invoices
// and payments in date order (with their goods lines on request), running balances, totals.
Report AccountStatement(const ReportOptions &options);

// Page 7, "Fiyat Listesi": every live stock card with its purchase or sale price, raised or
// reduced by the percentages; built from StokRows alone.
Report PriceList(const ReportOptions &options);

// Page 8, "Kasa Raporu": cash in and out by month, by day of a month, or one day's documents,
// with a running balance from the company's cash amount.
Report CashReport(const ReportOptions &options);

// Page 9, "Borç / Alacak": every live account's balance on its debit or credit side, filtered
// by the chosen option, with the debtors', creditors' and difference totals.
Report DebtsAndCredits(const ReportOptions &options);

} // namespace kx
