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

// Page 10, "Kdv Raporu": the invoices' VAT by rate, purchases and sales apart, with the column
// sums and one line of input VAT, output VAT and their difference.
Report VatReport(const ReportOptions &options);

// Page 11, "Stok Hareket": the chosen card's goods lines in date order, the range's outsiders
// kept hidden, with the incoming and outgoing quantities of the rows shown.
Report StockMovements(const ReportOptions &options);

// Page 12, "Stok Envanter": every live card's quantity on hand, valued by its purchase or sale
// price, its last cost or its average cost, with the total value.
Report StockInventory(const ReportOptions &options);

// Page 13, "Çekler": the company's cheques by due date, those of other statuses kept hidden,
// the due ones red, with the total of the cheques shown.
Report ChequesReport(const ReportOptions &options);

} // namespace kx
