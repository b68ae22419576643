// Benchmark data: a temporary program folder with a logged-in company and generated cards.
#include "bench/generator.h"

#include "core/conversions.h"
#include "core/database.h"
#include "core/sql_builders.h"
#include "core/state.h"

#include <QRandomGenerator>
#include <QStringList>

namespace kxbench {

namespace {
const QStringList syllables = { "ka", "ça", "şe", "ğı", "lo", "mü", "rö", "İs", "Ut", "ne",
                                "Zi", "Öv", "ba", "Ce", "dı", "fa", "gü", "ha", "yi", "pa" };

QString name(QRandomGenerator &random)
{
    QString text;
    const int parts = 2 + random.bounded(3);
    for (int i = 0; i < parts; ++i)
        text += syllables.at(random.bounded(int(syllables.size())));
    return text + u' ' + QString::number(random.bounded(1000));
}

QString amount(QRandomGenerator &random)
{
    return kx::FormatNumber(random.bounded(1000000) / 100.0, QStringLiteral("#,##0.00"));
}

// Cards as a shop keeps them: the usual fields filled, the user fields mostly empty.
QVariantList stockCard(QRandomGenerator &random, int number)
{
    static const QStringList units = { "Adet", "KG", "Metre", "Paket", "Koli", "Litre" };
    static const QStringList rates = { "1", "10", "20" };
    QVariantList card { QString::number(number),
                        name(random),
                        rates.at(random.bounded(3)),
                        amount(random),
                        QString::number(random.bounded(20)),
                        amount(random),
                        random.bounded(10) == 0 ? QStringLiteral("USD") : QStringLiteral("TL"),
                        units.at(random.bounded(int(units.size()))),
                        QString::number(random.bounded(500)),
                        amount(random),
                        QString::number(8690000000000LL + random.bounded(9999999)),
                        random.bounded(2) ? QStringLiteral("Yok") : QStringLiteral("2 Yıl") };
    for (int k = 13; k <= 18; ++k)
        card << (random.bounded(10) == 0 ? QVariant(name(random)) : QVariant());
    return card;
}

QVariantList accountCard(QRandomGenerator &random, int number)
{
    static const QStringList kinds = { "Müşteri", "Satıcı", "Banka", "Personel" };
    QVariantList card { QString::number(number),
                        name(random),
                        kinds.at(random.bounded(4)),
                        name(random) + QStringLiteral(" Sok. No:") + QString::number(number),
                        name(random) + QStringLiteral(" Mah."),
                        QStringLiteral("İstanbul"),
                        QStringLiteral("cari%1@ornek.com.tr").arg(number),
                        name(random),
                        QString::number(1000000000LL + random.bounded(899999999)),
                        amount(random),
                        amount(random),
                        QString::number(random.bounded(15)) };
    for (int k = 13; k <= 18; ++k)
        card << (random.bounded(10) == 0 ? QVariant(name(random)) : QVariant());
    return card;
}
} // namespace

BenchData::BenchData(const Sizes &sizes)
    : m_sizes(sizes)
{
    if (!m_dir.isValid())
        qFatal("no temporary folder for the benchmark");
    qputenv("KANTARIX_DIR", m_dir.path().toUtf8());
    kx::resetState();
    kx::createDatabase(kx::databasePath());
    login();
    kx::Connection &conn = *kx::state().Conn;
    conn.BeginTrans();
    addCards(kx::state().TblStok, sizes.stock, 1, m_stockIds);
    addCards(kx::state().TblCari, sizes.accounts, 2, m_accountIds);
    conn.CommitTrans();
}

BenchData::~BenchData()
{
    if (kx::state().Conn)
        kx::state().Conn->Close();
    kx::resetState();
}

void BenchData::login()
{
    kx::ModuleState &s = kx::state();
    kx::CreateDatabaseObjects();
    s.Rs2->Open(QStringLiteral("select * from firmalar order by id"), *s.Conn);
    s.FirmaRows = s.Rs2->GetRows();
    s.Rs2->Close();
    s.FirmaAdi = s.FirmaRows.text(1, 1);
    s.FirmaParola = s.FirmaRows.text(2, 1);
    s.FirmaId = 2;
    s.WorkDate = s.FirmaRows.value(4, 1);
    s.KasaAmount = kx::ParseAmount(s.FirmaRows.value(3, 1)).toDouble();
    s.TblStok = QStringLiteral("1Stok");
    s.TblCari = QStringLiteral("1Cari");
    s.TblBelge = QStringLiteral("1Belge");
    s.TblCek = QStringLiteral("1Cek");
    s.TblAyar = QStringLiteral("1Ayar");
    s.FieldValues.fill(kx::SkipSlot);
}

qint64 BenchData::insert(const QString &table, const QStringList &columns,
                         const QVariantList &values)
{
    QStringList marks;
    for (qsizetype i = 0; i < values.size(); ++i)
        marks << QStringLiteral("?");
    kx::Connection &conn = *kx::state().Conn;
    conn.Execute(QStringLiteral("insert into ") + kx::sqlTable(table) + QStringLiteral(" (")
                     + columns.join(u',') + QStringLiteral(") values (") + marks.join(u',') + u')',
                 values);
    return conn.LastInsertId();
}

void BenchData::addCards(const QString &table, int count, int seed, QList<qint64> &ids)
{
    QRandomGenerator random(seed);
    QStringList columns;
    for (int k = 1; k <= 18; ++k)
        columns << QStringLiteral("a%1").arg(k);
    columns << QStringLiteral("silindi");
    const bool stock = table.endsWith(QStringLiteral("Stok"));
    ids.reserve(count);
    for (int i = 1; i <= count; ++i) {
        QVariantList values = stock ? stockCard(random, i) : accountCard(random, i);
        values << (random.bounded(20) == 0 ? 1 : 0); // one card in twenty deleted
        ids << insert(table, columns, values);
    }
}

} // namespace kxbench
