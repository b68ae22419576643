// Figures of the money reports on the big company.
#pragma once

#include <functional>

namespace kx {
class FMain;
}

namespace kxbench {

// One report figure: page shown, its options chosen by `choose`, then the report run as the
// user runs it (options read, statements, rows written into the grid, painted), timed.
void printReportFigure(kx::FMain &window, int runs, const char *name, int page,
                       const std::function<void()> &choose,
                       const std::function<void(const char *, double)> &print);

// After the document figures: gives the company a statement account with 2,000 documents and
// a working date in the first generated month, starts the shared main window on it, then
// measures each report as the user runs it (options read, statements, rows written into the
// grid, painted): report_statement (the busy account, goods lines on), report_price_list,
// report_cash_month (every month), report_cash_day, report_debts.
void runReportFigures(int runs, const std::function<void(const char *, double)> &print);

} // namespace kxbench
