// Payments (kind 6): the checks, reading a stored payment back, and the save in one transaction.
#include "core/payments.h"

#include "core/conversions.h"
#include "core/document_values.h"
#include "core/settings_row_map.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/adodb.h"

namespace kx {

PaymentCheck checkPayment(const PaymentInput &input)
{
    if (input.accountId <= 0)
        return { PaymentField::Account, QStringLiteral("Cariyi kontrol edip tekrar deneyiniz!") };
    if (!IsLetterCode(input.series))
        return { PaymentField::Series, QStringLiteral("Geçerli bir seri numarası giriniz!") };
    if (amountOf(input.number) == 0)
        return { PaymentField::Number, QStringLiteral("Geçerli bir sıra numarası giriniz!") };
    if (amountOf(paymentTotal(input.cash, input.cheque)) == 0)
        return { PaymentField::Amount, QStringLiteral("Ödeme miktarı sıfır olmamalıdır!") };
    return {};
}

QString paymentTotal(const QString &cash, const QString &cheque)
{
    return FormatNumber(amountOf(cash) + amountOf(cheque), state().NumberFormat);
}

bool readPayment(qint64 id, StoredPayment *payment)
{
    ModuleState &s = state();
    Recordset &rs = *s.Rs;
    rs.Open(QStringLiteral("select id, cariid, gircik, serino, sirano, btarihi, aciklama, nakit, "
                           "cek from ")
                + sqlTable(s.TblBelge) + QStringLiteral(" where id=? and bmod=6"),
            *s.Conn, { id });
    const bool found = !rs.Eof();
    if (found) {
        payment->id = rs.Fields(0).toLongLong();
        payment->accountId = rs.Fields(1).toLongLong();
        payment->direction = rs.Fields(2).toInt();
        payment->series = rs.Fields(3).toString();
        payment->number = rs.Fields(4).toString();
        payment->date = rs.Fields(5).toLongLong();
        payment->note = rs.Fields(6).toString();
        payment->cash = rs.Fields(7).toString();
        payment->cheque = rs.Fields(8).toString();
    }
    rs.Close();
    return found;
}

qint64 findOtherPayment(const QString &series, const QString &number, qint64 editedId)
{
    ModuleState &s = state();
    Recordset &rs = *s.Rs;
    rs.Open(QStringLiteral("select id from ") + sqlTable(s.TblBelge)
                + QStringLiteral(" where bmod=6 and serino=? and sirano=? and id<>? order by id"),
            *s.Conn, { series, number, editedId });
    const qint64 id = rs.Eof() ? 0 : rs.Fields(0).toLongLong();
    rs.Close();
    return id;
}

SaveOutcome writePayment(const PaymentInput &input, qint64 editedId, qint64 replacedId)
{
    ModuleState &s = state();
    Connection &conn = *s.Conn;
    const QString table = sqlTable(s.TblBelge);
    SaveOutcome outcome;
    try {
        conn.BeginTrans();
        // Only payments are removed here, whatever id is handed in.
        for (const qint64 id : { editedId, replacedId }) {
            if (id > 0)
                conn.Execute(QStringLiteral("delete from ") + table
                                 + QStringLiteral(" where id=? and bmod=6"),
                             { id });
        }
        const QString cash = FormatNumber(amountOf(input.cash), s.NumberFormat);
        const QString cheque = FormatNumber(amountOf(input.cheque), s.NumberFormat);
        conn.Execute(QStringLiteral("insert into ") + table
                         + QStringLiteral(" (cariid,bmod,gircik,serino,sirano,btarihi,aciklama,"
                                          "nakit,cek,yekun) values (?,6,?,?,?,?,?,?,?,?)"),
                     { input.accountId, input.direction, input.series, input.number, input.date,
                       input.note, cash, cheque, paymentTotal(cash, cheque) });
        outcome.documentId = conn.LastInsertId();
        s.FieldValues[AyarGenel::LastPaymentSeries] = input.series;
        ExecUpdate(s.TblAyar, AyarGenel::Id);
        conn.CommitTrans();
        outcome.saved = true;
    } catch (const DatabaseError &) {
        if (conn.InTransaction())
            conn.RollbackTrans();
        s.FieldValues.fill(SkipSlot);
        outcome.documentId = 0;
        outcome.refusal = QStringLiteral("Belge kaydedilemedi!");
    }
    return outcome;
}

} // namespace kx
