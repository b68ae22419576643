// Bringing a saved delivery note or invoice back into its page as it was saved.
#pragma once

#include "core/panel_fields.h"

#include <QString>
#include <QVariant>

namespace kx {

// The header of a saved document as its page shows it.
struct SavedHeader
{
    qint64 id = 0;
    int kind = 0;
    qint64 accountId = 0;
    bool accountLive = false; // the account card exists and is not deleted
    int direction = 0;
    QString series;
    QString number;
    QVariant date;
    QVariant dispatchDate;
    QString note;
    int vatMode = 0;
    // The totals as saved (invoices): discount, VAT of the three rates, grand total.
    QString discount;
    QString kdv1;
    QString kdv2;
    QString kdv3;
    QString grandTotal;
};

// The header of document id; false when it is gone. Throws DatabaseError.
bool readSavedHeader(qint64 id, SavedHeader *header);

// Fills the panel and grid of the current page, which ShowPage has just set to the header's
// kind (3, 4 or 5) and cleared: the header fields, the account (record `account` of CariRows,
// whose choice raises the panel's account event), the goods lines, or on the invoice over
// delivery notes the notes it took over, ticked at the top with their lines; then the lines
// recomputed and the totals as stored. Throws DatabaseError.
void LoadSavedDocument(const DocumentView &view, const SavedHeader &header, int account);

} // namespace kx
