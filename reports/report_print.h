// Printing a shown report: its title, its page set-up and the drawing of its shown rows and
// columns on a printer.
#pragma once

#include "reports/report.h"
#include "reports/shown_report.h"

#include <QDate>
#include <QString>

#include <functional>

class QPrinter;

namespace kx {

class Grid;
class PrintSurface;

// The printed title of a report page, made from the options the report was built with; empty
// for a page without a report. Dates are day.month.year; `today` is the day of printing.
QString ReportTitle(int page, const ReportOptions &options, const QString &company,
                    const QDate &today = QDate::currentDate());

// How a report is laid out on paper.
struct ReportPageSetup
{
    // Margins in centimetres.
    double leftMargin = 0;
    double topMargin = 0; // to the column titles
    double bottomMargin = 0;
    double rightMargin = 0;
    bool gridLines = false; // lines round every cell
    bool titlesOnEveryPage = false; // the column titles head every page, not the first only
    QString title; // printed above the table on every page
    double titleMargin = 0; // from the top edge of the sheet to the title, centimetres
    int orientation = 1; // 1 portrait, 2 landscape
};

// The page set-up every report prints with, under the given title.
ReportPageSetup ReportPrintSetup(const QString &title);

// Draws the report on the surface, as many pages as it needs, in the grid's face; a table wider
// than the page is scaled down to the page's width, its face with it. False when the printer
// could not start or finish.
bool PrintShownReport(const ShownReport &report, const ReportPageSetup &setup,
                      PrintSurface &surface);
// The same on a printer, upright or across as the set-up says.
bool PrintShownReport(const ShownReport &report, const ReportPageSetup &setup, QPrinter *printer);

// What the print command prints on: the printer choice shown before, and the printer current
// after it (nullptr: none).
struct ReportPrinter
{
    std::function<void()> choose;
    std::function<QPrinter *()> printer;
};

// The printer choice "Yazıcı Seçimi" and the program's current printer.
ReportPrinter standardReportPrinter();

// The print command: "Raporda bilgi yok!" for a report without rows; otherwise the printer
// choice, then the grid's shown report under the title on the chosen printer. A failure is
// said once.
void PrintReport(Grid *grid, const QString &title,
                 const ReportPrinter &printer = standardReportPrinter());

} // namespace kx
