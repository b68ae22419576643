// The stock and account card tables: the start-up clean-up, the tables a company uses, the code
// proposal, the duplicate-code check and the soft delete.
#include "core/cards.h"

#include "core/conversions.h"
#include "core/database.h"
#include "core/settings_row_map.h"
#include "core/sql_builders.h"
#include "core/state.h"

#include <algorithm>

namespace kx {

int cleanStockNames(const QString &table)
{
    ModuleState &s = state();
    const QString name = sqlTable(table);
    Recordset cards;
    cards.Open(QStringLiteral("select id, a1, a2 from ") + name + QStringLiteral(" order by a2"),
               *s.Conn);
    // Null stays Null; only texts are folded.
    const auto folded = [](const QVariant &value) {
        return value.isNull() ? QVariant() : QVariant(UpperAsciiText(value));
    };
    const auto sameValue = [](const QVariant &a, const QVariant &b) {
        return a.isNull() == b.isNull() && a.toString() == b.toString();
    };
    int written = 0;
    s.Conn->BeginTrans();
    try {
        for (; !cards.Eof(); cards.MoveNext()) {
            const QVariant code = cards.Fields(1);
            const QVariant cardName = cards.Fields(2);
            const QVariant newCode = folded(code);
            const QVariant newName = folded(cardName);
            if (sameValue(newCode, code) && sameValue(newName, cardName))
                continue;
            s.Conn->Execute(QStringLiteral("update ") + name
                                + QStringLiteral(" set a1=?, a2=? where id=?"),
                            { newCode, newName, cards.Fields(0) });
            ++written;
        }
        s.Conn->CommitTrans();
    } catch (...) {
        s.Conn->RollbackTrans();
        throw;
    }
    return written;
}

CardTables chooseCardTables(int firmaId)
{
    const RowArray &settings = state().AyarRows;
    const int company = firmaId == 2 ? 0 : 1; // any later company goes with the second
    // Without settings row 54 (a table the load could not upgrade) each company keeps its own
    // tables; reading the missing row as 0 would put every company on the first one's cards.
    if (settings.recordCount() < AyarTablolar::Id) {
        const CompanyTables own = companyTables(company);
        return { own.stock, own.accounts };
    }
    // 0 names the first company's table, any other number the second's.
    const auto companyOf = [&](int column) {
        return numberValue(settingText(settings, AyarTablolar::Id, column)) == 0 ? 0 : 1;
    };
    return { companyTables(companyOf(AyarTablolar::stockTableColumn(company))).stock,
             companyTables(companyOf(AyarTablolar::accountTableColumn(company))).accounts };
}

double largestCardCode(const QString &table)
{
    ModuleState &s = state();
    Recordset cards;
    cards.Open(QStringLiteral("select a1 from ") + sqlTable(table)
                   + QStringLiteral(" where silindi=0"),
               *s.Conn);
    double largest = 0;
    for (; !cards.Eof(); cards.MoveNext())
        largest = std::max(largest, ParseAmount(cards.Fields(0)).toDouble());
    return largest;
}

bool cardCodeTaken(const QString &table, const QString &code, qint64 exceptId)
{
    ModuleState &s = state();
    QString sql = QStringLiteral("select id from ") + sqlTable(table)
        + QStringLiteral(" where a1=? and silindi=0");
    QVariantList values { code };
    if (exceptId != 0) {
        sql += QStringLiteral(" and id<>?");
        values << exceptId;
    }
    s.SqlText = sql;
    Recordset cards;
    cards.Open(sql, *s.Conn, values);
    return !cards.Eof();
}

void softDeleteCard(const QString &table, qint64 id)
{
    state().Conn->Execute(QStringLiteral("update ") + sqlTable(table)
                              + QStringLiteral(" set silindi=1 where id=?"),
                          { id });
}

} // namespace kx
