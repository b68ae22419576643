// The search_key figure: one typed key's search over the stock list.
#include "core/search.h"
#include "core/state.h"

#include <functional>
#include <utility>

namespace kxbench {

// Types the whole name of the card that sorts last, so that the search reads every row of the
// list before it finds its row, as the search box does on each key.
std::pair<const char *, std::function<void()>> searchKeyFigure()
{
    return { "search_key", [] {
                const kx::RowArray &rows = kx::state().StokRows;
                const int count = rows.recordCount();
                const QString typed = rows.text(2, count - 1);
                const int found = kx::firstMatchingRow(
                    typed, count + 1, [&rows](int r) { return rows.text(2, r - 1); });
                if (found < 1)
                    qFatal("search_key: the typed name was not found");
            } };
}

} // namespace kxbench
