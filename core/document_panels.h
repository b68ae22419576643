// Preparing the panels at start-up and putting a page's panel back to a new document.
#pragma once

#include "core/panel_fields.h"
#include "platform/row_array.h"

#include <QDate>

namespace kx {

// Start-up: formats, rates, column numbers, print-field names, the month list and the panels'
// account and stock lists (emptied first, so a second start-up does not double them).
// `today` is the calendar day the month list runs up to.
void FillPanelLists(const DocumentView &view, const QDate &today = QDate::currentDate());

// The month list entries from the working date's month up to today's month; a working date
// in a later month than today gives that month alone, and one that names no month (empty,
// zero) today's month alone.
QStringList cashMonthEntries(const QVariant &workDate, const QDate &today);

// The panel of the current page back to the defaults of a new document, or a report page
// back to its default options; empties the document grid.
void ResetPanel(const DocumentView &view, const QDate &today = QDate::currentDate());

// The document grid's column numbers and the money format, as the start-up sets them.
void SetDocumentColumns();

// The stock lists of the panels filled again from the live stock rows, so that entry i is row
// i; nothing is chosen afterwards.
void FillStockLists(const DocumentView &view);

// The list entry of a card: name, blank, code in parentheses.
QString cardEntry(const RowArray &rows, int record);
// The entries of every record of rows, in record order.
QStringList cardEntries(const RowArray &rows);

} // namespace kx
