// Settings rows and the in-memory stock and account lists, with look-up of a card by id.
#include "core/lists.h"

#include "core/state.h"

#include <QHash>

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
} // namespace

int stockRecordById(qint64 id, bool all)
{
    const ModuleState &s = state();
    return all ? stockAll.find(s.StokAllRows, id) : stockLive.find(s.StokRows, id);
}

int accountRecordById(qint64 id, bool all)
{
    const ModuleState &s = state();
    return all ? accountAll.find(s.CariAllRows, id) : accountLive.find(s.CariRows, id);
}

} // namespace kx
