// Settings rows and the in-memory stock and account lists, with look-up of a card by id.
#include "core/lists.h"

#include "core/settings_row_map.h"
#include "core/sql_builders.h"
#include "core/state.h"

#include <QHash>

#include <algorithm>
#include <numeric>

namespace kx {

namespace {
// A hash from id to record over one card array. It is only a short cut: a hit is checked
// against the array and a miss is confirmed by a walk, so an array replaced without a
// reload still answers right.
struct CardIndex
{
    const void *data = nullptr;
    int records = -1;
    QHash<qint64, int> byId;

    void build(const RowArray &rows)
    {
        byId.clear();
        records = rows.recordCount();
        data = rows.fieldCount() > 0 ? rows.field(0).constData() : nullptr;
        byId.reserve(records);
        // Walked backwards, so the first record of an id is the one kept.
        for (int r = records - 1; r >= 0; --r)
            byId.insert(rows.value(0, r).toLongLong(), r);
    }

    int find(const RowArray &rows, qint64 id)
    {
        const void *current = rows.fieldCount() > 0 ? rows.field(0).constData() : nullptr;
        if (current != data || rows.recordCount() != records)
            build(rows);
        const auto hit = byId.constFind(id);
        if (hit != byId.constEnd() && rows.value(0, *hit).toLongLong() == id)
            return *hit;
        for (int r = 0; r < rows.recordCount(); ++r) {
            if (rows.value(0, r).toLongLong() == id) {
                build(rows);
                return r;
            }
        }
        return -1;
    }
};

CardIndex stockAll, stockLive, accountAll, accountLive;

const QString Alphabet
    = QStringLiteral("abc\u00E7defg\u011Fh\u0131ijklmno\u00F6pqrs\u015Ftu\u00FCvwxyz");

char16_t letterWeight(QChar c)
{
    switch (c.unicode()) {
    case u'I':
        c = QChar(u'\u0131');
        break;
    case u'\u0130': // İ
    case u'\u00EE': // î
    case u'\u00CE':
        c = QChar(u'i');
        break;
    case u'\u00E2': // â
    case u'\u00C2':
        c = QChar(u'a');
        break;
    case u'\u00FB': // û
    case u'\u00DB':
        c = QChar(u'u');
        break;
    default:
        c = c.toLower();
        break;
    }
    const qsizetype letter = Alphabet.indexOf(c);
    if (letter >= 0)
        return char16_t(0x100 + letter);
    if (c.unicode() < 0x80)
        return c.unicode(); // blanks, digits and punctuation before the letters
    return char16_t(std::min<int>(0x1000 + c.unicode(), 0xFFFF));
}

// The records in Turkish order of the name (a2); equal keys keep the order of the ids.
QList<int> turkishOrder(const RowArray &rows)
{
    const int count = rows.recordCount();
    QList<QString> keys(count);
    for (int r = 0; r < count; ++r)
        keys[r] = turkishSortKey(rows.text(2, r));
    QList<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    QList<qint64> ids(count);
    for (int r = 0; r < count; ++r)
        ids[r] = rows.value(0, r).toLongLong();
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const int byName = keys.at(a).compare(keys.at(b));
        return byName != 0 ? byName < 0 : ids.at(a) < ids.at(b);
    });
    return order;
}

// The records in the given order; `rows` gives up its values when it may.
RowArray pickRecords(RowArray &rows, const QList<int> &records, bool take)
{
    // Built by appending: filling a presized list would construct every value twice.
    RowArray picked(rows.fieldCount(), 0);
    for (int f = 0; f < rows.fieldCount(); ++f) {
        QList<QVariant> &to = picked.field(f);
        to.reserve(records.size());
        if (take) {
            QList<QVariant> &from = rows.field(f);
            for (const int r : records)
                to.emplaceBack(std::move(from[r]));
        } else {
            const QList<QVariant> &from = std::as_const(rows).field(f);
            for (const int r : records)
                to.emplaceBack(from.at(r));
        }
    }
    return picked;
}

void loadSettings(ModuleState &s)
{
    Connection &conn = *s.Conn;
    Recordset &rs = *s.Rs2;
    const QString table = sqlTable(s.TblAyar);
    const QString select
        = QStringLiteral("select * from ") + table + QStringLiteral(" order by id");
    rs.Open(select, conn);
    const bool addRow = tableUsageRowDue(rs.rows().field(0));
    bool switchesOff = false;
    if (!addRow && rs.RecordCount() > 0) {
        rs.MoveLast();
        switchesOff = rs.Fields(settingColumnName(AyarTablolar::PriceWriteBack)).isNull();
    }
    rs.Close();

    if (addRow || switchesOff) {
        // An older database: the row of table usage, with both switches on.
        const bool ownTransaction = !conn.InTransaction();
        if (ownTransaction)
            conn.BeginTrans();
        try {
            if (addRow)
                addTableUsageRow(conn, s.TblAyar);
            const QString priceWriteBack = settingColumnName(AyarTablolar::PriceWriteBack);
            const QString lowStockWarning = settingColumnName(AyarTablolar::LowStockWarning);
            conn.Execute(QStringLiteral("update %1 set %2=?, %3=? where id=? and %2 is null")
                             .arg(table, priceWriteBack, lowStockWarning),
                         { tableUsageDefault(AyarTablolar::PriceWriteBack),
                           tableUsageDefault(AyarTablolar::LowStockWarning), AyarTablolar::Id });
            if (ownTransaction)
                conn.CommitTrans();
        } catch (...) {
            if (ownTransaction)
                conn.RollbackTrans();
            throw;
        }
    }

    // Read after the upgrade, so that AyarRows holds row 54 at once.
    rs.Open(select, conn);
    s.AyarRows = rs.GetRows();
    rs.Close();
    // Print fields 20 to 25 are the stock cards' free fields, named by their captions.
    for (int i = 0; i < FreeFieldCount; ++i) {
        const QString caption = settingText(s.AyarRows, listColumnsRow(Page::StockList),
                                            freeFieldCaptionColumn(FirstFreeField + i));
        s.PrintFieldNamesUpper[20 + i] = QStringLiteral("\u00DCR\u00DCN ") + caption;
        s.PrintFieldNames[20 + i] = QStringLiteral("\u00DCr\u00FCn ") + caption;
    }
}

