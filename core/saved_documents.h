// An account's saved documents: the document key, the list, and the search by series and number.
#pragma once

#include "platform/row_array.h"

#include <QString>

namespace kx {

// A document key is the kind digit followed by the id: kind 3 and id 57 give "357".
QString documentKey(int kind, qint64 id);

struct DocumentKey
{
    int kind = 0; // the first character's number; 0 when it is none
    qint64 id = 0; // the rest's number; 0 when it is none
};
DocumentKey parseDocumentKey(const QString &key);

// The list fields of an account's saved documents, one record each, in id order.
enum SavedListField { ListKey, ListDate, ListText, ListValue, SavedListFields };

// Every document header of the account: key, date as dd.mm.yyyy, series and number with the
// kind label and the note, and the stored total ("-----" for a delivery note). Throws
// DatabaseError.
RowArray accountDocuments(qint64 accountId);

// The account of a document; -1 when the document is gone. Throws DatabaseError.
qint64 documentAccount(qint64 id);

// What the search by series and number shows.
struct FoundDocument
{
    QString key; // empty when nothing was found
    QString account; // "name (code)", "Bulunamadı" when the account card is gone
    QString date;
    QString total; // "0,00" when the document stores none
};

// The document with this series and number, compared as typed; of several, the one saved
// last (the highest id). Throws DatabaseError.
FoundDocument findDocumentByNumber(const QString &series, const QString &number);

// The text that says a picked document is gone.
QString missingDocumentMessage();
// The text that says a document's account card is gone.
QString missingAccountMessage();

} // namespace kx
