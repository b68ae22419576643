// What the settings window edits, read from the company's settings rows and written back.
#include "settings/settings_rows.h"

#include "core/conversions.h"
#include "core/database.h"
#include "core/lists.h"
#include "core/sql_builders.h"
#include "core/state.h"

#include <algorithm>

namespace kx {

namespace {

constexpr int StockListRow = 1;
constexpr int CariListRow = 2;
constexpr int StockWidthRow = 4;
constexpr int CariWidthRow = 5;
constexpr int RightsRow = 53;
constexpr int TablesRow = 54;
constexpr int FirstCaptionColumn = 19; // a19..a24 of rows 1 and 2

// Column a<column> of the settings row with this id; Null reads as "".
QString settingText(const RowArray &rows, int rowId, int column)
{
    return rows.text(column + 1, rowId - 1);
}

// Whether numberValue finds a number at the start of the text at all.
bool startsWithNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+'))
        ++i;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c >= u'0' && c <= u'9')
            return true;
        if (c != u'.' || point)
            return false;
        point = true;
    }
    return false;
}

// A tick or a width as it is stored: the plain text of the cell's leading number.
QString leadingNumberText(const QString &text)
{
    return plainNumberText(numberValue(text));
}

// 0 or 1 by the table the login takes for a stored choice; -1 when the text holds no number.
int tableChoiceOf(const QString &stored)
{
    return !startsWithNumber(stored) ? -1 : numberValue(stored) != 0 ? 1 : 0;
}

// The choices a save writes into a1..a4 of a row 54; a choice of none leaves its column.
void setTableChoiceSlots(const std::array<int, TableChoiceCount> &choices)
{
    ModuleState &s = state();
    for (int k = 1; k <= TableChoiceCount; ++k) {
        if (choices[k - 1] >= 0)
            s.FieldValues[k] = QString::number(choices[k - 1]);
    }
}

// The company whose window this is not, as companyTables counts: a third company shares the
// second's tables.
int otherCompany()
{
    return state().TblAyar == companyTables(0).settings ? 1 : 0;
}

// What the other company's settings table holds of row 54.
enum class TableUsageRow { Stored, AddedAtFirstLogin, None };

TableUsageRow tableUsageRowOf(const QString &table)
{
    Recordset rs;
    rs.Open(QStringLiteral("select id from ") + sqlTable(table), *state().Conn);
    const QList<QVariant> ids = rs.rows().field(0);
    rs.Close();
    if (std::any_of(ids.begin(), ids.end(),
                    [](const QVariant &id) { return id.toLongLong() == 54; }))
        return TableUsageRow::Stored;
    return tableUsageRowDue(ids) ? TableUsageRow::AddedAtFirstLogin : TableUsageRow::None;
}

QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

void writeListRow(int rowId, const std::array<QString, CardListFieldCount> &numbers,
                  const std::array<QString, FreeFieldCount> *captions)
{
    ModuleState &s = state();
    for (int k = 1; k <= CardListFieldCount; ++k)
        s.FieldValues[k] = leadingNumberText(numbers[k - 1]);
    if (captions) {
        for (int i = 0; i < FreeFieldCount; ++i)
            s.FieldValues[FirstCaptionColumn + i] = (*captions)[i];
    }
    ExecUpdate(s.TblAyar, rowId);
}

} // namespace

int layoutFieldCount(int kind)
{
    static constexpr int counts[LayoutKindCount] = { 26, 44, 43 };
    return kind >= 0 && kind < LayoutKindCount ? counts[kind] : 0;
}

int layoutRowId(int kind, int column)
{
    return 12 * kind + column + 15;
}

