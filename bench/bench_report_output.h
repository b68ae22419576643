// Figures of a shown report's output.
#pragma once

#include <functional>

namespace kxbench {

// export_inventory: the stock inventory of every card (20,000 by default), valued by the
// purchase price and shown in the main grid, saved as a workbook: the shown rows taken from
// the grid and the file written beside its name and renamed onto it.
void runReportOutputFigures(int runs, const std::function<void(const char *, double)> &print);

} // namespace kxbench
