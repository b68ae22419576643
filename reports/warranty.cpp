// The warranty lookup "Garanti Takibi": a sold item found by its serial number, its sale,
// warranty and service log, and a dated service note added to it.
#include "reports/warranty.h"

#include "core/conversions.h"
#include "core/messages.h"
#include "core/sql_builders.h"
#include "core/state.h"

#include <QStringList>

namespace kx {

namespace {

const QString Title = QStringLiteral("Garanti Takibi");
const QString NewLine = QStringLiteral("\r\n");

// Field a<column> of the card at the list record `record`; empty when there is none.
QString cardField(const RowArray &cards, const QVariant &record, int column)
{
    return record.isNull() ? QString() : cards.text(column, record.toInt());
}

} // namespace

WarrantyRecord FindSerial(const QString &serial)
{
    WarrantyRecord record;
    if (serial.trimmed().isEmpty())
        return record;

    ModuleState &s = state();
    const QString table = sqlTable(s.TblBelge);
    // The column compares without case; the exact match is made below, on the rows it gives.
    Recordset &rs = *s.Rs;
    rs.Open(QStringLiteral("select l.id, l.serial, l.birimfiyat, l.kdvoran, l.stokid, l.islem,"
                           " h.id, h.cariid, h.btarihi, h.kdvdh from ")
                + table + QStringLiteral(" l left join ") + table
                + QStringLiteral(" h on h.id = l.belgeid where l.serial = ? order by l.id"),
            *s.Conn, { serial });
    const RowArray rows = rs.rows();
    rs.Close();

    int first = -1;
    for (int r = 0; r < rows.recordCount(); ++r) {
        if (rows.text(1, r) != serial)
            continue;
        if (first < 0)
            first = r;
        record.lineIds.append(rows.value(0, r).toLongLong());
    }
    if (first < 0)
        return record;

    record.price = rows.text(2, first);
    record.vatRate = rows.text(3, first);
    record.log = rows.text(5, first);
    const bool hasDocument = !rows.value(6, first).isNull();
    if (hasDocument) {
        const QVariant kdvdh = rows.value(9, first);
        record.vatIncluded = !kdvdh.isNull() && numberValue(kdvdh.toString()) == 0;
        const QVariant date = rows.value(8, first);
        if (!date.isNull() && !date.toString().isEmpty())
            record.date = DateKeyToText(date);
        record.account
            = cardField(s.CariAllRows, FindListIndex(QStringLiteral("C"), rows.value(7, first)), 2);
    }
    const QVariant card = FindListIndex(QStringLiteral("S"), rows.value(4, first));
    record.stock = cardField(s.StokAllRows, card, 2);
    record.warranty = cardField(s.StokAllRows, card, 12);
    return record;
}

QString WarrantyText(const WarrantyRecord &record)
{
    QString text = QStringLiteral("Cari : ") + record.account + NewLine + NewLine
        + QStringLiteral("İşlem Tarihi : ") + record.date + NewLine + NewLine
        + QStringLiteral("Ürün : ") + record.stock + NewLine + QStringLiteral("Ürün Fiyatı : ")
        + record.price + QStringLiteral("(%") + record.vatRate
        + (record.vatIncluded ? QStringLiteral(" Kdv Dahil)") : QStringLiteral(" Kdv Hariç)"))
        + NewLine + QStringLiteral("Stok Kartı Garanti Süresi : ") + record.warranty;
    if (!record.log.isEmpty())
        text += NewLine + NewLine + QStringLiteral("Yapılan İşlemler: ") + NewLine + NewLine
            + record.log;
    return text;
}

QString ServiceLogLine(const QString &note, const QDateTime &time)
{
    return NewLine + time.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")) + QStringLiteral(" - ")
        + note;
}

int AddServiceNote(const WarrantyRecord &record, const QString &note, const QDateTime &time)
{
    if (!record.found())
        return 0;
    ModuleState &s = state();
    QStringList marks;
    QVariantList values { ServiceLogLine(note, time) };
    for (const qint64 id : record.lineIds) {
        marks << QStringLiteral("?");
        values << id;
    }
    // Each line keeps its own log: the note goes at the end of what that line holds.
    return s.Conn->Execute(QStringLiteral("update ") + sqlTable(s.TblBelge)
                               + QStringLiteral(" set islem = coalesce(islem, '') || ?"
                                                " where id in (")
                               + marks.join(QLatin1Char(',')) + QStringLiteral(")"),
                           values);
}

void WarrantyLookup()
{
    ModuleState &s = state();
    ShowInputBox(Title,
                 QStringLiteral("Garanti durumunu sorgulamak istediğiniz ürünün seri numarasını "
                                "giriniz..."),
                 QString());
    if (s.InputResult == QLatin1String("CancelX"))
        return;
    const QString serial = s.InputResult;

    WarrantyRecord record;
    try {
        record = FindSerial(serial);
    } catch (const DatabaseError &) {
        ShowSystemMessage(QStringLiteral("Garanti bilgisi okunamadı!"), IconError);
        return;
    }
    if (!record.found()) {
        ShowSystemMessage(QStringLiteral("Aranan kayıt bulunamadı!"), IconError);
        return;
    }

    if (!AskYesNo(WarrantyText(record) + NewLine + NewLine + NewLine + NewLine
                  + QStringLiteral("Yeni bir işlem açıklaması girmek istiyor musunuz?")))
        return;
    ShowInputBox(Title, QStringLiteral("İşlem açıklamasını giriniz..."), QString());
    if (s.InputResult == QLatin1String("CancelX"))
        return;
    try {
        AddServiceNote(record, s.InputResult);
    } catch (const DatabaseError &) {
        ShowSystemMessage(QStringLiteral("İşlem açıklaması kaydedilemedi!"), IconError);
    }
}

} // namespace kx
