// The search_key figure: one key typed into the search box over the stock list.
#include "bench/bench_support.h"

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

// The last letter of the name of the card that sorts last, typed after the rest of the name:
// the search reads every row of the list before it finds its row. Needs a QApplication and a
// logged-in company (BenchData).
Figure searchKeyFigure()
{
    kx::FMain *window = &benchMainWindow();
    if (kx::state().StokVar.isEmpty())
        window->startAfterLogin();
    window->ShowPage(1);
    QApplication::processEvents();
    return { "search_key", [window] {
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
