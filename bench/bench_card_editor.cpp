// The card_editor_open figure: the card editor opened on one card of a full stock list.
#include "bench/bench_support.h"

#include "app/card_editor.h"
#include "core/lists.h"
#include "core/state.h"

#include <QApplication>

#include <functional>

namespace kxbench {

// The "card_editor_open" figure: F1Pop made, loaded with the card in the middle of the live
// stock list and shown, as the ribbon's edit command does. Needs a QApplication and a logged-in
// company with its lists loaded (BenchData, LoadLists).
Figure cardEditorOpenFigure()
{
    kx::ModuleState &s = kx::state();
    s.PriceFormat = QStringLiteral("#,##0.00");
    s.NumberFormat = QStringLiteral("#,##0.00");
    s.KdvOrani1 = 1;
    s.KdvOrani2 = 10;
    s.KdvOrani3 = 20;
    const int record = s.StokRows.recordCount() / 2;
    QStringList row;
    for (int field = 0; field <= kx::CardFieldCount; ++field)
        row << s.StokRows.text(field, record);
    return { "card_editor_open", [row] {
        kx::state().PopKind = 1;
        kx::state().PopMode = QStringLiteral("e");
        kx::F1Pop window(row);
        window.show();
        QApplication::processEvents();
    } };
}

} // namespace kxbench
