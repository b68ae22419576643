// Stock on hand of one card, with the low-stock warning.
#include "core/stock_balance.h"

#include "core/document_values.h"
#include "core/messages.h"
#include "core/sql_builders.h"
#include "core/state.h"

namespace kx {

QVariant StockOnHand(const QVariant &stockId, bool warn)
{
    ModuleState &s = state();
    const QVariant found = FindListIndex(QStringLiteral("S"), stockId);
    if (!found.isValid())
        return {};
    const int row = found.toInt();
    const RowArray &cards = s.StokAllRows;
    const QVariant warningLevel = cards.value(5, row);
    if (warningLevel.isNull())
        return {};
    if (cards.text(1, row) == QLatin1String("BARKOD") && cards.text(2, row) == QLatin1String("BARKOD"))
        return 0.0;

    // Both directions in one read; miktar is a number column.
    Recordset &rs = *s.Rs2;
    rs.Open(QStringLiteral("select sum(case when inout='i' then miktar else 0 end) as girenx,"
                           " sum(case when inout='o' then miktar else 0 end) as cikanx from ")
                + sqlTable(s.TblBelge) + QStringLiteral(" where stokid=?"),
            *s.Conn2, {qint64(numberValue(stockId.toString()))});
    const double incoming = rs.Fields(0).isNull() ? 0 : rs.Fields(0).toDouble();
    const double outgoing = rs.Fields(1).isNull() ? 0 : rs.Fields(1).toDouble();
    rs.Close();
    const double onHand = amountOf(cards.value(9, row)) + incoming - outgoing;

    if (warn && onHand < amountOf(warningLevel)
        && numberValue(s.AyarRows.text(7, 53)) == 1) {
        ShowNotice(cards.text(2, row)
                   + QStringLiteral(" için belirlemiş olduğunuz stok uyarı limitinin altına "
                                    "inilmiştir!\nStoktaki Miktar : ")
                   + plainNumberText(onHand));
    }
    return onHand;
}

} // namespace kx
