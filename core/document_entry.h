// Saving the document entered on a page, and offering its changed prices to the stock cards.
#pragma once

#include "core/document_save.h"
#include "core/panel_fields.h"

namespace kx {

// The checks, the duplicate question, the save in one transaction and, after it, the stock
// warnings, the price offer, the panel defaults, the notice, the printing and the reset.
// Returns true when the document was saved.
bool SaveDocument(const DocumentView &view);

// What the panel and grid of the current page hold, as the save writes it.
DocumentInput readDocument(const DocumentView &view);

// On an invoice page, when the settings ask for it: asks per line whose price differs from
// the card's whether to store the document's price on the card; reloads the stock lists when
// one was stored.
void CheckDocumentPrices(const DocumentView &view);

} // namespace kx
