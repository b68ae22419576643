// The figure of document printing: the print items of an open invoice.
#include "bench/bench_print.h"
#include "bench/bench_support.h"

#include "core/lists.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "reports/document_print_items.h"

namespace kxbench {

double printInvoiceMs(const kx::DocumentView &view, int runs)
{
    kx::ModuleState &s = kx::state();
    // Rows 41 to 52: each field's value and caption on, placed, size 10.
    const QStringList cells { "1", "20", "30", "0", "0", "10" };
    for (int row = 41; row <= 52; ++row) {
        for (int field = 1; field <= kx::PrintFieldCount; ++field)
            s.FieldValues[field] = cells[(row - 41) % 6];
        kx::ExecUpdate(s.TblAyar, row);
    }
    kx::LoadLists(true, false, false);
    int items = 0;
    const double ms = medianMs(runs, [&] {
        items = kx::buildPrintItems(kx::snapshotDocument(view, kx::printedAsItIs(5))).size();
    });
    if (items < 100 * 10)
        qFatal("kxbench: the invoice gave only %d print items", items);
    return ms;
}

} // namespace kxbench
