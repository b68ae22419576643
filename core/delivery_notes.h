// The open delivery notes of an account on the invoice page, and their lines under them.
#pragma once

#include "core/panel_fields.h"

namespace kx {

constexpr int NoteRowHeight = 17;
constexpr int LineRowHeight = 18;

// Lists the chosen account's free delivery notes of the invoice's direction, in id order.
void LoadOpenDeliveryNotes(const DocumentView &view);
// After the choice cell of note row `row` changed: loads the note's lines under it when it
// reads 1, removes exactly those lines otherwise; then recomputes the document.
void LoadDocumentLines(const DocumentView &view, int row, int col);

} // namespace kx
