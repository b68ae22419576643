// Writing and deleting a document's rows: the header, its lines and the delivery-note links.
#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace kx {

class Connection;

// One goods line as the document grid holds it.
struct DocumentLine
{
    qint64 stockId = 0;
    QString stockName;
    double quantity = 0;
    QString price; // unit price text (invoices)
    QString vatRate; // VAT rate text (invoices)
    QString serial;
    // Invoice over delivery notes: the note line shown under a chosen note.
    qint64 lineId = 0;
    qint64 noteId = 0;
};

// What the panel and grid of a document page hold when it is saved.
struct DocumentInput
{
    int kind = 0; // 3 delivery note, 4 invoice over notes, 5 invoice with lines
    qint64 accountId = 0;
    int direction = 0;
    QString series;
    QString number;
    qint64 documentDate = 0;
    qint64 dispatchDate = 0;
    QString note;
    int vatMode = 0;
    QString kdv1;
    QString kdv2;
    QString kdv3;
    QString discount;
    QString grandTotal;
    QList<DocumentLine> lines;
    QList<qint64> deliveryNotes; // kind 4: the chosen notes
};

struct SaveOutcome
{
    bool saved = false;
    qint64 documentId = 0;
    QString refusal; // a Turkish message when the save was refused or failed
};

// "i" when the document's lines bring stock in, else "o".
QString stockDirection(const DocumentInput &input);

// The id of an older document of this kind with the same series and number, else 0.
qint64 findDuplicateDocument(Connection &conn, const QString &table, int kind,
                             const QString &series, const QString &number);

// The whole save in one transaction: the replaced document's delete (replaceId > 0), the
// header, the lines and the links. A new line takes the service log of the replaced line
// with the same serial. Any failure rolls all of it back.
SaveOutcome writeDocument(Connection &conn, const QString &table, const DocumentInput &input,
                          qint64 replaceId);

// Why a document may not be deleted or replaced (a delivery note that an invoice has taken
// over); empty when it may.
QString deleteRefusal(Connection &conn, const QString &table, qint64 id, int kind);

// Deletes a document with its lines, or frees the delivery notes of an invoice, in one
// transaction. Returns the refusal text, empty on success.
QString deleteDocumentRows(Connection &conn, const QString &table, qint64 id, int kind);

// The same on Conn and TblBelge, reporting a refusal to the user; true when deleted.
bool DeleteDocument(const QVariant &id, const QVariant &kind);

} // namespace kx