void loadCards(ModuleState &s, const QString &tableName, RowArray &all, RowArray &live,
               QString &flag, CardIndex &allIndex, CardIndex &liveIndex)
{
    Recordset &rs = *s.Rs2;
    // One read serves both lists, the live ones being the rows with silindi 0. The order
    // comes from the Turkish sort below, so the database need not sort.
    rs.Open(QStringLiteral("select * from ") + sqlTable(tableName), *s.Conn);
    RowArray rows = rs.GetRows();
    const int silindiField = int(rs.fieldNames().indexOf(QStringLiteral("silindi")));
    rs.Close();
    if (rows.recordCount() == 0) {
        flag = QStringLiteral("yok");
        return;
    }
    const QList<int> order = turkishOrder(rows);
    QList<int> liveRecords; // positions in the sorted list
    liveRecords.reserve(order.size());
    for (int r = 0; r < order.size(); ++r) {
        const QVariant deleted = rows.value(silindiField, order.at(r));
        if (!deleted.isNull() && deleted.toLongLong() == 0)
            liveRecords << r;
    }
    all = pickRecords(rows, order, true);
    allIndex.build(all);
    if (liveRecords.isEmpty()) {
        flag = QStringLiteral("yok");
        return;
    }
    live = pickRecords(all, liveRecords, false);
    liveIndex.build(live);
    flag = QStringLiteral("var");
}
} // namespace

void LoadLists(bool reloadSettings, bool reloadStock, bool reloadCari)
{
    ModuleState &s = state();
    if (!s.Conn || !s.Rs2)
        throw DatabaseError(QStringLiteral("Veritabanı bağlantısı açık değil."));
    if (reloadSettings)
        loadSettings(s);
    if (reloadStock)
        loadCards(s, s.TblStok, s.StokAllRows, s.StokRows, s.StokVar, stockAll, stockLive);
    if (reloadCari)
        loadCards(s, s.TblCari, s.CariAllRows, s.CariRows, s.CariVar, accountAll, accountLive);
}

QString tableUsageDefault(int column)
{
    using namespace AyarTablolar;
    // Each company on its own tables, both switches on.
    switch (column) {
    case FirstCompanyStock:
    case FirstCompanyAccounts:
        return QStringLiteral("0");
    case SecondCompanyStock:
    case SecondCompanyAccounts:
    case PriceWriteBack:
    case LowStockWarning:
        return QStringLiteral("1");
    default:
        return {};
    }
}

bool tableUsageRowDue(const QList<QVariant> &ids)
{
    return ids.size() == DeliveredSettingsRows
        && std::none_of(ids.begin(), ids.end(),
                        [](const QVariant &id) { return id.toLongLong() == AyarTablolar::Id; });
}

void addTableUsageRow(Connection &connection, const QString &table)
{
    QVariantList values { AyarTablolar::Id, QStringLiteral("stok ve cari tablolari") };
    for (int column = AyarTablolar::FirstCompanyStock; column <= AyarTablolar::LowStockWarning;
         ++column)
        values << tableUsageDefault(column);
    connection.Execute(
        QStringLiteral("insert into ") + sqlTable(table)
            + QStringLiteral(" (id,nedir,a1,a2,a3,a4,a5,a6) values (?,?,?,?,?,?,?,?)"),
        values);
}

TableUsage readTableUsage(Connection &connection, const QString &table)
{
    Recordset rs;
    rs.Open(QStringLiteral("select id, a1, a2, a3, a4 from ") + sqlTable(table), connection);
    const RowArray rows = rs.GetRows();
    rs.Close();
    TableUsage usage;
    const QList<QVariant> &ids = rows.field(0);
    const qsizetype stored
        = std::find_if(ids.begin(), ids.end(),
                       [](const QVariant &id) { return id.toLongLong() == AyarTablolar::Id; })
        - ids.begin();
    if (stored < ids.size())
        usage.row = TableUsageRow::Stored;
    else if (tableUsageRowDue(ids))
        usage.row = TableUsageRow::AddedAtFirstLogin;
    for (int column = 1; column <= int(usage.choices.size()); ++column) {
        if (usage.row == TableUsageRow::Stored)
            usage.choices[column - 1] = rows.text(column, int(stored));
        else if (usage.row == TableUsageRow::AddedAtFirstLogin)
            usage.choices[column - 1] = tableUsageDefault(column);
    }
    return usage;
}

QString turkishSortKey(const QString &text)
{
    QString key(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        key[i] = QChar(letterWeight(text.at(i)));
    return key;
}

// With no live card the live list keeps its old rows (see loadCards): they are no answer.
int stockRecordById(qint64 id, bool all)
{
    const ModuleState &s = state();
    if (all)
        return stockAll.find(s.StokAllRows, id);
    return s.StokVar == QLatin1String("var") ? stockLive.find(s.StokRows, id) : -1;
}

int accountRecordById(qint64 id, bool all)
{
    const ModuleState &s = state();
    if (all)
        return accountAll.find(s.CariAllRows, id);
    return s.CariVar == QLatin1String("var") ? accountLive.find(s.CariRows, id) : -1;
}

} // namespace kx
