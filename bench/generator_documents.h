// Benchmark data: the documents and lines of a large company, on top of the generated cards.
#pragma once

#include <QList>
#include <QString>

class QRandomGenerator;

namespace kxbench {

struct DocumentSizes
{
    int documents = 200000;
    int lines = 1000000;
    int openNotes = 500; // free delivery notes of the one account the figures look at
    int accountDocuments = 2000; // documents of the account whose saved documents are listed
    int invoiceLines = 100; // lines of the saved invoice that is opened again
};

struct GeneratedDocuments
{
    qint64 busyAccount = 0; // the account with openNotes free outgoing notes
    qint64 someAccount = 0; // an account with an ordinary share of documents
    qint64 someStock = 0; // a stock card with an ordinary share of lines
    qint64 listedAccount = 0; // the account with accountDocuments documents
    qint64 bigInvoice = 0; // an invoice with its own invoiceLines lines, of listedAccount
};

// Inserts, through the real schema in one transaction, groups of documents as a shop makes
// them: an invoice over three delivery notes, two free notes, three invoices with their own
// lines and a payment, each group for one account; the lines spread over the line-owning
// documents. Then one account gets accountDocuments documents of the same pattern, the last
// an invoice with invoiceLines lines. Needs the logged-in company of BenchData with its cards.
GeneratedDocuments addDocuments(const DocumentSizes &sizes);

// The ids of the live (not deleted) cards of a card table of the set, in id order.
QList<qint64> liveCardIds(const QString &table);

// A day of the generated years 2020 to 2026 as yyyymmdd (days 1 to 28 of a month).
int randomDocumentDate(QRandomGenerator &random);

} // namespace kxbench
