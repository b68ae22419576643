// The cheque page: its columns and the states of a cheque, and its save, which rewrites the
// company's cheque table from the page's rows.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace kx {

class Grid;

// The columns of the cheque page's grid; column 0 holds no cheque field.
namespace ChequeColumn {
enum : int {
    DueDate = 1, // "Vade"
    Number = 2, // "Çek No"
    Bank = 3, // "Banka / Şube"
    Giver = 4, // "Veren", an account's list entry or any name
    Receiver = 5, // "Alan", the same
    Amount = 6, // "Tutar"
    State = 7, // "Durum", one of ChequeStates
};
} // namespace ChequeColumn

// The states of a cheque, as stored and as the report's filters name them.
namespace ChequeState {
inline const QString InCash = QStringLiteral("Kasada");
inline const QString Out = QStringLiteral("Dışarıda");
inline const QString Endorsed = QStringLiteral("Ciro Edildi");
inline const QString Collected = QStringLiteral("Tahsil Edildi");
inline const QString Paid = QStringLiteral("Ödendi");
} // namespace ChequeState

// The states in the order the state list offers them; a new cheque is in the first, in cash.
inline const QStringList ChequeStates
    = { ChequeState::InCash, ChequeState::Out, ChequeState::Endorsed, ChequeState::Collected,
        ChequeState::Paid };

// A row of the cheque page holds a cheque unless a report made it a totals or footer row.
bool isChequeRow(const Grid *grid, int row);

// One cheque as the cheque page holds it; row is its grid row, named in a refusal.
struct ChequeRow
{
    int row = 0;
    QString vade; // day.month.year
    QString cekno;
    QString banka;
    QString veren;
    QString alan;
    QString tutar; // as shown
    QString cdurum;
    // A stored cheque: the due date text it was shown with and the stored value behind it,
    // which is saved again as it was while the text stays (also one that is no date).
    bool loaded = false;
    QString loadedVade;
    QVariant storedVade;
};

// The cheque of a grid row of the cheque page, with what its report kept of its due date.
ChequeRow chequeRowOf(Grid *grid, int row);

// Replaces every stored cheque of the company with these, in one transaction, values bound;
// with replaceStored false the stored cheques stay and these are added to them.
// A typed due date that is no calendar date is refused before anything is deleted. Returns an empty
// text when saved, else the message for the user; the stored cheques are then as they were.
QString SaveCheques(const QList<ChequeRow> &cheques, bool replaceStored = true);

} // namespace kx
