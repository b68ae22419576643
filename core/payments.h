// Payments (kind 6): the checks, reading a stored payment back, and the save in one transaction.
#pragma once

#include "core/document_save.h"

#include <QString>

namespace kx {

// What the payment form holds when it is saved.
struct PaymentInput
{
    qint64 accountId = 0; // 0: no account chosen
    int direction = 0; // 0 "Tahsilat", 1 "Tediye"
    QString series;
    QString number;
    qint64 date = 0; // yyyymmdd
    QString note;
    QString cash;
    QString cheque;
};

// The field a failed check sends the user back to.
enum class PaymentField { None, Account, Series, Number, Amount };

struct PaymentCheck
{
    PaymentField field = PaymentField::None;
    QString message;
};

// The first failing check, in the order account, series, number, amount; field None when all
// pass.
PaymentCheck checkPayment(const PaymentInput &input);

// Cash plus cheque as amount text: the total a payment shows and stores.
QString paymentTotal(const QString &cash, const QString &cheque);

// A payment stored in TblBelge.
struct StoredPayment
{
    qint64 id = 0;
    qint64 accountId = 0;
    int direction = 0;
    QString series;
    QString number;
    qint64 date = 0;
    QString note;
    QString cash;
    QString cheque;
};

// The payment with this id; false when there is none (deleted meanwhile, or not a payment).
// Throws DatabaseError.
bool readPayment(qint64 id, StoredPayment *payment);

// The first other payment that holds this series and number; the payment being edited
// (editedId) does not count. 0 when there is none. Throws DatabaseError.
qint64 findOtherPayment(const QString &series, const QString &number, qint64 editedId);

// In one transaction on Conn: the edited payment (editedId) and the replaced one (replacedId)
// go, the payment is inserted, and its series is remembered in settings row 3 (a11). Either
// id may be 0. On any failure nothing is changed and the refusal says so.
SaveOutcome writePayment(const PaymentInput &input, qint64 editedId, qint64 replacedId);

} // namespace kx
