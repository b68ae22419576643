// Figures of a shown report's output.
#include "bench/bench_report_output.h"
#include "bench/bench_support.h"

#include "app/main_window.h"
#include "core/panel_fields.h"
#include "platform/grid.h"
#include "reports/report_export.h"

#include <QTemporaryDir>

namespace kxbench {

void runReportOutputFigures(int runs, const std::function<void(const char *, double)> &print)
{
    kx::FMain &window = benchMainWindow();
    window.startAfterLogin();
    window.ShowPage(12);
    kx::setFieldValue(window.RX1, "XOAlis", 1);
    window.ShowReport();
    if (window.Grid1->Rows() < 2)
        qFatal("kxbench: the inventory made no rows");

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Envanter.xlsx"));
    print("export_inventory", medianMs(runs, [&] {
              if (!kx::WriteReportWorkbook(path, kx::shownReport(window.Grid1), 12))
                  qFatal("kxbench: the workbook could not be written");
          }));
}

} // namespace kxbench
