// The goods lines of a document in the main grid, and its totals.
#include "core/document_lines.h"

#include "core/delivery_notes.h"

#include "core/document_values.h"
#include "core/messages.h"
#include "core/pages.h"
#include "core/state.h"
#include "platform/grid.h"

namespace kx {

namespace {

double cellAmount(Grid *grid, int row, int col)
{
    return amountOf(grid->Cell(row, col).Text());
}

QString money(double value)
{
    return FormatNumber(value, state().NumberFormat);
}

QString price(double value)
{
    return FormatNumber(value, state().PriceFormat);
}

// The totals row (4, 5 or 6) a line's rate text belongs to, 0 for none. Equal company rates
// take a line under the first of them only.
int rateRow(const QString &rate)
{
    const ModuleState &s = state();
    if (rate == s.KdvOrani1.toString())
        return 4;
    if (rate == s.KdvOrani2.toString())
        return 5;
    if (rate == s.KdvOrani3.toString())
        return 6;
    return 0;
}

// VAT per totals row (index 4..6) and the VAT of lines whose rate is none of the company's
// (index 0), from the lines' VAT amounts or from their net amounts.
struct VatSums
{
    double sums[7] = {};
};

VatSums sumVat(Grid *grid, bool fromLineAmounts)
{
    const ModuleState &s = state();
    VatSums vat;
    for (int r = 1; r < grid->Rows(); ++r) {
        if (fromLineAmounts && grid->RowHeight(r) != LineRowHeight)
            continue;
        const QString rate = grid->Cell(r, s.ColKdvOrani).Text();
        const int row = rateRow(rate);
        if (fromLineAmounts) {
            const double amount = cellAmount(grid, r, s.ColTutar);
            vat.sums[row] += amount / 100 * amountOf(rate);
        } else {
            vat.sums[row] += cellAmount(grid, r, s.ColKdvTutari);
        }
    }
    return vat;
}

// The grand total: subtotal, the three VAT rows and any VAT of lines at other rates, so that
// no VAT that a line shows is left out of it.
QString grandTotal(Grid *totals, double otherVat)
{
    double sum = otherVat;
    for (int row = 3; row <= 6; ++row)
        sum += cellAmount(totals, row, 3);
    return money(sum);
}

} // namespace

bool isCompanyVatRate(const QString &rate)
{
    return rateRow(rate) != 0;
}

void AddDocumentLine(const DocumentView &view)
{
    ModuleState &s = state();
    const int page = s.CurrentPage;
    // Only the pages with goods lines of their own take a line from their panel.
    const bool ownLines = page == Page::DeliveryNote || page == Page::InvoiceWithLines;
    QObject *panel = ownLines ? view.panelOfPage(page) : nullptr;
    Grid *grid = view.Grid1;
    if (!panel || !grid)
        return;

    const int stockIndex = fieldIndex(panel, "XCStok");
    if (stockIndex < 0 || s.StokVar != QLatin1String("var")) {
        ShowSystemMessage(QStringLiteral("Eklemek istediğiniz stoğu seçiniz!"), IconError);
        focusField(panel, "XTAciklama");
        return;
    }
    // A line of no goods or of negative goods would turn the stock direction around.
    const double quantity = amountOf(fieldText(panel, "XTMiktar"));
    if (quantity <= 0) {
        ShowSystemMessage(QStringLiteral("Ürün miktarını giriniz!"), IconError);
        setFieldText(panel, "XTMiktar", QString());
        focusField(panel, "XCStok");
        return;
    }

    grid->setAutoRedraw(false);
    grid->setRows(grid->Rows() + 1);
    const int r = grid->Rows() - 1;
    grid->setRowHeight(r, LineRowHeight);
    const RowArray &stock = s.StokRows;
    grid->Cell(r, 1).setText(QStringLiteral("1"));
    grid->Cell(r, 0).setText(stock.text(0, stockIndex));
    grid->Cell(r, 4).setText(stock.text(1, stockIndex));
    grid->Cell(r, 5).setText(stock.text(2, stockIndex));
    grid->Cell(r, s.ColMiktar).setText(plainNumberText(quantity));
    grid->Cell(r, s.ColBarkod).setText(fieldText(panel, "XTBarkod"));
    grid->Cell(r, s.ColSeriNo).setText(fieldText(panel, "XTSerial"));
    if (page == Page::InvoiceWithLines) {
        grid->Cell(r, s.ColFiyat).setText(price(amountOf(fieldText(panel, "XTFiyat"))));
        grid->Cell(r, s.ColKdvOrani).setText(stock.text(3, stockIndex));
        grid->Range(r, s.ColKdvsizFiyat, r, s.ColKdvTutari).setLocked(true);
    }
    grid->setAutoRedraw(true);
    grid->Refresh();

    if (page == Page::InvoiceWithLines)
        RecalcDocument(view);

    setFieldText(panel, "XTBarkod", QString());
    setFieldText(panel, "XTSerial", QString());
    setFieldIndex(panel, "XCStok", -1);
    setFieldText(panel, "XCStok", QString());
    setFieldText(panel, "XTMiktar", QStringLiteral("1"));
    if (page == Page::InvoiceWithLines)
        setFieldText(panel, "XTFiyat", price(0));
    focusField(panel, "XTAciklama");
}

void RecalcDocument(const DocumentView &view)
{
    const ModuleState &s = state();
    QObject *panel = isInvoicePage(s.CurrentPage) ? view.panelOfPage(s.CurrentPage) : nullptr;
    Grid *totals = view.totalsOfPage(s.CurrentPage);
    Grid *grid = view.Grid1;
    if (!panel || !totals || !grid)
        return;

    const double i1 = amountOf(fieldText(panel, "XTIsk1"));
    const double i2 = amountOf(fieldText(panel, "XTIsk2"));
    const double i3 = amountOf(fieldText(panel, "XTIsk3"));
    const bool excluded = vatExcluded(fieldIndex(panel, "XCKdv"));
    // A bulk fill of the grid is running.
    if (!grid->AutoRedraw())
        return;
    grid->setAutoRedraw(false);

    for (int r = 1; r < grid->Rows(); ++r) {
        if (grid->RowHeight(r) != LineRowHeight)
            continue;
        const double q = cellAmount(grid, r, s.ColMiktar);
        const double k = cellAmount(grid, r, s.ColKdvOrani);
        if (q <= 0) {
            grid->Cell(r, s.ColKdvsizFiyat).setText(QStringLiteral("0,00"));
            grid->Cell(r, s.ColTutar).setText(QStringLiteral("0,00"));
            grid->Cell(r, s.ColKdvTutari).setText(QStringLiteral("0,00"));
        } else if (excluded) {
            grid->Cell(r, s.ColKdvsizFiyat).setText(price(cellAmount(grid, r, s.ColFiyat)));
            const double n = cellAmount(grid, r, s.ColKdvsizFiyat);
            grid->Cell(r, s.ColTutar).setText(money(q * n));
            const double t = cellAmount(grid, r, s.ColTutar);
            grid->Cell(r, s.ColKdvTutari).setText(money(t / 100 * k));
        } else {
            const double p = cellAmount(grid, r, s.ColFiyat);
            const double g = q * p;
            const double v = g / (100 + k) * k;
            const double net = g - v;
            grid->Cell(r, s.ColKdvsizFiyat).setText(price(net / q));
            grid->Cell(r, s.ColTutar).setText(money(net));
            grid->Cell(r, s.ColKdvTutari).setText(money(g - net));
        }
    }

    double total = 0;
    for (int r = 1; r < grid->Rows(); ++r) {
        if (grid->RowHeight(r) == LineRowHeight)
            total += cellAmount(grid, r, s.ColTutar);
    }
    const VatSums vat = sumVat(grid, true);
    const double discount
        = i1 + i2 * (100 - i1) / 100 + i3 * ((100 - i1) - i2 * (100 - i1) / 100) / 100;

    totals->setAutoRedraw(false);
    totals->Cell(1, 3).setText(money(total));
    totals->Cell(2, 3).setText(money(total / 100 * discount));
    const double d = cellAmount(totals, 2, 3);
    totals->Cell(3, 3).setText(money(total - d));
    for (int row = 4; row <= 6; ++row)
        totals->Cell(row, 3).setText(money(vat.sums[row] - vat.sums[row] / 100 * discount));
    const double otherVat = vat.sums[0] - vat.sums[0] / 100 * discount;
    totals->Cell(7, 3).setText(grandTotal(totals, amountOf(money(otherVat))));
    totals->setAutoRedraw(true);
    totals->Refresh();

    grid->setAutoRedraw(true);
    grid->Refresh();
}

void RecalcFooter(const DocumentView &view, Grid *totals)
{
    Grid *grid = view.Grid1;
    if (!grid || !totals)
        return;
    const double total = cellAmount(totals, 1, 3);
    const double d = cellAmount(totals, 2, 3);
    totals->Cell(3, 3).setText(money(total - d));
    const VatSums vat = sumVat(grid, false);
    const double share = total > 0 ? d * 100 / total : 0;
    for (int row = 4; row <= 6; ++row) {
        const double sum = vat.sums[row];
        totals->Cell(row, 3).setText(sum > 0 ? money((100 - share) * sum / 100)
                                             : QStringLiteral("0,00"));
    }
    const double otherVat = vat.sums[0] > 0 ? (100 - share) * vat.sums[0] / 100 : 0;
    totals->Cell(7, 3).setText(grandTotal(totals, amountOf(money(otherVat))));
}

void SetGridFooter(Grid *totals)
{
    if (!totals)
        return;
    const ModuleState &s = state();
    totals->setAutoRedraw(false);
    if (totals->Rows() < 8)
        totals->setRows(8);
    if (totals->Cols() < 4)
        totals->setCols(4);
    totals->setColumnWidth(0, 0);
    totals->setColumnWidth(1, 70);
    totals->setColumnWidth(2, 7);
    totals->setColumnWidth(3, 74);
    totals->setColumnAlignment(3, 14);
    totals->setRowHeight(0, 0);
    totals->Range(1, 1, 7, 1).setFontBold(true);
    const QString labels[] = { QStringLiteral("Tutar"),
                               QStringLiteral("İskonto"),
                               QStringLiteral("Ara Toplam"),
                               QStringLiteral("KDV (%") + s.KdvOrani1.toString() + ')',
                               QStringLiteral("KDV (%") + s.KdvOrani2.toString() + ')',
                               QStringLiteral("KDV (%") + s.KdvOrani3.toString() + ')',
                               QStringLiteral("Yekün") };
    for (int row = 1; row <= 7; ++row) {
        totals->Cell(row, 1).setText(labels[row - 1]);
        totals->Cell(row, 2).setText(QStringLiteral(":"));
        totals->Cell(row, 3).setText(QStringLiteral("0,00"));
    }
    GridRange body = totals->Range(1, 1, 7, 3);
    body.setBackColor(totals->BackColorBkg());
    body.setLocked(true);
    totals->Cell(2, 3).setLocked(false);
    totals->Cell(2, 3).setBackColor(QColor(0xFF, 0xFF, 0xFF));
    totals->setAutoRedraw(true);
    totals->Refresh();
}

} // namespace kx
