// The goods lines of a document in the main grid, and its totals.
#pragma once

#include "core/panel_fields.h"

namespace kx {

class Grid;

// Appends the stock line chosen on the panel of page 3 or 5.
void AddDocumentLine(const DocumentView &view);
// Recomputes every line of height 18 and the totals grid of page 4 or 5.
void RecalcDocument(const DocumentView &view);
// True for the VAT mode list position of "Hariç" (prices without VAT); any other position,
// none chosen included, counts as "Dahil".
inline bool vatExcluded(int modeIndex)
{
    return modeIndex == 1;
}
// Recomputes the totals from the discount amount typed into cell (2, 3) of the totals grid.
void RecalcFooter(const DocumentView &view, Grid *totals);
// Labels and zero values of a totals grid.
void SetGridFooter(Grid *totals);
// True when a line's VAT rate text is one of the company's three, the rates an invoice has a
// totals row for.
bool isCompanyVatRate(const QString &rate);

} // namespace kx
