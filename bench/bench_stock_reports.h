// Figures of the VAT, stock and cheque reports on the big company.
#pragma once

#include <functional>

namespace kxbench {

// After the document figures: gives the company a stock card with 5,000 lines and 5,000
// cheques, starts the shared main window, then measures each report as the user runs it
// (options read, statements, rows written into the grid, painted): report_vat_year (one year
// of invoices), report_stock_movements (the busy card), report_inventory_purchase,
// report_inventory_sale, report_inventory_last, report_inventory_average, report_cheques.
void runStockReportFigures(int runs, const std::function<void(const char *, double)> &print);

} // namespace kxbench
