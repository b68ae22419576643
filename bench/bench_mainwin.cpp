// The startup and page_stock_list figures: the main window's start-up and its stock list page.
#include "app/main_window.h"
#include "core/state.h"

#include <QApplication>

#include <functional>
#include <utility>

namespace kxbench {

namespace {

// One main window for both figures, made and shown once: its making is the window's load,
// which comes before the login and is not part of either figure.
kx::FMain *window = nullptr;

kx::FMain &mainWindow()
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

} // namespace

// The window must go while the application object still exists: its destructor talks to it.
void closeMainWindow()
{
    delete window;
    window = nullptr;
}

// "startup": from the login's return to a ready window: stock-name clean-up, settings, table
// choice, lists and panel preparation, then the window painted. Needs a QApplication and a
// logged-in company (BenchData).
std::pair<const char *, std::function<void()>> startupFigure()
{
    kx::FMain &window = mainWindow();
    return { "startup", [&window] {
                window.startAfterLogin();
                window.repaint();
                QApplication::processEvents();
            } };
}

// "page_stock_list": the switch to the stock list page, painted. Runs after the start-up.
std::pair<const char *, std::function<void()>> pageStockListFigure()
{
    kx::FMain &window = mainWindow();
    if (kx::state().StokVar.isEmpty())
        window.startAfterLogin();
    return { "page_stock_list", [&window] {
                window.ShowPage(1);
                window.repaint();
                QApplication::processEvents();
            } };
}

} // namespace kxbench
