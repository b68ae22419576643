// Builders that put cards, documents and cheques into the logged-in company's tables.
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>
#include <QtGlobal>

namespace kxtest {

// Extra card columns by number: {{4, "12,50"}, {6, "15,00"}} sets a4 and a6.
using CardFields = QMap<int, QString>;

// Inserts a stock card into TblStok (a1 code, a2 name, then `fields`); returns its id.
qint64 addStock(const QString &code, const QString &name, const CardFields &fields = {},
                bool deleted = false);
// The same for an account in TblCari.
qint64 addAccount(const QString &code, const QString &name, const CardFields &fields = {},
                  bool deleted = false);

// A document header as the saves write it; the columns a kind does not use stay empty.
struct Header
{
    int bmod = 3; // 3 delivery note, 4 invoice over notes, 5 invoice with lines, 6 payment
    int gircik = 0; // direction
    qint64 cariid = 0;
    QString serino = QStringLiteral("A");
    QString sirano = QStringLiteral("1");
    int btarihi = 20260101;
    int fstarihi = 20260101;
    QString aciklama;
    int ftrdrm = 0; // kind 3
    int kdvdh = 0; // kinds 4, 5
    QString kdv1 = QStringLiteral("0,00"), kdv2 = QStringLiteral("0,00"),
            kdv3 = QStringLiteral("0,00"), iskonto = QStringLiteral("0,00");
    QString yekun = QStringLiteral("0,00"); // kinds 4, 5, 6
    QString nakit = QStringLiteral("0,00"), cek = QStringLiteral("0,00"); // kind 6
};

// A document line; birimfiyat and kdvoran are written only when not empty.
struct Line
{
    qint64 stokid = 0;
    QString stokadi;
    double miktar = 1;
    QString birimfiyat;
    QString kdvoran;
    QString serial;
    QString inout = QStringLiteral("o");
    qint64 stokinftr = 0; // written only when not 0
};

// Inserts into TblBelge; return the new row's id.
qint64 addDocument(const Header &header);
// A header in one call: kind, direction, account, date, total, number and note; the other
// columns as Header has them.
qint64 addDocument(int bmod, int gircik, qint64 cariid, int btarihi, const QString &yekun,
                   const QString &sirano = QStringLiteral("1"), const QString &aciklama = {});
qint64 addLine(qint64 belgeid, const Line &line);

// Inserts a cheque into TblCek; vade as yyyymmdd, or any value a stored row may hold.
qint64 addCheque(const QVariant &vade, const QString &cekno, const QString &tutar,
                 const QString &cdurum = QStringLiteral("Kasada"));
// The stored vade of the cheque of that number as "type:value" ("integer:0", "null:").
QString storedChequeVade(const QString &cekno);

// Stored due dates that are no date to the grid, with what storedChequeVade reads of them.
struct UnreadableDueDate
{
    const char *name;
    QVariant vade;
    QString stored;
};
QList<UnreadableDueDate> unreadableDueDates();

} // namespace kxtest
