// Writing and deleting a document's rows: the header, its lines and the delivery-note links.
#include "core/document_save.h"

#include "core/document_kinds.h"
#include "core/document_values.h"
#include "core/messages.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/adodb.h"

#include <QHash>

namespace kx {

namespace {

QString documentNumber(const QVariant &series, const QVariant &number)
{
    return series.toString() + number.toString();
}

// The rows of one document go, without a transaction of their own.
void deleteRows(Connection &conn, const QString &table, qint64 id, int kind)
{
    conn.Execute(QStringLiteral("delete from ") + sqlTable(table) + QStringLiteral(" where id=?"),
                 { id });
    if (kind == DocumentKind::DeliveryNote || kind == DocumentKind::InvoiceWithLines)
        conn.Execute(QStringLiteral("delete from ") + sqlTable(table)
                         + QStringLiteral(" where belgeid=?"),
                     { id });
    else
        conn.Execute(QStringLiteral("update ") + sqlTable(table)
                         + QStringLiteral(" set ftrdrm=0 where ftrdrm=?"),
                     { id });
}

// A chosen delivery note may be linked only while it is free and goes the invoice's way.
QString linkRefusal(Connection &conn, const QString &table, qint64 noteId,
                    const DocumentInput &input)
{
    Recordset rs;
    rs.Open(QStringLiteral("select bmod, gircik, cariid, ftrdrm, serino, sirano from ")
                + sqlTable(table) + QStringLiteral(" where id=?"),
            conn, { noteId });
    if (rs.Eof() || rs.Fields(0).toInt() != DocumentKind::DeliveryNote)
        return QStringLiteral("Seçilen irsaliye bulunamadı! Listeyi yenileyip tekrar deneyiniz.");
    const QString name = documentNumber(rs.Fields(4), rs.Fields(5));
    if (!rs.Fields(3).isNull() && rs.Fields(3).toLongLong() != 0)
        return name
            + QStringLiteral(" numaralı irsaliye başka bir faturaya aktarılmış! "
                             "Listeyi yenileyip tekrar deneyiniz.");
    if (rs.Fields(1).toInt() != input.direction % 2 || rs.Fields(2).toLongLong() != input.accountId)
        return name + QStringLiteral(" numaralı irsaliye bu faturanın cari ve yönüyle uyuşmuyor!");
    return {};
}

// The service logs of a replaced document's lines by serial, the lowest id's where several
// lines share one. The column's collation ignores case, so the serials are matched here, as
// the warranty lookup matches them: exact text, an empty serial matching nothing.
QHash<QString, QVariant> serviceLogs(Connection &conn, const QString &table, qint64 id)
{
    Recordset rs;
    rs.Open(QStringLiteral("select serial, islem from ") + sqlTable(table)
                + QStringLiteral(" where belgeid=? order by id"),
            conn, { id });
    const RowArray rows = rs.GetRows();
    rs.Close();
    QHash<QString, QVariant> logs;
    for (int r = 0; r < rows.recordCount(); ++r) {
        const QString serial = rows.text(0, r);
        if (!serial.isEmpty() && !logs.contains(serial))
            logs.insert(serial, rows.value(1, r));
    }
    return logs;
}

void insertHeader(Connection &conn, const QString &table, const DocumentInput &input)
{
    if (input.kind == DocumentKind::DeliveryNote) {
        conn.Execute(QStringLiteral("insert into ") + sqlTable(table)
                         + QStringLiteral(" (cariid,bmod,gircik,serino,sirano,btarihi,fstarihi,"
                                          "aciklama,ftrdrm) values (?,3,?,?,?,?,?,?,0)"),
                     { input.accountId, input.direction, input.series, input.number,
                       input.documentDate, input.dispatchDate, input.note });
        return;
    }
    conn.Execute(QStringLiteral("insert into ") + sqlTable(table)
                     + QStringLiteral(" (cariid,bmod,gircik,serino,sirano,btarihi,fstarihi,"
                                      "aciklama,kdvdh,kdv1,kdv2,kdv3,iskonto,yekun) values "
                                      "(?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                 { input.accountId, input.kind, input.direction, input.series, input.number,
                   input.documentDate, input.dispatchDate, input.note, input.vatMode, input.kdv1,
                   input.kdv2, input.kdv3, input.discount, input.grandTotal });
}

} // namespace

QString stockDirection(const DocumentInput &input)
{
    const bool incoming = input.kind == DocumentKind::DeliveryNote
        ? input.direction == 1
        : (input.direction == 1 || input.direction == 3);
    return incoming ? QStringLiteral("i") : QStringLiteral("o");
}

qint64 findDuplicateDocument(Connection &conn, const QString &table, int kind,
                             const QString &series, const QString &number)
{
    Recordset rs;
    rs.Open(QStringLiteral("select id from ") + sqlTable(table)
                + QStringLiteral(" where bmod=? and serino=? and sirano=? order by id"),
            conn, { kind, series, number });
    return rs.Eof() ? 0 : rs.Fields(0).toLongLong();
}

QString deleteRefusal(Connection &conn, const QString &table, qint64 id, int kind)
{
    if (kind != DocumentKind::DeliveryNote)
        return {};
    Recordset rs;
    // Deleting a taken-over note would strip its lines from the invoice that holds them.
    rs.Open(QStringLiteral("select f.serino, f.sirano from ") + sqlTable(table)
                + QStringLiteral(" n, ") + sqlTable(table)
                + QStringLiteral(" f where n.id=? and n.ftrdrm<>0 and f.id=n.ftrdrm"),
            conn, { id });
    if (rs.Eof())
        return {};
    return QStringLiteral("Bu irsaliye ") + documentNumber(rs.Fields(0), rs.Fields(1))
        + QStringLiteral(" numaralı faturaya aktarılmış! Önce faturayı siliniz.");
}

SaveOutcome writeDocument(Connection &conn, const QString &table, const DocumentInput &input,
                          qint64 replaceId)
{
    SaveOutcome outcome;
    QHash<QString, QVariant> logs;
    conn.BeginTrans();
    try {
        if (replaceId > 0) {
            outcome.refusal = deleteRefusal(conn, table, replaceId, input.kind);
            if (!outcome.refusal.isEmpty()) {
                conn.RollbackTrans();
                return outcome;
            }
            // Re-saving a document must not lose the service logs kept on its serials.
            if (input.kind == DocumentKind::DeliveryNote
                || input.kind == DocumentKind::InvoiceWithLines)
                logs = serviceLogs(conn, table, replaceId);
            deleteRows(conn, table, replaceId, input.kind);
        }
        insertHeader(conn, table, input);
        const qint64 id = conn.LastInsertId();

        if (input.kind == DocumentKind::Invoice) {
            for (const qint64 noteId : input.deliveryNotes) {
                outcome.refusal = linkRefusal(conn, table, noteId, input);
                if (!outcome.refusal.isEmpty()) {
                    conn.RollbackTrans();
                    return outcome;
                }
                const int linked
                    = conn.Execute(QStringLiteral("update ") + sqlTable(table)
                                       + QStringLiteral(" set ftrdrm=? where id=? and bmod=3 and "
                                                        "(ftrdrm=0 or ftrdrm is null)"),
                                   { id, noteId });
                if (linked != 1)
                    throw DatabaseError(QStringLiteral("note not linked"));
            }
            // Edits made on the invoice page go back into the notes' own lines.
            for (const DocumentLine &line : input.lines) {
                if (!input.deliveryNotes.contains(line.noteId))
                    continue;
                conn.Execute(QStringLiteral("update ") + sqlTable(table)
                                 + QStringLiteral(" set stokadi=?, miktar=?, birimfiyat=?, "
                                                  "kdvoran=?, serial=?, stokinftr=? "
                                                  "where id=? and belgeid=?"),
                             { line.stockName, line.quantity, line.price, line.vatRate, line.serial,
                               id, line.lineId, line.noteId });
            }
        } else {
            const QString inout = stockDirection(input);
            for (const DocumentLine &line : input.lines) {
                const QVariant log = logs.value(line.serial);
                if (input.kind == DocumentKind::DeliveryNote)
                    conn.Execute(QStringLiteral("insert into ") + sqlTable(table)
                                     + QStringLiteral(" (belgeid,stokid,stokadi,miktar,serial,"
                                                      "inout,islem) values (?,?,?,?,?,?,?)"),
                                 { id, line.stockId, line.stockName, line.quantity, line.serial,
                                   inout, log });
                else
                    conn.Execute(QStringLiteral("insert into ") + sqlTable(table)
                                     + QStringLiteral(" (belgeid,stokid,stokadi,miktar,"
                                                      "birimfiyat,kdvoran,serial,inout,islem) "
                                                      "values (?,?,?,?,?,?,?,?,?)"),
                                 { id, line.stockId, line.stockName, line.quantity, line.price,
                                   line.vatRate, line.serial, inout, log });
            }
        }
        conn.CommitTrans();
        outcome.saved = true;
        outcome.documentId = id;
    } catch (const DatabaseError &) {
        if (conn.InTransaction())
            conn.RollbackTrans();
        outcome.refusal = QStringLiteral("Belge kaydedilemedi!");
    }
    return outcome;
}

QString deleteDocumentRows(Connection &conn, const QString &table, qint64 id, int kind)
{
    conn.BeginTrans();
    try {
        const QString refusal = deleteRefusal(conn, table, id, kind);
        if (!refusal.isEmpty()) {
            conn.RollbackTrans();
            return refusal;
        }
        deleteRows(conn, table, id, kind);
        conn.CommitTrans();
    } catch (const DatabaseError &) {
        if (conn.InTransaction())
            conn.RollbackTrans();
        return QStringLiteral("Belge silinemedi!");
    }
    return {};
}

bool DeleteDocument(const QVariant &id, const QVariant &kind)
{
    ModuleState &s = state();
    const QString refusal = deleteDocumentRows(*s.Conn, s.TblBelge, id.toLongLong(), kind.toInt());
    if (refusal.isEmpty())
        return true;
    ShowSystemMessage(refusal, IconError);
    return false;
}

} // namespace kx
