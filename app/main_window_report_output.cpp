// The shown report's output: saved as a workbook, printed.
#include "app/main_window.h"
#include "core/state.h"
#include "reports/report_export.h"

#include <QDir>
#include <QFileDialog>
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
    SaveReportToExcel(Grid1, state().CurrentPage, reportFolder(),
                      [this](const QString &title, const QString &proposed, const QString &filter) {
                          return QFileDialog::getSaveFileName(this, title, proposed, filter);
                      });
}

} // namespace kx
