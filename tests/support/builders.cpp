// Test data through the real schema, on the logged-in connection.
#include "tests/support/builders.h"

#include "core/state.h"

#include <QVariantList>

namespace kxtest {

namespace {
kx::Connection &conn()
{
    kx::ModuleState &s = kx::state();
    if (!s.Conn || !s.Conn->IsOpen())
        qFatal("builders need a login first (kxtest::Fixture::login)");
    return *s.Conn;
}

qint64 insert(const QString &table, const QStringList &columns, const QVariantList &values)
{
    QStringList marks;
    for (int i = 0; i < values.size(); ++i)
        marks << QStringLiteral("?");
    kx::Connection &c = conn();
    c.Execute(QStringLiteral("insert into \"%1\" (%2) values (%3)")
                  .arg(table, columns.join(','), marks.join(',')),
              values);
    return c.LastInsertId();
}

qint64 addCard(const QString &table, const QString &code, const QString &name,
               const CardFields &fields, bool deleted)
{
    QStringList columns { QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("silindi") };
    QVariantList values { code, name, deleted ? 1 : 0 };
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        columns << QStringLiteral("a%1").arg(it.key());
        values << it.value();
    }
    return insert(table, columns, values);
}
} // namespace

qint64 addStock(const QString &code, const QString &name, const CardFields &fields, bool deleted)
{
    return addCard(kx::state().TblStok, code, name, fields, deleted);
}

qint64 addAccount(const QString &code, const QString &name, const CardFields &fields, bool deleted)
{
    return addCard(kx::state().TblCari, code, name, fields, deleted);
}

qint64 addDocument(const Header &h)
{
    QStringList columns { "cariid", "bmod", "gircik", "serino", "sirano", "btarihi", "aciklama" };
    QVariantList values { h.cariid, h.bmod, h.gircik, h.serino, h.sirano, h.btarihi, h.aciklama };
    if (h.bmod != 6) {
        columns << "fstarihi";
        values << h.fstarihi;
    }
    if (h.bmod == 3) {
        columns << "ftrdrm";
        values << h.ftrdrm;
    } else if (h.bmod == 4 || h.bmod == 5) {
        columns << "kdvdh"
                << "kdv1"
                << "kdv2"
                << "kdv3"
                << "iskonto"
                << "yekun";
        values << h.kdvdh << h.kdv1 << h.kdv2 << h.kdv3 << h.iskonto << h.yekun;
    } else if (h.bmod == 6) {
        columns << "nakit"
                << "cek"
                << "yekun";
        values << h.nakit << h.cek << h.yekun;
    }
    return insert(kx::state().TblBelge, columns, values);
}

qint64 addDocument(int bmod, int gircik, qint64 cariid, int btarihi, const QString &yekun,
                   const QString &sirano, const QString &aciklama)
{
    Header h;
    h.bmod = bmod;
    h.gircik = gircik;
    h.cariid = cariid;
    h.btarihi = btarihi;
    h.yekun = yekun;
    h.sirano = sirano;
    h.aciklama = aciklama;
    return addDocument(h);
}

qint64 addLine(qint64 belgeid, const Line &l)
{
    QStringList columns { "belgeid", "stokid", "stokadi", "miktar", "serial", "inout" };
    QVariantList values { belgeid, l.stokid, l.stokadi, l.miktar, l.serial, l.inout };
    if (!l.birimfiyat.isEmpty()) {
        columns << "birimfiyat";
        values << l.birimfiyat;
    }
    if (!l.kdvoran.isEmpty()) {
        columns << "kdvoran";
        values << l.kdvoran;
    }
    if (l.stokinftr != 0) {
        columns << "stokinftr";
        values << l.stokinftr;
    }
    return insert(kx::state().TblBelge, columns, values);
}

qint64 addCheque(const QVariant &vade, const QString &cekno, const QString &tutar,
                 const QString &cdurum)
{
    return insert(kx::state().TblCek, { "vade", "cekno", "tutar", "cdurum" },
                  { vade, cekno, tutar, cdurum });
}

QString storedChequeVade(const QString &cekno)
{
    kx::Recordset rs;
    rs.Open(QStringLiteral("select typeof(vade), vade from \"%1\" where cekno = ?")
                .arg(kx::state().TblCek),
            conn(), { cekno });
    if (rs.Eof())
        return QStringLiteral("missing");
    return rs.Fields(0).toString() + u':' + rs.Fields(1).toString();
}

QList<UnreadableDueDate> unreadableDueDates()
{
    return { { "0", 0, QStringLiteral("integer:0") },
             { "Null", QVariant(), QStringLiteral("null:") },
             { "20261399", 20261399, QStringLiteral("integer:20261399") } };
}

} // namespace kxtest
