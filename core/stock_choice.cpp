// What a stock choice on a document panel reads from the live stock rows.
#include "core/stock_choice.h"

#include "core/conversions.h"
#include "core/state.h"

namespace kx {

namespace {
constexpr int PurchasePriceField = 4;
constexpr int SalePriceField = 6;
constexpr int BarcodeField = 11;
} // namespace

int findBarcodeRecord(const QString &barcode)
{
    const ModuleState &s = state();
    if (barcode.isEmpty() || s.StokVar != QLatin1String("var")
        || s.StokRows.fieldCount() <= BarcodeField)
        return -1;
    const QList<QVariant> &barcodes = s.StokRows.field(BarcodeField);
    for (int i = 0; i < barcodes.size(); ++i) {
        const QVariant &value = barcodes.at(i);
        if (!value.isNull() && value.toString() == barcode)
            return i;
    }
    return -1;
}

QString priceForDirection(int record, int direction)
{
    const bool incoming = direction == 1 || direction == 3;
    return state().StokRows.text(incoming ? PurchasePriceField : SalePriceField, record);
}

QString stockInfoText(int record, const QVariant &onHand)
{
    const ModuleState &s = state();
    const QString quantity = onHand.isNull() ? QString() : plainNumberText(onHand.toDouble());
    auto price = [&](int field) {
        return FormatNumber(ParseAmount(s.StokRows.value(field, record)).toDouble(), s.PriceFormat);
    };
    return QStringLiteral("Stok (") + quantity
        + QStringLiteral(")       Sat\u0131\u015F / Al\u0131\u015F : ") + price(SalePriceField)
        + QStringLiteral(" / ") + price(PurchasePriceField);
}

} // namespace kx
