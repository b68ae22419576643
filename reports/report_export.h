// Saving a shown report as an .xlsx workbook.
#pragma once

#include "reports/shown_report.h"

#include <QDate>
#include <QString>

#include <optional>

namespace kx {

class Grid;

// The save dialog's texts.
inline const QString ReportFileDialogTitle
    = QStringLiteral("Rapor dosyanızın adını ve kaydedileceği konumu seçiniz...");
inline const QString ReportFileFilter = QStringLiteral("Excel dosyaları (*.xlsx)|*.xlsx");

// "Rapor " and the day as dd-mm-yyyy, ".xlsx" at the end.
QString DefaultReportFileName(const QDate &today = QDate::currentDate());

// A shown amount or price as a number, with the decimals it shows: only a text exactly as
// the money and price formats write it ("1.234,50", "-0,125", "12,00000").
struct ShownAmount
{
    double value = 0;
    int decimals = 2;
};
std::optional<ShownAmount> shownAmount(const QString &text);

// Whether the grid column of a report page holds amounts or prices; dates, quantities, names
// and notes stay text.
bool isAmountColumn(int page, int gridColumn);

// Writes the report as one sheet: the titles of the shown columns, then the shown rows, each
// cell as shown (a number with a format that shows the same text where the cell shows an
// amount or price of an amount column, text otherwise), with merges, colours, bold, alignment
// and thick borders. The workbook is written beside path and renamed onto it, so a failure
// leaves nothing under path (a file that stood there stays as it was). False on failure, with
// the reason in *error.
bool WriteReportWorkbook(const QString &path, const ShownReport &report, int page,
                         QString *error = nullptr);

// The save command: "Raporda bilgi yok!" for a report without rows; otherwise the save dialog
// proposes the default name in `folder` and asks itself before an existing file is replaced;
// the report of `page` is written to the chosen name as it is. A failure is said once.
void SaveReportToExcel(Grid *grid, int page, const QString &folder);

} // namespace kx
