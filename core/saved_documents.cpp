// An account's saved documents: the document key, the list, and the search by series and number.
#include "core/saved_documents.h"

#include "core/conversions.h"
#include "core/document_kinds.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/adodb.h"

namespace kx {

QString documentKey(int kind, qint64 id)
{
    return QString::number(kind) + QString::number(id);
}

DocumentKey parseDocumentKey(const QString &key)
{
    DocumentKey parsed;
    if (key.isEmpty())
        return parsed;
    parsed.kind = int(numberValue(key.left(1)));
    bool whole = false;
    const qint64 id = key.mid(1).toLongLong(&whole);
    parsed.id = whole && id > 0 ? id : 0;
    return parsed;
}

RowArray accountDocuments(qint64 accountId)
{
    ModuleState &s = state();
    Recordset &rs = *s.Rs;
    rs.Open(QStringLiteral("select id, bmod, gircik, serino, sirano, btarihi, aciklama, yekun "
                           "from ")
                + sqlTable(s.TblBelge) + QStringLiteral(" where bmod>0 and cariid=? order by id"),
            *s.Conn, { accountId });
    const RowArray &stored = rs.rows();
    const int count = stored.recordCount();
    RowArray list(SavedListFields, count);
    for (int i = 0; i < count; ++i) {
        const QVariant kind = stored.value(1, i);
        const QString label = DocumentKindName(kind, stored.value(2, i)) + QStringLiteral(" - ")
            + stored.text(6, i);
        list(ListKey, i) = documentKey(kind.toInt(), stored.value(0, i).toLongLong());
        list(ListDate, i) = DateKeyToText(stored.value(5, i));
        list(ListText, i) = stored.text(3, i) + stored.text(4, i) + QStringLiteral(" - ") + label;
        list(ListValue, i) = kind.toInt() == DocumentKind::DeliveryNote ? QStringLiteral("-----")
                                                                        : stored.text(7, i);
    }
    rs.Close();
    return list;
}

qint64 documentAccount(qint64 id)
{
    ModuleState &s = state();
    Recordset &rs = *s.Rs;
    rs.Open(QStringLiteral("select cariid from ") + sqlTable(s.TblBelge)
                + QStringLiteral(" where id=? and bmod>0"),
            *s.Conn, { id });
    const qint64 account = rs.Eof() ? -1 : rs.Fields(0).toLongLong();
    rs.Close();
    return account;
}

FoundDocument findDocumentByNumber(const QString &series, const QString &number)
{
    ModuleState &s = state();
    const QString documents = sqlTable(s.TblBelge);
    Recordset &rs = *s.Rs;
    // Documents of different kinds may share a number: the one saved last is meant.
    rs.Open(QStringLiteral("select d.id, d.bmod, d.btarihi, d.yekun, c.id, c.a1, c.a2 from ")
                + documents + QStringLiteral(" d left join ") + sqlTable(s.TblCari)
                + QStringLiteral(" c on c.id=d.cariid where d.id=(select max(id) from ") + documents
                + QStringLiteral(" where bmod in (3,4,5,6) and serino=? and sirano=?)"),
            *s.Conn, { series, number });
    FoundDocument found;
    const QString none = QStringLiteral("Bulunamadı");
    found.account = found.date = found.total = none;
    if (!rs.Eof()) {
        found.key = documentKey(rs.Fields(1).toInt(), rs.Fields(0).toLongLong());
        found.date = DateKeyToText(rs.Fields(2));
        found.total = rs.Fields(3).isNull() ? QStringLiteral("0,00") : rs.Fields(3).toString();
        if (!rs.Fields(4).isNull())
            found.account = rs.Fields(6).toString() + QStringLiteral(" (") + rs.Fields(5).toString()
                + QLatin1Char(')');
    }
    rs.Close();
    return found;
}

QString missingDocumentMessage()
{
    return QStringLiteral("Seçilen belge bulunamadı! Listeyi yenileyip tekrar deneyiniz.");
}

QString missingAccountMessage()
{
    return QStringLiteral("Belgenin cari kartı bulunamadı! Listeyi yenileyip tekrar deneyiniz.");
}

} // namespace kx
