// Matching of the main grid's search box: typed text and cell text folded the same way.
#include "core/search.h"

#include "core/conversions.h"

namespace kx {

QString searchFold(const QString &text)
{
    return UpperAsciiText(text);
}

bool searchMatches(const QString &foldedSearch, const QString &cellText)
{
    const qsizetype n = foldedSearch.size();
    if (cellText.size() < n)
        return false;
    for (qsizetype i = 0; i < n; ++i) {
        QChar character = cellText.at(i);
        if (UpperAsciiChar(character) != foldedSearch.at(i))
            return false;
    }
    return true;
}

int firstMatchingRow(const QString &search, int rows, const std::function<QString(int)> &cellText)
{
    const QString folded = searchFold(search);
    for (int r = 1; r < rows; ++r) {
        if (searchMatches(folded, cellText(r)))
            return r;
    }
    return 0;
}

} // namespace kx
