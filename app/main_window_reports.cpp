// The report frame of the main window: the current page's report built into the main grid.
#include "app/main_window.h"
#include "core/messages.h"
#include "core/panel_fields.h"
#include "core/state.h"
#include "platform/grid.h"
#include "reports/report.h"

#include <exception>

namespace kx {

namespace {

// Redraw off while the rows go in, and on again however the fill ends: a grid left without
// redraw ignores every event until the next page change.
class RedrawOff
{
public:
    explicit RedrawOff(Grid *grid)
        : m_grid(grid)
    {
        m_grid->setAutoRedraw(false);
    }
    ~RedrawOff() { m_grid->setAutoRedraw(true); }
    RedrawOff(const RedrawOff &) = delete;
    RedrawOff &operator=(const RedrawOff &) = delete;

private:
    Grid *m_grid;
};

void clearToTitles(Grid *grid)
{
    grid->setRows(1);
    grid->clearSpans();
}

} // namespace

void FMain::ShowReport()
{
    // One reading of the page: a page change during the run switches no report halfway.
    const int page = state().CurrentPage;
    Report report;
    bool failed = false;
    {
        RedrawOff redraw(Grid1);
        clearToTitles(Grid1);
        m_reportPage = Page::None;
        if (!isReportPage(page))
            return;
        try {
            const ReportOptions options = ReadReportOptions(RX1);
            report = BuildReport(page, options);
            if (report.missing.isEmpty()) {
                WriteReportRows(Grid1, report.rows);
                m_reportPage = page;
                m_reportOptions = options;
            }
        } catch (const std::exception &) {
            clearToTitles(Grid1);
            failed = true;
        }
    }
    if (failed) {
        ShowSystemMessage(QStringLiteral("Rapor hazırlanamadı!"), IconError);
        return;
    }
    if (!report.missing.isEmpty()) {
        ShowSystemMessage(report.missing, IconError);
        focusField(RX1, report.missingField.constData());
        return;
    }
    // The last row's first cell becomes the current one; column 0 is hidden, so the row keeps
    // its own colours (a yellow totals row stays yellow) and the keys start from there.
    const int last = Grid1->Rows() - 1;
    if (last >= 1) {
        Grid1->Range(last, 0, last, 0).RangeSelect();
        Grid1->scrollTo(Grid1->model()->index(last - 1, 0));
    }
}

} // namespace kx
