// Benchmark data: a temporary program folder with a logged-in company and generated cards.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>

namespace kxbench {

struct Sizes
{
    int stock = 20000;
    int accounts = 5000;
    // Add further sizes here (documents, lines per document) with the figures that need them.
};

// Makes the folder, sets KANTARIX_DIR, creates Data.mdb from the template, logs into the
// first company (Conn open, company state and table set filled, FieldValues cleared) and
// inserts the cards through the real schema in one transaction.
//
// To add data for a new figure: a size in Sizes, a private addX() beside addCards() that
// builds its rows with insert(), called from the constructor inside the same transaction.
class BenchData
{
public:
    explicit BenchData(const Sizes &sizes);
    ~BenchData();

    QString folder() const { return m_dir.path(); }
    const Sizes &sizes() const { return m_sizes; }
    // The ids of the generated cards, in insertion order.
    const QList<qint64> &stockIds() const { return m_stockIds; }
    const QList<qint64> &accountIds() const { return m_accountIds; }

    // Inserts one row into a table of the set; returns its id.
    qint64 insert(const QString &table, const QStringList &columns, const QVariantList &values);

private:
    void login();
    void addCards(const QString &table, int count, int seed, QList<qint64> &ids);

    QTemporaryDir m_dir;
    Sizes m_sizes;
    QList<qint64> m_stockIds;
    QList<qint64> m_accountIds;
};

} // namespace kxbench
