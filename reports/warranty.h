// The warranty lookup "Garanti Takibi": a sold item found by its serial number, its sale,
// warranty and service log, and a dated service note added to it.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace kx {

// What one serial number leads to: the first line that carries it (lowest id) with its
// document, account and card, and every line that carries exactly that serial.
struct WarrantyRecord
{
    QList<qint64> lineIds; // in id order; empty when the serial was not found
    QString account; // account name; empty when the document or the account is missing
    QString date; // document date, day.month.year; empty without a document
    QString stock; // stock name; empty when the card is missing
    QString price; // the line's unit price as stored
    QString vatRate; // the line's VAT rate as stored
    bool vatIncluded = false; // the document's prices include VAT
    QString warranty; // the card's warranty period
    QString log; // the first line's service log

    bool found() const { return !lineIds.isEmpty(); }
};

// The lines whose serial equals `serial` exactly (case counts, nothing trimmed). An empty or
// blank serial finds nothing: lines without a serial are stored with an empty one. Throws
// DatabaseError.
WarrantyRecord FindSerial(const QString &serial);

// The text of the lookup's question box, without the question itself.
QString WarrantyText(const WarrantyRecord &record);

// The line a service note adds to a log: CR LF, the time, " - " and the note.
QString ServiceLogLine(const QString &note, const QDateTime &time);

// Appends the note's line to the own log of every line of the record, in one statement.
// Returns the number of lines changed. Throws DatabaseError.
int AddServiceNote(const WarrantyRecord &record, const QString &note,
                   const QDateTime &time = QDateTime::currentDateTime());

// The whole lookup: asks for the serial, shows what was found and, on Yes, asks for a note
// and adds it.
void WarrantyLookup();

} // namespace kx
