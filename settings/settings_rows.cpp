// What the settings window edits, read from the company's settings rows and written back.
#include "settings/settings_rows.h"

#include "core/conversions.h"
#include "core/database.h"
#include "core/lists.h"
#include "core/sql_builders.h"
#include "core/state.h"

namespace kx {

namespace {

// The document page whose layout is layout kind `kind`.
constexpr int layoutPage(int kind)
{
    return Page::DeliveryNote + kind;
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

// The choices a save writes into a1..a4 of an AyarTablolar row; a choice of none leaves its
// column.
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
            s.FieldValues[freeFieldCaptionColumn(FirstFreeField + i)] = (*captions)[i];
    }
    ExecUpdate(s.TblAyar, rowId);
}

} // namespace

int layoutFieldCount(int kind)
{
    static constexpr int counts[LayoutKindCount] = { 26, 44, 43 };
    return kind >= 0 && kind < LayoutKindCount ? counts[kind] : 0;
}

SettingsValues readSettingsValues(const RowArray &rows)
{
    SettingsValues values;
    const int stockList = listColumnsRow(Page::StockList);
    const int cariList = listColumnsRow(Page::AccountList);
    for (int i = 0; i < CardListFieldCount; ++i) {
        values.stockShown[i] = settingText(rows, stockList, i + 1);
        values.stockWidths[i] = settingText(rows, columnWidthRow(Page::StockList), i + 1);
        values.cariShown[i] = settingText(rows, cariList, i + 1);
        values.cariWidths[i] = settingText(rows, columnWidthRow(Page::AccountList), i + 1);
    }
    for (int i = 0; i < FreeFieldCount; ++i) {
        const int column = freeFieldCaptionColumn(FirstFreeField + i);
        values.stockCaptions[i] = settingText(rows, stockList, column);
        values.cariCaptions[i] = settingText(rows, cariList, column);
    }
    for (int k = 0; k < LayoutKindCount; ++k) {
        for (int m = LayoutFirstColumn; m <= LayoutLastColumn; ++m) {
            QStringList &cells = values.layouts[k][m - LayoutFirstColumn];
            for (int n = 1; n <= layoutFieldCount(k); ++n)
                cells.append(settingText(rows, printLayoutRow(layoutPage(k), m), n));
        }
    }
    for (int i = 0; i < RightCount; ++i)
        values.rights[i] = numberValue(settingText(rows, AyarIzinler::Id, i + 1)) != 0;
    for (int i = 0; i < TableChoiceCount; ++i)
        values.tableChoices[i] = tableChoiceOf(settingText(rows, AyarTablolar::Id, i + 1));
    const auto switchOn = [&rows](int column) {
        return numberValue(settingText(rows, AyarTablolar::Id, column)) == 1;
    };
    values.priceWriteBack = switchOn(AyarTablolar::PriceWriteBack);
    values.lowStockWarning = switchOn(AyarTablolar::LowStockWarning);
    return values;
}

void readOtherCompanyChoices(SettingsValues &values)
{
    const int company = otherCompany();
    const QString table = companyTables(company).settings;
    // Choice i is column a<i + 1>.
    const int columns[]
        = { AyarTablolar::stockTableColumn(company), AyarTablolar::accountTableColumn(company) };
    try {
        const TableUsage usage = readTableUsage(*state().Conn, table);
        for (const int column : columns)
            values.tableChoices[column - 1] = tableChoiceOf(usage.choices[column - 1]);
    } catch (const DatabaseError &) {
        // Shown as none, and written only as far as the save can reach the table.
        for (const int column : columns)
            values.tableChoices[column - 1] = -1;
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
        writeListRow(listColumnsRow(Page::StockList), values.stockShown, &values.stockCaptions);
        writeListRow(listColumnsRow(Page::AccountList), values.cariShown, &values.cariCaptions);
        writeListRow(columnWidthRow(Page::StockList), values.stockWidths, nullptr);
        writeListRow(columnWidthRow(Page::AccountList), values.cariWidths, nullptr);

        // Layout cells keep their text: printing acts on a switch of exactly 1, so a stored
        // "2" must stay "2".
        for (int k = 0; k < LayoutKindCount; ++k) {
            for (int m = LayoutFirstColumn; m <= LayoutLastColumn; ++m) {
                const QStringList &cells = values.layouts[k][m - LayoutFirstColumn];
                for (int n = 1; n <= layoutFieldCount(k); ++n)
                    s.FieldValues[n] = cells.value(n - 1);
                ExecUpdate(s.TblAyar, printLayoutRow(layoutPage(k), m));
            }
        }

        for (int k = 1; k <= RightCount; ++k)
            s.FieldValues[k] = flagText(values.rights[k - 1]);
        ExecUpdate(s.TblAyar, AyarIzinler::Id);

        // A choice the window could not show is left as stored: writing -1 would name the
        // second company's table at the next login.
        setTableChoiceSlots(values.tableChoices);
        s.FieldValues[AyarTablolar::PriceWriteBack] = flagText(values.priceWriteBack);
        s.FieldValues[AyarTablolar::LowStockWarning] = flagText(values.lowStockWarning);
        ExecUpdate(s.TblAyar, AyarTablolar::Id);

        // The other company's login reads its choices from its own AyarTablolar row; its
        // switches and every other column stay its own.
        if (tableUsageChanged) {
            const QString other = companyTables(otherCompany()).settings;
            const TableUsageRow row = readTableUsage(conn, other).row;
            if (row == TableUsageRow::AddedAtFirstLogin)
                addTableUsageRow(conn, other);
            if (row != TableUsageRow::None) {
                setTableChoiceSlots(values.tableChoices);
                ExecUpdate(other, AyarTablolar::Id);
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
