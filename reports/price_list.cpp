// The price list: every live stock card with one unit price, raised or reduced.
#include "reports/report_pages.h"

#include "core/document_values.h"
#include "core/state.h"

namespace kx {

Report PriceList(const ReportOptions &o)
{
    const ModuleState &s = state();
    Report report;
    if (s.StokVar != QLatin1String("var"))
        return report;
    const RowArray &cards = s.StokRows;
    // The two percentages act on the base price side by side.
    const double raise = o.raise ? amountOf(o.raiseText) : 0;
    const double reduce = o.reduce ? amountOf(o.reduceText) : 0;
    const int priceField = o.purchasePrice ? 4 : 6;
    report.rows.reserve(cards.recordCount());
    for (int k = 0; k < cards.recordCount(); ++k) {
        const double base = amountOf(cards.value(priceField, k));
        const double price = base + base / 100 * raise - base / 100 * reduce;
        ReportRow row;
        row.cells = { QString(),        cards.text(1, k), cards.text(2, k),
                      cards.text(8, k), cards.text(7, k), FormatNumber(price, s.PriceFormat) };
        report.rows.append(row);
    }
    return report;
}

} // namespace kx
