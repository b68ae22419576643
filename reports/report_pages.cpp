// Which report each report page builds.
#include "reports/report_pages.h"

#include "core/pages.h"

namespace kx {

Report BuildReport(int page, const ReportOptions &options)
{
    switch (page) {
    case Page::AccountStatement:
        return AccountStatement(options);
    case Page::PriceList:
        return PriceList(options);
    case Page::CashReport:
        return CashReport(options);
    case Page::DebtsAndCredits:
        return DebtsAndCredits(options);
    case Page::VatReport:
        return VatReport(options);
    case Page::StockMovements:
        return StockMovements(options);
    case Page::StockInventory:
        return StockInventory(options);
    case Page::Cheques:
        return ChequesReport(options);
    default:
        return {};
    }
}

} // namespace kx
