// The startup and page_stock_list figures: the main window's start-up and its stock list page.
#include "bench/bench_support.h"

#include "app/main_window.h"
#include "core/state.h"

#include <QApplication>

namespace kxbench {

namespace {
kx::FMain *window = nullptr;
} // namespace

kx::FMain &benchMainWindow()
{
    if (!window) {
        // No fetch of the version page: the figures measure the program, not the network.
        qputenv("KANTARIX_WEB_HOST", "127.0.0.1:1");
        qputenv("KANTARIX_RATE_HOST", "127.0.0.1:1");
        window = new kx::FMain;
        window->resize(1366, 768);
        window->show();
        QApplication::processEvents();
    }
    return *window;
}

void closeBenchMainWindow()
{
    delete window;
    window = nullptr;
}

// "startup": from the login's return to a ready window: stock-name clean-up, settings, table
// choice, lists and panel preparation, then the window painted. Needs a QApplication and a
// logged-in company (BenchData).
Figure startupFigure()
{
    kx::FMain &window = benchMainWindow();
    return { "startup", [&window] {
                window.startAfterLogin();
                window.repaint();
                QApplication::processEvents();
            } };
}

// "page_stock_list": the switch to the stock list page, painted. Runs after the start-up.
Figure pageStockListFigure()
{
    kx::FMain &window = benchMainWindow();
    if (kx::state().StokVar.isEmpty())
        window.startAfterLogin();
    return { "page_stock_list", [&window] {
                window.ShowPage(1);
                window.repaint();
                QApplication::processEvents();
            } };
}

} // namespace kxbench
