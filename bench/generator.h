// Benchmark data: a temporary program folder with a logged-in company and generated cards.
#pragma once

#include <QString>
#include <QTemporaryDir>

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
class BenchData
{
public:
    explicit BenchData(const Sizes &sizes);
    ~BenchData();

    QString folder() const { return m_dir.path(); }
    const Sizes &sizes() const { return m_sizes; }

private:
    void login();
    void addCards(const QString &table, int count, int seed);

    QTemporaryDir m_dir;
    Sizes m_sizes;
};

} // namespace kxbench
