// Stock on hand: the rule, the movements of every card, one card's with the low-stock warning.
#include "core/stock_balance.h"

#include "core/document_values.h"
#include "core/messages.h"
#include "core/settings_row_map.h"
#include "core/sql_builders.h"
#include "core/state.h"

#include <QHash>
#include <QStringList>

namespace kx {

namespace {

bool isBarcodeCard(const RowArray &cards, int record)
{
    return cards.text(1, record) == QLatin1String("BARKOD")
        && cards.text(2, record) == QLatin1String("BARKOD");
}

// The incoming and outgoing sums of the lines of the cards that condition picks, both
// directions in one grouped read; miktar is a number column.
QString movementSumsSql(const QString &condition)
{
    return QStringLiteral("select stokid, sum(case when inout='i' then miktar else 0 end),"
                          " sum(case when inout='o' then miktar else 0 end) from ")
        + sqlTable(state().TblBelge) + QStringLiteral(" where ") + condition
        + QStringLiteral(" group by stokid");
}

// The rows of movementSumsSql by card id.
QHash<qint64, StockMovement> movementsByCard(const RowArray &rows)
{
    QHash<qint64, StockMovement> sums;
    sums.reserve(rows.recordCount());
    for (int r = 0; r < rows.recordCount(); ++r)
        sums.insert(rows.value(0, r).toLongLong(),
                    { rows.value(1, r).toDouble(), rows.value(2, r).toDouble() });
    return sums;
}

// The movements of these cards, read through Conn2.
QHash<qint64, StockMovement> movements(const QList<qint64> &ids)
{
    ModuleState &s = state();
    if (ids.isEmpty())
        return {};
    QStringList marks;
    QVariantList values;
    for (const qint64 id : ids) {
        marks << QStringLiteral("?");
        values << id;
    }
    Recordset &rs = *s.Rs2;
    rs.Open(movementSumsSql(QStringLiteral("stokid in (") + marks.join(QLatin1Char(','))
                            + QLatin1Char(')')),
            *s.Conn2, values);
    QHash<qint64, StockMovement> sums = movementsByCard(rs.rows());
    rs.Close();
    return sums;
}

// The card's record when its quantity is to be computed; -1 for no card or no warning
// level, -2 for the "BARKOD" pseudo card.
int countedCard(qint64 id)
{
    const QVariant found = FindListIndex(QStringLiteral("S"), id);
    if (found.isNull())
        return -1;
    const int row = found.toInt();
    const RowArray &cards = state().StokAllRows;
    if (cards.value(5, row).isNull())
        return -1;
    if (isBarcodeCard(cards, row))
        return -2;
    return row;
}

double onHandOf(int row, const StockMovement &movement)
{
    return stockQuantity(state().StokAllRows, row, movement);
}

void warnWhenLow(int row, double onHand)
{
    const ModuleState &s = state();
    const RowArray &cards = s.StokAllRows;
    const bool warningOn
        = numberValue(settingText(s.AyarRows, AyarTablolar::Id, AyarTablolar::LowStockWarning))
        == 1;
    if (warningOn && onHand < amountOf(cards.value(5, row)))
        ShowNotice(cards.text(2, row)
                   + QStringLiteral(" için belirlemiş olduğunuz stok uyarı limitinin altına "
                                    "inilmiştir!\nStoktaki Miktar : ")
                   + plainNumberText(onHand));
}

} // namespace

QHash<qint64, StockMovement> stockMovementsOfAll(Connection &connection)
{
    // The stock index holds all three columns: the read never touches the table.
    Recordset rs;
    rs.Open(movementSumsSql(QStringLiteral("stokid is not null")), connection);
    return movementsByCard(rs.rows());
}

double stockQuantity(const RowArray &cards, int record, const StockMovement &movement)
{
    if (isBarcodeCard(cards, record))
        return 0;
    return amountOf(cards.value(9, record)) + movement.incoming - movement.outgoing;
}

QVariant StockOnHand(const QVariant &stockId, bool warn)
{
    const qint64 id = qint64(numberValue(stockId.toString()));
    const int row = countedCard(id);
    if (row == -1)
        return {};
    if (row == -2)
        return 0.0;
    const double onHand = onHandOf(row, movements({ id }).value(id));
    if (warn)
        warnWhenLow(row, onHand);
    return onHand;
}

void WarnLowStock(const QList<StockLine> &lines)
{
    QList<qint64> counted;
    for (const StockLine &line : lines) {
        if (countedCard(line.stockId) >= 0 && !counted.contains(line.stockId))
            counted << line.stockId;
    }
    const QHash<qint64, StockMovement> sums = movements(counted);
    // From the last line back: a line's quantity is the one after it less what it moved.
    QHash<qint64, double> running;
    for (const qint64 id : std::as_const(counted))
        running.insert(id, onHandOf(countedCard(id), sums.value(id)));
    QList<double> afterLine(lines.size());
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        const StockLine &line = lines.at(i);
        const auto found = running.find(line.stockId);
        if (found == running.end())
            continue;
        afterLine[i] = *found;
        *found -= line.incoming ? line.quantity : -line.quantity;
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int row = countedCard(lines.at(i).stockId);
        if (row >= 0)
            warnWhenLow(row, afterLine.at(i));
    }
}

} // namespace kx
