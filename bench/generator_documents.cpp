// Benchmark data: the documents and lines of a large company, on top of the generated cards.
#include "bench/generator_documents.h"

#include "core/conversions.h"
#include "core/sql_builders.h"
#include "core/state.h"

#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace kxbench {

namespace {

struct Writer
{
    QSqlQuery header;
    QSqlQuery line;
    QRandomGenerator random { 7 };
    qint64 nextId = 0;
    QList<qint64> stockIds;
    int owners = 0; // line-owning documents still to come
    int linesLeft = 0; // lines still to spread over them
    int numbers[7] = {};

    explicit Writer(const QSqlDatabase &db)
        : header(db)
        , line(db)
    {
        const QString table = kx::sqlTable(kx::state().TblBelge);
        header.prepare(QStringLiteral("insert into ") + table
                       + QStringLiteral(" (id,cariid,bmod,gircik,serino,sirano,btarihi,fstarihi,"
                                        "aciklama,ftrdrm,kdvdh,kdv1,kdv2,kdv3,iskonto,yekun,"
                                        "nakit,cek) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        line.prepare(QStringLiteral("insert into ") + table
                     + QStringLiteral(" (id,belgeid,stokid,stokadi,miktar,birimfiyat,kdvoran,"
                                      "serial,inout,stokinftr) values (?,?,?,?,?,?,?,?,?,?)"));
    }

    static void run(QSqlQuery &query)
    {
        if (!query.exec())
            qFatal("document generator: %s", qPrintable(query.lastError().text()));
    }

    QString money() { return kx::FormatNumber(random.bounded(5000000) / 100.0, "#,##0.00"); }

    qint64 addHeader(qint64 account, int kind, int direction, qint64 takenBy = 0)
    {
        const qint64 id = ++nextId;
        const int date = randomDocumentDate(random);
        const bool invoice = kind == 4 || kind == 5;
        const QVariant none;
        const QVariantList values { id,
                                    account,
                                    kind,
                                    direction,
                                    QStringLiteral("A"),
                                    QString::number(++numbers[kind]),
                                    date,
                                    kind == 6 ? none : QVariant(date),
                                    QString(),
                                    kind == 3 ? QVariant(takenBy) : none,
                                    invoice ? QVariant(0) : none,
                                    invoice ? QVariant(QStringLiteral("0,00")) : none,
                                    invoice ? QVariant(QStringLiteral("0,00")) : none,
                                    invoice ? QVariant(money()) : none,
                                    invoice ? QVariant(QStringLiteral("0,00")) : none,
                                    kind == 3 ? none : QVariant(money()),
                                    kind == 6 ? QVariant(money()) : none,
                                    kind == 6 ? QVariant(QStringLiteral("0,00")) : none };
        for (int i = 0; i < values.size(); ++i)
            header.bindValue(i, values.at(i));
        run(header);
        return id;
    }

    // Lines of one line-owning document: an even share of what is left.
    void addLines(qint64 document, bool priced, bool incoming, qint64 takenBy = 0)
    {
        const int count = owners > 0 ? (linesLeft + owners - 1) / owners : 0;
        --owners;
        linesLeft -= count;
        addLineRows(document, count, priced, incoming, takenBy);
    }

    void addLineRows(qint64 document, int count, bool priced, bool incoming, qint64 takenBy = 0)
    {
        for (int i = 0; i < count; ++i) {
            const qint64 stock = stockIds.at(random.bounded(int(stockIds.size())));
            const QVariant none;
            const QVariantList values { ++nextId,
                                        document,
                                        stock,
                                        QStringLiteral("STOK %1").arg(stock),
                                        double(1 + random.bounded(10)),
                                        priced ? QVariant(money()) : none,
                                        priced ? QVariant(QStringLiteral("20")) : none,
                                        random.bounded(4) == 0
                                            ? QVariant(QStringLiteral("SN%1").arg(nextId))
                                            : QVariant(QString()),
                                        incoming ? QStringLiteral("i") : QStringLiteral("o"),
                                        takenBy ? QVariant(takenBy) : none };
            for (int v = 0; v < values.size(); ++v)
                line.bindValue(v, values.at(v));
            run(line);
        }
    }

    // One group of ten documents of an account: an invoice over three notes, two free notes,
    // three invoices with their own lines and a payment.
    void addGroup(qint64 account)
    {
        const int direction = random.bounded(8) == 0 ? 1 : 0;
        const qint64 invoice = addHeader(account, 4, direction);
        for (int n = 0; n < 3; ++n)
            addLines(addHeader(account, 3, direction, invoice), true, direction == 1, invoice);
        for (int n = 0; n < 2; ++n)
            addLines(addHeader(account, 3, direction), false, direction == 1);
        for (int n = 0; n < 3; ++n) {
            const int kind5 = random.bounded(4);
            addLines(addHeader(account, 5, kind5), true, kind5 % 2 == 1);
        }
        addHeader(account, 6, random.bounded(2));
    }
};

} // namespace

QList<qint64> liveCardIds(const QString &table)
{
    QSqlQuery query(kx::state().Conn->database());
    query.exec(QStringLiteral("select id from ") + kx::sqlTable(table)
               + QStringLiteral(" where silindi=0 order by id"));
    QList<qint64> found;
    while (query.next())
        found << query.value(0).toLongLong();
    return found;
}

int randomDocumentDate(QRandomGenerator &random)
{
    return 20200101 + random.bounded(7) * 10000 + (1 + random.bounded(12)) * 100 + 1
        + random.bounded(28);
}

GeneratedDocuments addDocuments(const DocumentSizes &sizes)
{
    kx::ModuleState &s = kx::state();
    const QList<qint64> accounts = liveCardIds(s.TblCari);
    Writer writer(s.Conn->database());
    writer.stockIds = liveCardIds(s.TblStok);
    if (accounts.size() < 2 || writer.stockIds.isEmpty())
        qFatal("document generator: no cards");
    {
        QSqlQuery last(s.Conn->database());
        last.exec(QStringLiteral("select max(id) from ") + kx::sqlTable(s.TblBelge));
        writer.nextId = last.next() ? last.value(0).toLongLong() : 0;
    }

    GeneratedDocuments made;
    made.busyAccount = accounts.first();
    made.someAccount = accounts.at(accounts.size() / 2);
    made.someStock = writer.stockIds.at(writer.stockIds.size() / 2);

    // Ten documents a group, eight of which own lines.
    const int groups = std::max(0, sizes.documents - sizes.openNotes) / 10;
    writer.owners = sizes.openNotes + groups * 8;
    writer.linesLeft = sizes.lines;

    s.Conn->BeginTrans();
    for (int i = 0; i < sizes.openNotes; ++i)
        writer.addLines(writer.addHeader(made.busyAccount, 3, 0), false, false);
    for (int g = 0; g < groups; ++g)
        writer.addGroup(accounts.at(1 + writer.random.bounded(int(accounts.size()) - 1)));
    // The listed account, topped up to its number of documents by groups whose documents own
    // no lines (the lines are spent), payments, and the invoice with its own lines.
    made.listedAccount = accounts.at(accounts.size() / 3);
    QSqlQuery held(s.Conn->database());
    held.prepare(QStringLiteral("select count(*) from ") + kx::sqlTable(s.TblBelge)
                 + QStringLiteral(" where cariid=? and bmod>0"));
    held.addBindValue(made.listedAccount);
    Writer::run(held);
    held.next();
    const int missing = std::max(0, sizes.accountDocuments - 1 - held.value(0).toInt());
    for (int g = 0; g < missing / 10; ++g)
        writer.addGroup(made.listedAccount);
    for (int p = 0; p < missing % 10; ++p)
        writer.addHeader(made.listedAccount, 6, 0);
    made.bigInvoice = writer.addHeader(made.listedAccount, 5, 0);
    writer.addLineRows(made.bigInvoice, sizes.invoiceLines, true, false);
    s.Conn->CommitTrans();
    return made;
}

} // namespace kxbench
