// Stock inventory: every live card's quantity on hand valued by one of four unit values.
#include "reports/report_pages.h"

#include "core/conversions.h"
#include "core/document_values.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "core/stock_balance.h"

#include <QHash>

namespace kx {

namespace {

// The unit price of each card's newest purchase line: the line of the latest document date,
// and of those the one made last. A line without a price gives 0.
QHash<qint64, double> lastCosts()
{
    const ModuleState &s = state();
    const QString documents = sqlTable(s.TblBelge);
    Recordset rs;
    rs.Open(QStringLiteral("select stokid, birimfiyat from (select l.stokid, l.birimfiyat, "
                           "row_number() over (partition by l.stokid order by d.btarihi desc, "
                           "l.id desc) as newest from ")
                + documents + QStringLiteral(" l join ") + documents
                + QStringLiteral(" d on d.id=l.belgeid where l.inout='i' and l.stokid is not "
                                 "null) where newest=1"),
            *s.Conn);
    const RowArray &rows = rs.rows();
    QHash<qint64, double> costs;
    costs.reserve(rows.recordCount());
    for (int r = 0; r < rows.recordCount(); ++r)
        costs.insert(rows.value(0, r).toLongLong(), amountOf(rows.value(1, r)));
    return costs;
}

struct Purchases
{
    double quantity = 0;
    double value = 0;
};

// The summed quantities and values (quantity times unit price) of each card's purchase lines.
QHash<qint64, Purchases> purchases()
{
    const ModuleState &s = state();
    Recordset rs;
    rs.Open(QStringLiteral("select stokid, sum(miktar), sum(miktar*amount(birimfiyat)) from ")
                + sqlTable(s.TblBelge)
                + QStringLiteral(" where inout='i' and stokid is not null group by stokid"),
            *s.Conn);
    const RowArray &rows = rs.rows();
    QHash<qint64, Purchases> sums;
    sums.reserve(rows.recordCount());
    for (int r = 0; r < rows.recordCount(); ++r)
        sums.insert(rows.value(0, r).toLongLong(),
                    { rows.value(1, r).toDouble(), rows.value(2, r).toDouble() });
    return sums;
}

} // namespace

Report StockInventory(const ReportOptions &o)
{
    const ModuleState &s = state();
    Report report;
    if (s.StokVar != QLatin1String("var"))
        return report;
    const RowArray &cards = s.StokRows;
    const QHash<qint64, StockMovement> movements = stockMovementsOfAll(*s.Conn);
    QHash<qint64, double> costs;
    QHash<qint64, Purchases> bought;
    const bool byCardPrice = o.byPurchasePrice || o.bySalePrice;
    if (!byCardPrice && o.byLastCost)
        costs = lastCosts();
    else if (!byCardPrice && o.byAverageCost)
        bought = purchases();

    double total = 0;
    report.rows.reserve(cards.recordCount() + 1);
    for (int k = 0; k < cards.recordCount(); ++k) {
        const qint64 id = cards.value(0, k).toLongLong();
        // A card without a warning level is counted too: the level only decides a warning.
        const QString quantity = plainNumberText(stockQuantity(cards, k, movements.value(id)));
        QString unit;
        if (o.byPurchasePrice) {
            unit = cards.text(4, k);
        } else if (o.bySalePrice) {
            unit = cards.text(6, k);
        } else if (o.byLastCost) {
            const auto found = costs.constFind(id);
            const double cost = found != costs.cend() ? *found : amountOf(cards.value(4, k));
            unit = FormatNumber(cost, s.PriceFormat);
        } else if (o.byAverageCost) {
            const Purchases sums = bought.value(id);
            // No priced purchase, or quantities that cancel out: the card's purchase price.
            const double cost = sums.value == 0 || sums.quantity == 0 ? amountOf(cards.value(4, k))
                                                                      : sums.value / sums.quantity;
            unit = FormatNumber(cost, s.PriceFormat);
        }
        const QString value = FormatNumber(amountOf(quantity) * amountOf(unit), s.NumberFormat);
        total += amountOf(value);
        ReportRow row;
        row.cells = { cards.text(0, k), cards.text(2, k), quantity, unit, value };
        report.rows.append(row);
    }
    AddReportTotalRow(report,
                      QStringLiteral("Toplam Değer : ") + FormatNumber(total, s.NumberFormat));
    return report;
}

} // namespace kx
