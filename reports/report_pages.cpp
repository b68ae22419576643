// Which report each report page builds.
#include "reports/report_pages.h"

namespace kx {

Report BuildReport(int page, const ReportOptions &options)
{
    switch (page) {
    case 6:
        return AccountStatement(options);
    case 7:
        return PriceList(options);
    case 8:
        return CashReport(options);
    case 9:
        return DebtsAndCredits(options);
    case 10:
        return VatReport(options);
    case 11:
        return StockMovements(options);
    case 12:
        return StockInventory(options);
    case 13:
        return ChequesReport(options);
    default:
        return {};
    }
}

} // namespace kx
