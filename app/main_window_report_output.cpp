// The shown report's output: saved as a workbook, printed.
#include "app/main_window.h"
#include "core/state.h"
#include "reports/report_export.h"
#include "reports/report_print.h"

#include <QDir>
#include <QStandardPaths>

namespace kx {

namespace {

// The folder the save dialog opens in: the user's documents, else the home folder.
QString reportFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

void FMain::saveReport()
{
    SaveReportToExcel(Grid1, state().CurrentPage, reportFolder());
}

void FMain::printReport()
{
    const ModuleState &s = state();
    // The title tells what the shown report was built with, whatever the panel holds now.
    const ReportOptions options
        = m_reportPage == s.CurrentPage ? m_reportOptions : ReadReportOptions(RX1);
    PrintReport(Grid1, ReportTitle(s.CurrentPage, options, s.FirmaAdi));
}

} // namespace kx
