// What the settings window edits, read from the company's settings rows and written back.
#pragma once

#include "core/settings_row_map.h"
#include "platform/row_array.h"

#include <QString>
#include <QStringList>

#include <array>

namespace kx {

constexpr int CardListFieldCount = 18; // card columns a1..a18
// "İrsaliye", "Fatura", "İrsaliyeli Fatura": the layouts of the three document pages, in order.
constexpr int LayoutKindCount = 3;
constexpr int RightCount = RightSettings; // a1..a9
constexpr int TableChoiceCount = AyarTablolar::SecondCompanyAccounts; // a1..a4

// The print fields a layout kind shows: 26 on a delivery note, 44 on an invoice, 43 on an
// invoice with its own lines.
int layoutFieldCount(int kind);

// Everything the window shows, as its controls hold it.
struct SettingsValues
{
    // Index i stands for card column a<i+1>: the "Listele" ticks and the widths as texts.
    std::array<QString, CardListFieldCount> stockShown;
    std::array<QString, CardListFieldCount> stockWidths;
    std::array<QString, CardListFieldCount> cariShown;
    std::array<QString, CardListFieldCount> cariWidths;
    // Captions of the free fields a13..a18.
    std::array<QString, FreeFieldCount> stockCaptions;
    std::array<QString, FreeFieldCount> cariCaptions;
    // layouts[k][m - 2][n - 1]: the text of print field n in layout column m of layout kind k.
    std::array<std::array<QStringList, LayoutColumnCount>, LayoutKindCount> layouts;
    // The rights of other computers (AyarIzinler a1..a9).
    std::array<bool, RightCount> rights {};
    // The table usage (AyarTablolar a1..a4): 0 the first company's table, 1 the second's, -1
    // none.
    std::array<int, TableChoiceCount> tableChoices {};
    bool priceWriteBack = false; // AyarTablolar a5
    bool lowStockWarning = false; // AyarTablolar a6
};

// The values of the settings rows as the window shows them. A right is ticked when its text
// reads as a number other than 0, as the rights check grants it; a switch when it reads as 1,
// as its readers act on it; a table choice is 0 or 1 by the table the login takes, and none
// when the text holds no number. Nothing read can fail.
SettingsValues readSettingsValues(const RowArray &rows);

// Puts the other company's two table choices into `values` (a1, a2 of the first company, a3,
// a4 of the second) as that company's own settings table holds them, since its login reads
// them there: from its row 54, or, when it holds exactly rows 1..53, as its first login will
// add that row; otherwise, or when the table cannot be read, as none.
void readOtherCompanyChoices(SettingsValues &values);

// Writes rows 1, 2, 4, 5, 17..52, 53 and 54 of TblAyar through FieldValues and ExecUpdate, in
// one transaction: a failure rolls every row back and throws DatabaseError. Ticks and widths go
// in as the plain text of their leading number ("12,5" → "12", "" → "0"), captions and layout
// cells as they stand; a table choice of none leaves its column alone. When the table usage has
// changed, the four choices go into a1..a4 of the other company's row 54 as well, in the same
// transaction: the row is first added there when its first login would add it, and a table
// holding neither gets nothing.
void writeSettingsValues(const SettingsValues &values, bool tableUsageChanged);

} // namespace kx