SettingsValues readSettingsValues(const RowArray &rows)
{
    SettingsValues values;
    for (int i = 0; i < CardListFieldCount; ++i) {
        values.stockShown[i] = settingText(rows, StockListRow, i + 1);
        values.stockWidths[i] = settingText(rows, StockWidthRow, i + 1);
        values.cariShown[i] = settingText(rows, CariListRow, i + 1);
        values.cariWidths[i] = settingText(rows, CariWidthRow, i + 1);
    }
    for (int i = 0; i < FreeFieldCount; ++i) {
        values.stockCaptions[i] = settingText(rows, StockListRow, FirstCaptionColumn + i);
        values.cariCaptions[i] = settingText(rows, CariListRow, FirstCaptionColumn + i);
    }
    for (int k = 0; k < LayoutKindCount; ++k) {
        for (int m = LayoutFirstColumn; m <= LayoutLastColumn; ++m) {
            QStringList &cells = values.layouts[k][m - LayoutFirstColumn];
            for (int n = 1; n <= layoutFieldCount(k); ++n)
                cells.append(settingText(rows, layoutRowId(k, m), n));
        }
    }
    for (int i = 0; i < RightCount; ++i)
        values.rights[i] = numberValue(settingText(rows, RightsRow, i + 1)) != 0;
    for (int i = 0; i < TableChoiceCount; ++i)
        values.tableChoices[i] = tableChoiceOf(settingText(rows, TablesRow, i + 1));
    values.priceWriteBack = numberValue(settingText(rows, TablesRow, 5)) == 1;
    values.lowStockWarning = numberValue(settingText(rows, TablesRow, 6)) == 1;
    return values;
}

void readOtherCompanyChoices(SettingsValues &values)
{
    const int company = otherCompany();
    const QString table = companyTables(company).settings;
    const int first = 2 * company; // a1, a2 of the first company, a3, a4 of the second
    for (const int i : { first, first + 1 })
        values.tableChoices[i] = -1;
    try {
        switch (tableUsageRowOf(table)) {
        case TableUsageRow::Stored: {
            Recordset rs;
            rs.Open(QStringLiteral("select a%1, a%2 from ").arg(first + 1).arg(first + 2)
                        + sqlTable(table) + QStringLiteral(" where id=?"),
                    *state().Conn, { TablesRow });
            for (const int i : { first, first + 1 })
                values.tableChoices[i] = tableChoiceOf(rs.Fields(i - first).toString());
            break;
        }
        case TableUsageRow::AddedAtFirstLogin:
            for (const int i : { first, first + 1 })
                values.tableChoices[i] = tableChoiceOf(tableUsageDefaults()[i]);
            break;
        case TableUsageRow::None:
            break;
        }
    } catch (const DatabaseError &) {
        // Shown as none, and written only as far as the save can reach the table.
    }
}

void writeSettingsValues(const SettingsValues &values, bool tableUsageChanged)
{
    ModuleState &s = state();
    if (!s.Conn)
        throw DatabaseError(QStringLiteral("Veritabanı bağlantısı açık değil."));
    Connection &conn = *s.Conn;
    conn.BeginTrans();
    try {
        writeListRow(StockListRow, values.stockShown, &values.stockCaptions);
        writeListRow(CariListRow, values.cariShown, &values.cariCaptions);
        writeListRow(StockWidthRow, values.stockWidths, nullptr);
        writeListRow(CariWidthRow, values.cariWidths, nullptr);

        // Layout cells keep their text: printing acts on a switch of exactly 1, so a stored
        // "2" must stay "2".
        for (int k = 0; k < LayoutKindCount; ++k) {
            for (int m = LayoutFirstColumn; m <= LayoutLastColumn; ++m) {
                const QStringList &cells = values.layouts[k][m - LayoutFirstColumn];
                for (int n = 1; n <= layoutFieldCount(k); ++n)
                    s.FieldValues[n] = cells.value(n - 1);
                ExecUpdate(s.TblAyar, layoutRowId(k, m));
            }
        }

        for (int k = 1; k <= RightCount; ++k)
            s.FieldValues[k] = flagText(values.rights[k - 1]);
        ExecUpdate(s.TblAyar, RightsRow);

        // A choice the window could not show is left as stored: writing -1 would name the
        // second company's table at the next login.
        setTableChoiceSlots(values.tableChoices);
        s.FieldValues[5] = flagText(values.priceWriteBack);
        s.FieldValues[6] = flagText(values.lowStockWarning);
        ExecUpdate(s.TblAyar, TablesRow);

        // The other company's login reads its choices from its own row 54; its switches and
        // every other column stay its own.
        if (tableUsageChanged) {
            const QString other = companyTables(otherCompany()).settings;
            const TableUsageRow row = tableUsageRowOf(other);
            if (row == TableUsageRow::AddedAtFirstLogin)
                addTableUsageRow(conn, other);
            if (row != TableUsageRow::None) {
                setTableChoiceSlots(values.tableChoices);
                ExecUpdate(other, TablesRow);
            }
        }
        conn.CommitTrans();
    } catch (...) {
        s.FieldValues.fill(SkipSlot);
        conn.RollbackTrans();
        throw;
    }
}

} // namespace kx
