// A two-dimensional array of values, field first and record second, as a read of all rows gives it.
#pragma once

#include <QList>
#include <QVariant>

namespace kx {

class RowArray
{
public:
    RowArray() = default;
    RowArray(int fields, int records) { resize(fields, records); }

    int fieldCount() const { return int(m_fields.size()); }
    int recordCount() const { return m_fields.isEmpty() ? 0 : int(m_fields.first().size()); }
    bool isEmpty() const { return recordCount() == 0; }

    // Out-of-range reads give an invalid value instead of crashing.
    QVariant value(int field, int record) const
    {
        if (field < 0 || field >= m_fields.size() || record < 0
            || record >= m_fields.at(field).size())
            return {};
        return m_fields.at(field).at(record);
    }
    QString text(int field, int record) const { return value(field, record).toString(); }
    QVariant &operator()(int field, int record) { return m_fields[field][record]; }

    void resize(int fields, int records)
    {
        m_fields.resize(fields);
        for (auto &column : m_fields)
            column.resize(records);
    }
    void clear() { m_fields.clear(); }

    const QList<QVariant> &field(int index) const { return m_fields.at(index); }
    QList<QVariant> &field(int index) { return m_fields[index]; }

private:
    QList<QList<QVariant>> m_fields;
};

} // namespace kx
