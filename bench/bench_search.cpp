// The search_key figure: one key typed into the search box over the stock list.
#include "app/main_window.h"
#include "core/state.h"
#include "platform/grid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <functional>
#include <utility>

namespace kxbench {

namespace {
kx::FMain *window = nullptr;
} // namespace

// The window must go while the application object still exists: its destructor talks to it.
void closeSearchWindow()
{
    delete window;
    window = nullptr;
}

// The last letter of the name of the card that sorts last, typed after the rest of the name:
// the search reads every row of the list before it finds its row. Needs a QApplication and a
// logged-in company (BenchData).
std::pair<const char *, std::function<void()>> searchKeyFigure()
{
    if (!window) {
        // No fetch of the version page: the figure measures the program, not the network.
        qputenv("KANTARIX_WEB_HOST", "127.0.0.1:1");
        qputenv("KANTARIX_RATE_HOST", "127.0.0.1:1");
        window = new kx::FMain;
        window->resize(1366, 768);
        window->show();
        window->startAfterLogin();
        window->ShowPage(1);
        QApplication::processEvents();
    }
    return { "search_key", [] {
                const kx::RowArray &rows = kx::state().StokRows;
                const int last = rows.recordCount() - 1;
                const QString name = rows.text(2, last);
                {
                    const QSignalBlocker quiet(window->TBul);
                    window->TBul->setText(name.chopped(1));
                }
                const QString key = name.right(1);
                QKeyEvent press(QEvent::KeyPress, Qt::Key(key.at(0).toUpper().unicode()),
                                Qt::NoModifier, key);
                QApplication::sendEvent(window->TBul, &press);
                if (window->Grid1->CurrentCell().Row() != last + 1
                    && window->Grid1->Cell(window->Grid1->CurrentCell().Row(), 2).Text() != name)
                    qFatal("search_key: the typed name was not found");
            } };
}

} // namespace kxbench
