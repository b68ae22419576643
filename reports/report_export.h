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

// A cell text as a number, with the format that shows the same text under Turkish regional
// settings: an optional "-", digits ungrouped or grouped by "." in threes, optionally "," and
// decimals, without a leading zero before another digit ("35", "2500,5", "1.234,50"). Texts
// that a number cannot show as they stand (a negative zero, more digits than a double keeps)
// are none.
struct ShownNumber
{
    double value = 0;
    int decimals = 0;
    bool grouped = false;
};
std::optional<ShownNumber> shownNumber(const QString &text);

// Whether a cell of a report page holds an amount, a price or a quantity, by the row's kind and
// the cell's grid column; codes, document texts, dates and names stay text.
bool isNumberCell(int page, ReportRowKind kind, int gridColumn);

// Writes the report as one sheet: the titles of the shown columns, then the shown rows, each
// cell as shown (a number with a format that shows the same text where a number cell holds a
// number's text, text otherwise), with merges, colours, bold, alignment and thick borders. The
// workbook is written beside path and renamed onto it, so a failure leaves nothing under path (a
// file that stood there stays as it was). False on failure, with the reason in *error.
bool WriteReportWorkbook(const QString &path, const ShownReport &report, int page,
                         QString *error = nullptr);

// The save command: "Raporda bilgi yok!" for a report without rows; otherwise the save dialog
// proposes the default name in `folder` and asks itself before an existing file is replaced;
// the report of `page` is written to the chosen name as it is. A failure is said once.
void SaveReportToExcel(Grid *grid, int page, const QString &folder);

} // namespace kx
