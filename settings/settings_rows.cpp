// What the settings window edits, read from the company's settings rows and written back.
#include "settings/settings_rows.h"

#include "core/conversions.h"
#include "core/sql_builders.h"
#include "core/state.h"

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
    for (int i = 0; i < TableChoiceCount; ++i) {
        const QString stored = settingText(rows, TablesRow, i + 1);
        values.tableChoices[i] = !startsWithNumber(stored) ? -1 : numberValue(stored) != 0 ? 1 : 0;
    }
    values.priceWriteBack = numberValue(settingText(rows, TablesRow, 5)) == 1;
    values.lowStockWarning = numberValue(settingText(rows, TablesRow, 6)) == 1;
    return values;
}

void writeSettingsValues(const SettingsValues &values)
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
        for (int k = 1; k <= TableChoiceCount; ++k) {
            const int choice = values.tableChoices[k - 1];
            if (choice >= 0)
                s.FieldValues[k] = QString::number(choice);
        }
        s.FieldValues[5] = flagText(values.priceWriteBack);
        s.FieldValues[6] = flagText(values.lowStockWarning);
        ExecUpdate(s.TblAyar, TablesRow);
        conn.CommitTrans();
    } catch (...) {
        s.FieldValues.fill(SkipSlot);
        conn.RollbackTrans();
        throw;
    }
}

bool tableUsageChanged(const SettingsValues &values, const RowArray &rows)
{
    for (int i = 0; i < TableChoiceCount; ++i) {
        const int choice = values.tableChoices[i];
        if (choice < 0)
            continue;
        const bool storedSecond = numberValue(settingText(rows, TablesRow, i + 1)) != 0;
        if ((choice == 1) != storedSecond)
            return true;
    }
    return false;
}

} // namespace kx
